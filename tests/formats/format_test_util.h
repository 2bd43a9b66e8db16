// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Builders shared by the format tests: pictures from a few pixels or a seed, byte strings from
// lists of values.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>

#include "core/picture.h"

namespace pixora::testing {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

inline PictureGrid PictureWith(std::initializer_list<std::pair<int, int>> setPixels) {
    PictureGrid picture;
    for (const auto& [x, y] : setPixels) {
        picture.Set(x, y, 1);
    }
    return picture;
}

inline PictureGrid RandomPicture(uint32_t seed) {
    std::mt19937 generator(seed);
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, static_cast<int16_t>(generator() & 1));
        }
    }
    return picture;
}

// The pixels of rows [firstRow, lastRow] that are set, as a count; rows outside count too when
// asked for the whole picture.
inline int SetInRows(const PictureGrid& picture, int firstRow, int lastRow) {
    int count = 0;
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            count += picture.IsSet(x, y) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace pixora::testing
