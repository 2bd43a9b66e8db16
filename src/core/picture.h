// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture of a picture message: 72 x 28 cells, 1 = set (black), anything else = clear.

#include <array>
#include <cstdint>

namespace pixora {

inline constexpr int PictureWidth = 72;
inline constexpr int PictureHeight = 28;
inline constexpr int PictureCells = PictureWidth * PictureHeight;
inline constexpr int CellSize = 7;

// Element (x, y) lives at x + 72 * y, the order every file format and the OTA bitmap walk in.
class PictureGrid {
public:
    PictureGrid() { cells_.fill(0); }

    int16_t At(int x, int y) const { return cells_[Index(x, y)]; }
    bool IsSet(int x, int y) const { return cells_[Index(x, y)] == 1; }
    void Set(int x, int y, int16_t value) { cells_[Index(x, y)] = value; }
    void Clear() { cells_.fill(0); }

    // Readers test for equality with 1, so any stray value counts as clear.
    int SetCount() const;
    bool operator==(const PictureGrid&) const = default;

    static bool Contains(int x, int y) {
        return x >= 0 && x < PictureWidth && y >= 0 && y < PictureHeight;
    }

private:
    static int Index(int x, int y) { return x + PictureWidth * y; }
    std::array<int16_t, PictureCells> cells_;
};

// The companion array that moves and flips fill before it is committed back.
using WorkGrid = PictureGrid;

}  // namespace pixora
