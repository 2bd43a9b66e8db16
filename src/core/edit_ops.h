// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whole-picture edits. Moves rotate by one pixel: what leaves one edge comes back at the other,
// so nothing is lost. Moves and flips fill a work grid that the editor commits back.

#include "core/picture.h"

namespace pixora {

enum class MoveDirection { Up, Down, Left, Right };

WorkGrid MovePicture(const PictureGrid& picture, MoveDirection direction);
WorkGrid FlipHorizontal(const PictureGrid& picture);
WorkGrid FlipVertical(const PictureGrid& picture);
// 1 becomes 0, every other value becomes 1.
void InvertPicture(PictureGrid& picture);

}  // namespace pixora
