// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/raster_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace pixora {
namespace {

// The top-left width x height cells of the picture as rows of '#' and '.' joined by '|'.
std::string Rows(const PictureGrid& p, int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        out += y == 0 ? "" : "|";
        for (int x = 0; x < width; ++x) {
            out += p.IsSet(x, y) ? '#' : '.';
        }
    }
    return out;
}

enum class Kind { Line, Rect, FilledRect, Ellipse, FilledEllipse };

void Draw(PictureGrid& p, Kind kind, CellPoint a, CellPoint b) {
    if (kind == Kind::Line) {
        DrawLine(p, a, b, 1);
    } else if (kind == Kind::Rect || kind == Kind::FilledRect) {
        DrawRectangle(p, a, b, kind == Kind::FilledRect, 1);
    } else {
        DrawEllipse(p, a, b, kind == Kind::FilledEllipse, 1);
    }
}

TEST(RasterDraw, ShapesCoverTheExpectedCells) {
    struct Case {
        Kind kind;
        CellPoint a, b;
        std::string expected;
    } cases[] = {
        {Kind::Line, {0, 0}, {4, 2}, "#....|.##..|...##"},
        {Kind::Line, {4, 2}, {0, 0}, "##...|..##.|....#"},
        {Kind::Line, {0, 3}, {3, 0}, "...#|..#.|.#..|#..."},
        {Kind::Line, {2, 1}, {2, 1}, "...|..#|..."},
        {Kind::Rect, {4, 3}, {0, 0}, "#####|#...#|#...#|#####"},
        {Kind::Rect, {0, 0}, {0, 2}, "#.|#.|#."},
        {Kind::FilledRect, {1, 1}, {3, 2}, ".....|.###.|.###.|....."},
        {Kind::Ellipse, {0, 0}, {0, 0}, "#."},
        {Kind::Ellipse, {0, 0}, {4, 0}, "#####|....."},
        {Kind::Ellipse, {0, 0}, {0, 3}, "#.|#.|#.|#."},
        {Kind::Ellipse, {0, 0}, {1, 1}, "##|##"},
        {Kind::Ellipse, {0, 0}, {4, 1}, "#####|#####"},
        {Kind::Ellipse, {1, 4}, {0, 0}, "##.|##.|##.|##.|##."},
        {Kind::Ellipse, {0, 0}, {2, 2}, ".#.|#.#|.#."},
        {Kind::Ellipse, {0, 0}, {3, 3}, ".##.|#..#|#..#|.##."},
        {Kind::Ellipse, {6, 4}, {0, 0}, "..###..|.#...#.|#.....#|.#...#.|..###.."},
        {Kind::Ellipse, {0, 0}, {7, 3}, "..####..|##....##|##....##|..####.."},
        {Kind::FilledEllipse, {0, 0}, {4, 4}, ".###.|#####|#####|#####|.###."},
        {Kind::FilledEllipse, {0, 0}, {6, 4}, "..###..|.#####.|#######|.#####.|..###.."},
    };
    for (const Case& c : cases) {
        PictureGrid p;
        Draw(p, c.kind, c.a, c.b);
        const int width = static_cast<int>(
            c.expected.find('|') == std::string::npos ? c.expected.size() : c.expected.find('|'));
        const int height = static_cast<int>(std::count(c.expected.begin(), c.expected.end(), '|'));
        EXPECT_EQ(Rows(p, width, height + 1), c.expected) << c.expected;
        EXPECT_EQ(p.SetCount(), std::count(c.expected.begin(), c.expected.end(), '#'));
    }
}

// Every box up to 14 x 14: outline and fill are mirror-symmetric, stay in the box and touch
// all four sides, the outline lies inside the fill, and every row of the fill is one run.
TEST(RasterDraw, EllipsesAreSymmetricAndFillTheirBox) {
    for (int w = 1; w <= 14; ++w) {
        for (int h = 1; h <= 14; ++h) {
            PictureGrid outline;
            PictureGrid fill;
            DrawEllipse(outline, {0, 0}, {w - 1, h - 1}, false, 1);
            DrawEllipse(fill, {0, 0}, {w - 1, h - 1}, true, 1);
            const std::string o = Rows(outline, w, h);
            const std::string f = Rows(fill, w, h);
            const std::string box = std::to_string(w) + "x" + std::to_string(h);
            EXPECT_EQ(o, std::string(o.rbegin(), o.rend())) << box;  // turned half around
            EXPECT_EQ(outline.SetCount(), std::count(o.begin(), o.end(), '#')) << box;
            EXPECT_EQ(fill.SetCount(), std::count(f.begin(), f.end(), '#')) << box;
            EXPECT_TRUE(outline.IsSet(0, h / 2) && outline.IsSet(w / 2, 0)) << box;
            for (int y = 0; y < h; ++y) {
                const std::string row = o.substr(y * (w + 1), w);
                const std::string filled = f.substr(y * (w + 1), w);
                EXPECT_EQ(row, std::string(row.rbegin(), row.rend())) << box;
                const size_t first = filled.find('#');
                ASSERT_NE(first, std::string::npos) << box;
                const std::string run = filled.substr(first, filled.rfind('#') - first + 1);
                EXPECT_EQ(run.find('.'), std::string::npos) << box << " row " << y;
                for (int x = 0; x < w; ++x) {
                    EXPECT_TRUE(row[x] == '.' || filled[x] == '#') << box;
                }
            }
        }
    }
}

