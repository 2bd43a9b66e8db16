// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture's undo history: each step keeps the whole 72 x 28 picture before and after it. A
// picture is small enough that snapshots are simpler and safer than recording each operation's
// inverse.

#include <cstddef>
#include <deque>
#include <string>

#include "core/picture.h"

namespace pixora {

inline constexpr std::size_t HistoryLimit = 200;

struct UndoStep {
    std::string what;  // "Draw", "Move", "Invert", ...
    PictureGrid before;
    PictureGrid after;
};

class UndoStack {
public:
    explicit UndoStack(std::size_t limit = HistoryLimit) : limit_(limit) {}

    // Adds a step that has already been done. The steps that were undone are dropped, and the
    // oldest step goes when the limit is passed.
    void Push(UndoStep step);
    // The step to take back or to do again, and the history moves past it; null when there is
    // none.
    const UndoStep* Undo();
    const UndoStep* Redo();
    bool CanUndo() const { return index_ > 0; }
    bool CanRedo() const { return index_ < steps_.size(); }
    // All steps held, the undone ones included.
    std::size_t Count() const { return steps_.size(); }
    void Clear();

private:
    std::size_t limit_;
    std::deque<UndoStep> steps_;
    // Steps before it are done, the ones from it on are undone.
    std::size_t index_ = 0;
};

}  // namespace pixora
