// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/edit_ops.h"

namespace pixora {

WorkGrid MovePicture(const PictureGrid& picture, MoveDirection direction) {
    WorkGrid work;
    int dx = 0;
    int dy = 0;
    switch (direction) {
        case MoveDirection::Up:
            dy = 1;
            break;
        case MoveDirection::Down:
            dy = PictureHeight - 1;
            break;
        case MoveDirection::Left:
            dx = 1;
            break;
        case MoveDirection::Right:
            dx = PictureWidth - 1;
            break;
    }
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            work.Set(x, y, picture.At((x + dx) % PictureWidth, (y + dy) % PictureHeight));
        }
    }
    return work;
}

WorkGrid FlipHorizontal(const PictureGrid& picture) {
    WorkGrid work;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int k = 0; k < PictureWidth / 2; ++k) {
            work.Set(k, y, picture.At(PictureWidth - 1 - k, y));
            work.Set(PictureWidth - 1 - k, y, picture.At(k, y));
        }
    }
    return work;
}

WorkGrid FlipVertical(const PictureGrid& picture) {
    WorkGrid work;
    for (int k = 0; k < PictureHeight / 2; ++k) {
        for (int x = 0; x < PictureWidth; ++x) {
            work.Set(x, k, picture.At(x, PictureHeight - 1 - k));
            work.Set(x, PictureHeight - 1 - k, picture.At(x, k));
        }
    }
    return work;
}

void InvertPicture(PictureGrid& picture) {
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, picture.At(x, y) == 1 ? 0 : 1);
        }
    }
}

}  // namespace pixora