TEST(RasterDraw, LinesAreEightConnectedFromEndToEnd) {
    std::mt19937 random(18);
    std::uniform_int_distribution<int> xs(-20, 91);
    std::uniform_int_distribution<int> ys(-20, 47);
    for (int i = 0; i < 2000; ++i) {
        const CellPoint from{xs(random), ys(random)};
        const CellPoint to{xs(random), ys(random)};
        std::vector<CellPoint> cells;
        VisitLine(from, to, [&](int x, int y) { cells.push_back({x, y}); }, {-99, -99, 199, 199});
        ASSERT_EQ(cells.front(), from);
        ASSERT_EQ(cells.back(), to);
        ASSERT_EQ(cells.size(), std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1u);
        PictureGrid inside;  // drawn into the picture, exactly the part inside it arrives
        for (size_t k = 0; k < cells.size(); ++k) {
            const int stepX = k == 0 ? 1 : std::abs(cells[k].x - cells[k - 1].x);
            const int stepY = k == 0 ? 0 : std::abs(cells[k].y - cells[k - 1].y);
            ASSERT_TRUE(stepX <= 1 && stepY <= 1 && stepX + stepY > 0);
            if (PictureGrid::Contains(cells[k].x, cells[k].y)) {
                inside.Set(cells[k].x, cells[k].y, 1);
            }
        }
        PictureGrid drawn;
        DrawLine(drawn, from, to, 1);
        ASSERT_EQ(drawn, inside);
    }
}

TEST(RasterDraw, ShapesOutsideThePictureWriteNothing) {
    PictureGrid p;
    DrawLine(p, {-1000000, 5}, {1000000, 5}, 1);  // beyond the coordinate limit
    DrawEllipse(p, {-40000, -40000}, {40000, 40000}, true, 1);
    DrawRectangle(p, {-5, -5}, {-1, 40}, true, 1);
    DrawEllipse(p, {-10, 30}, {80, 60}, false, 1);
    DrawRectangle(p, {-5, -5}, {100, 100}, false, 1);  // every side outside
    EXPECT_EQ(p.SetCount(), 0);
    DrawRectangle(p, {-5, -5}, {100, 100}, true, 1);
    EXPECT_EQ(p.SetCount(), PictureCells);
}

TEST(RasterDraw, FloodFillStaysInsideFourConnectedAreas) {
    const std::string diamond = "..#..|.#.#.|#...#|.#.#.|..#..";
    struct Case {
        CellPoint start;
        int16_t value;
        int changed;
        const char* expected;
    } cases[] = {
        {{2, 2}, 1, 5, "..#..|.###.|#####|.###.|..#.."},
        {{2, 0}, 0, 1, ".....|.#.#.|#...#|.#.#.|..#.."},  // set cells touch only diagonally
        {{0, 0}, 1, 3, "###..|##.#.|#...#|.#.#.|..#.."},  // the corner the diamond closes off
        {{10, 10}, 1, PictureCells - 13 - 3, "..###|.#.##|#...#|##.##|#####"},
        {{2, 2}, 0, 0, "..#..|.#.#.|#...#|.#.#.|..#.."},  // already clear
        {{-1, 2}, 1, 0, "..#..|.#.#.|#...#|.#.#.|..#.."},
    };
    for (const Case& c : cases) {
        PictureGrid p;
        for (size_t i = 0; i < diamond.size(); ++i) {
            p.Set(static_cast<int>(i % 6), static_cast<int>(i / 6), diamond[i] == '#');
        }
        EXPECT_EQ(FloodFill(p, c.start, c.value), c.changed);
        EXPECT_EQ(Rows(p, 5, 5), c.expected);
    }
    PictureGrid empty;
    EXPECT_EQ(FloodFill(empty, {71, 27}, 1), PictureCells);
    EXPECT_EQ(empty.SetCount(), PictureCells);
}

TEST(RasterDraw, ShiftConstrainsTheDrag) {
    struct Case {
        CellPoint pointer, line, square;
    } cases[] = {
        {{15, 11}, {15, 10}, {15, 15}}, {{11, 15}, {10, 15}, {15, 15}},
        {{14, 13}, {14, 14}, {14, 14}}, {{6, 13}, {6, 14}, {6, 14}},
        {{5, 8}, {5, 10}, {5, 5}},      {{10, 10}, {10, 10}, {10, 10}},
        {{7, 2}, {10, 2}, {2, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConstrainLine({10, 10}, c.pointer), c.line) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(ConstrainSquare({10, 10}, c.pointer), c.square);
    }
}

}  // namespace
}  // namespace pixora
