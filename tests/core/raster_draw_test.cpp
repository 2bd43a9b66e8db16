#include "core/raster_draw.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace pixora {
namespace {

// Cells visited inside a width x height box at the origin, as rows of '#' and '.' joined by '|'.
template <typename Shape>
std::string Pattern(int width, int height, Shape shape) {
    std::vector<std::string> rows(height, std::string(width, '.'));
    shape([&](int x, int y) { rows[y][x] = '#'; }, CellRect{0, 0, width - 1, height - 1});
    std::string out;
    for (const std::string& row : rows) {
        out += (out.empty() ? "" : "|") + row;
    }
    return out;
}

std::string PicturePattern(const PictureGrid& p, int width, int height) {
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

struct ShapeCase {
    Kind kind;
    CellPoint a, b;
    int width, height;
    const char* expected;
};

TEST(RasterDraw, ShapesCoverTheExpectedCells) {
    const ShapeCase cases[] = {
        {Kind::Line, {0, 0}, {4, 2}, 5, 3, "#....|.##..|...##"},
        {Kind::Line, {4, 2}, {0, 0}, 5, 3, "##...|..##.|....#"},
        {Kind::Line, {0, 3}, {3, 0}, 4, 4, "...#|..#.|.#..|#..."},
        {Kind::Line, {1, 0}, {1, 2}, 3, 3, ".#.|.#.|.#."},
        {Kind::Line, {2, 1}, {2, 1}, 3, 3, "...|..#|..."},
        {Kind::Rect, {4, 3}, {0, 0}, 5, 4, "#####|#...#|#...#|#####"},
        {Kind::Rect, {0, 0}, {0, 2}, 2, 3, "#.|#.|#."},
        {Kind::FilledRect, {1, 1}, {3, 2}, 5, 4, ".....|.###.|.###.|....."},
        {Kind::Ellipse, {0, 0}, {0, 0}, 1, 1, "#"},
        {Kind::Ellipse, {0, 0}, {4, 0}, 5, 1, "#####"},
        {Kind::Ellipse, {0, 0}, {0, 3}, 1, 4, "#|#|#|#"},
        {Kind::Ellipse, {0, 0}, {1, 1}, 2, 2, "##|##"},
        {Kind::Ellipse, {0, 0}, {4, 1}, 5, 2, "#####|#####"},
        {Kind::Ellipse, {1, 4}, {0, 0}, 2, 5, "##|##|##|##|##"},
        {Kind::Ellipse, {0, 0}, {2, 2}, 3, 3, ".#.|#.#|.#."},
        {Kind::Ellipse, {0, 0}, {3, 3}, 4, 4, ".##.|#..#|#..#|.##."},
        {Kind::Ellipse, {6, 4}, {0, 0}, 7, 5, "..###..|.#...#.|#.....#|.#...#.|..###.."},
        {Kind::Ellipse, {0, 0}, {7, 3}, 8, 4, "..####..|##....##|##....##|..####.."},
        {Kind::FilledEllipse, {0, 0}, {4, 4}, 5, 5, ".###.|#####|#####|#####|.###."},
        {Kind::FilledEllipse, {0, 0}, {6, 4}, 7, 5, "..###..|.#####.|#######|.#####.|..###.."},
    };
    for (const ShapeCase& c : cases) {
        const std::string got = Pattern(c.width, c.height, [&](const CellVisitor& v, CellRect r) {
            switch (c.kind) {
                case Kind::Line:
                    return VisitLine(c.a, c.b, v, r);
                case Kind::Rect:
                case Kind::FilledRect:
                    return VisitRectangle(c.a, c.b, c.kind == Kind::FilledRect, v, r);
                case Kind::Ellipse:
                case Kind::FilledEllipse:
                    return VisitEllipse(c.a, c.b, c.kind == Kind::FilledEllipse, v, r);
            }
        });
        EXPECT_EQ(got, c.expected) << "kind " << static_cast<int>(c.kind) << " (" << c.a.x << ","
                                   << c.a.y << ")-(" << c.b.x << "," << c.b.y << ")";
    }
}

// Every box from 1 x 1 to 14 x 14: the outline and the fill are mirror-symmetric, touch all
// four sides, the outline lies inside the fill, and the fill has no holes in its rows.
TEST(RasterDraw, EllipsesAreSymmetricAndFillTheirBox) {
    for (int w = 1; w <= 14; ++w) {
        for (int h = 1; h <= 14; ++h) {
            for (bool filled : {false, true}) {
                std::vector<std::vector<int>> hits(h, std::vector<int>(w, 0));
                VisitEllipse(
                    {0, 0}, {w - 1, h - 1}, filled, [&](int x, int y) { hits[y][x] = 1; },
                    CellRect{0, 0, w - 1, h - 1});
                std::vector<std::vector<int>> fill(h, std::vector<int>(w, 0));
                VisitEllipse(
                    {0, 0}, {w - 1, h - 1}, true, [&](int x, int y) { fill[y][x] = 1; },
                    CellRect{0, 0, w - 1, h - 1});
                bool top = false, bottom = false, left = false, right = false;
                for (int y = 0; y < h; ++y) {
                    int first = -1, last = -1;
                    for (int x = 0; x < w; ++x) {
                        ASSERT_EQ(hits[y][x], hits[h - 1 - y][x]) << w << "x" << h;
                        ASSERT_EQ(hits[y][x], hits[y][w - 1 - x]) << w << "x" << h;
                        ASSERT_LE(hits[y][x], fill[y][x]) << w << "x" << h;
                        if (fill[y][x] == 1) {
                            first = first < 0 ? x : first;
                            last = x;
                        }
                        top |= y == 0 && hits[y][x] == 1;
                        bottom |= y == h - 1 && hits[y][x] == 1;
                        left |= x == 0 && hits[y][x] == 1;
                        right |= x == w - 1 && hits[y][x] == 1;
                    }
                    ASSERT_GE(first, 0) << w << "x" << h << " row " << y << " empty";
                    for (int x = first; x <= last; ++x) {
                        ASSERT_EQ(fill[y][x], 1) << w << "x" << h << " hole in row " << y;
                    }
                }
                EXPECT_TRUE(top && bottom && left && right) << w << "x" << h;
            }
        }
    }
}

TEST(RasterDraw, LinesAreEightConnectedFromEndToEnd) {
    std::mt19937 random(18);
    std::uniform_int_distribution<int> xs(-20, 91);
    std::uniform_int_distribution<int> ys(-20, 47);
    const CellRect everywhere{-100, -100, 200, 200};
    for (int i = 0; i < 2000; ++i) {
        const CellPoint from{xs(random), ys(random)};
        const CellPoint to{xs(random), ys(random)};
        std::vector<CellPoint> cells;
        VisitLine(
            from, to,
            [&](int x, int y) {
                cells.push_back({x, y});
            },
            everywhere);
        ASSERT_FALSE(cells.empty());
        ASSERT_EQ(cells.front(), from);
        ASSERT_EQ(cells.back(), to);
        ASSERT_EQ(static_cast<int>(cells.size()),
                  std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1);
        for (size_t k = 1; k < cells.size(); ++k) {
            const int stepX = std::abs(cells[k].x - cells[k - 1].x);
            const int stepY = std::abs(cells[k].y - cells[k - 1].y);
            ASSERT_TRUE(stepX <= 1 && stepY <= 1 && stepX + stepY > 0);
        }
        // Drawn into the picture, exactly the part inside it arrives.
        PictureGrid drawn;
        DrawLine(drawn, from, to, 1);
        PictureGrid inside;
        for (const CellPoint& c : cells) {
            if (PictureGrid::Contains(c.x, c.y)) {
                inside.Set(c.x, c.y, 1);
            }
        }
        ASSERT_EQ(drawn, inside);
    }
}

TEST(RasterDraw, ShapesFarOutsideTouchNothing) {
    PictureGrid p;
    DrawLine(p, {-1000000, 5}, {1000000, 5}, 1);
    DrawEllipse(p, {-40000, -40000}, {40000, 40000}, true, 1);
    DrawRectangle(p, {-5, -5}, {-1, 40}, true, 1);
    DrawEllipse(p, {-10, 30}, {80, 60}, false, 1);
    EXPECT_EQ(p.SetCount(), 0);
    DrawRectangle(p, {-5, -5}, {100, 100}, false, 1);  // every side outside
    EXPECT_EQ(p.SetCount(), 0);
    DrawRectangle(p, {-5, -5}, {100, 100}, true, 1);
    EXPECT_EQ(p.SetCount(), PictureCells);
}

TEST(RasterDraw, FloodFillStaysInsideFourConnectedAreas) {
    const char* diamond[] = {"..#..", ".#.#.", "#...#", ".#.#.", "..#.."};
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
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                p.Set(x, y, diamond[y][x] == '#' ? 1 : 0);
            }
        }
        EXPECT_EQ(FloodFill(p, c.start, c.value), c.changed);
        EXPECT_EQ(PicturePattern(p, 5, 5), c.expected);
    }
    PictureGrid empty;
    EXPECT_EQ(FloodFill(empty, {71, 27}, 1), PictureCells);
    EXPECT_EQ(empty.SetCount(), PictureCells);
}

TEST(RasterDraw, ShiftConstrainsTheDrag) {
    const CellPoint anchor{10, 10};
    struct Case {
        CellPoint pointer, line, square;
    } cases[] = {
        {{15, 11}, {15, 10}, {15, 15}}, {{11, 15}, {10, 15}, {15, 15}},
        {{14, 13}, {14, 14}, {14, 14}}, {{6, 13}, {6, 14}, {6, 14}},
        {{5, 8}, {5, 10}, {5, 5}},      {{10, 10}, {10, 10}, {10, 10}},
        {{7, 2}, {10, 2}, {2, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConstrainLine(anchor, c.pointer), c.line) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(ConstrainSquare(anchor, c.pointer), c.square)
            << c.pointer.x << "," << c.pointer.y;
    }
}

}  // namespace
}  // namespace pixora
