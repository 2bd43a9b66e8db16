// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/edit_ops.h"

#include <gtest/gtest.h>

namespace pixora {
namespace {

PictureGrid Sample() {
    PictureGrid p;
    // An asymmetric shape so every mirror and shift shows.
    p.Set(0, 0, 1);
    p.Set(1, 0, 1);
    p.Set(5, 3, 1);
    p.Set(71, 27, 1);
    p.Set(40, 10, 1);
    return p;
}

TEST(EditOps, MovesWrapAroundTheEdges) {
    PictureGrid top;
    for (int x = 0; x < PictureWidth; x += 3) {
        top.Set(x, 0, 1);
    }
    const PictureGrid up = MovePicture(top, MoveDirection::Up);
    for (int x = 0; x < PictureWidth; ++x) {
        EXPECT_EQ(up.At(x, 27), x % 3 == 0 ? 1 : 0);
        EXPECT_EQ(up.At(x, 0), 0);
    }
    const PictureGrid right = MovePicture(Sample(), MoveDirection::Right);
    EXPECT_EQ(right.At(0, 27), 1);  // from column 71
    EXPECT_EQ(right.At(1, 0), 1);
    EXPECT_EQ(right.At(2, 0), 1);
    const PictureGrid down = MovePicture(Sample(), MoveDirection::Down);
    EXPECT_EQ(down.At(71, 0), 1);
    EXPECT_EQ(down.At(5, 4), 1);
}

TEST(EditOps, RoundTripsGiveBackThePicture) {
    const PictureGrid start = Sample();
    PictureGrid p = start;
    for (int i = 0; i < 4; ++i) {
        p = MovePicture(p, MoveDirection::Left);
    }
    EXPECT_NE(p, start);
    for (int i = 0; i < 4; ++i) {
        p = MovePicture(p, MoveDirection::Right);
    }
    EXPECT_EQ(p, start);
    for (int i = 0; i < PictureWidth; ++i) {
        p = MovePicture(p, MoveDirection::Left);
    }
    EXPECT_EQ(p, start);
    for (int i = 0; i < PictureHeight; ++i) {
        p = MovePicture(p, MoveDirection::Down);
    }
    EXPECT_EQ(p, start);
    EXPECT_EQ(FlipHorizontal(FlipHorizontal(start)), start);
    EXPECT_EQ(FlipVertical(FlipVertical(start)), start);
    PictureGrid inverted = start;
    InvertPicture(inverted);
    EXPECT_EQ(inverted.SetCount(), PictureCells - start.SetCount());
    InvertPicture(inverted);
    EXPECT_EQ(inverted, start);
}

TEST(EditOps, FlipsMirrorTheRightAxis) {
    const PictureGrid h = FlipHorizontal(Sample());
    EXPECT_EQ(h.At(71, 0), 1);
    EXPECT_EQ(h.At(70, 0), 1);
    EXPECT_EQ(h.At(66, 3), 1);
    EXPECT_EQ(h.At(0, 27), 1);
    const PictureGrid v = FlipVertical(Sample());
    EXPECT_EQ(v.At(0, 27), 1);
    EXPECT_EQ(v.At(5, 24), 1);
    EXPECT_EQ(v.At(71, 0), 1);
    EXPECT_EQ(v.SetCount(), Sample().SetCount());
}

TEST(EditOps, InvertTreatsStrayValuesAsClear) {
    PictureGrid p;
    p.Set(3, 3, 7);
    InvertPicture(p);
    EXPECT_EQ(p.At(3, 3), 1);
    EXPECT_EQ(p.SetCount(), PictureCells);
}

}  // namespace
}  // namespace pixora
