// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/undo_stack.h"

#include <utility>

namespace pixora {

void UndoStack::Push(UndoStep step) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
    steps_.push_back(std::move(step));
    if (limit_ > 0 && steps_.size() > limit_) {
        steps_.pop_front();
    }
    index_ = steps_.size();
}

const UndoStep* UndoStack::Undo() {
    if (!CanUndo()) {
        return nullptr;
    }
    --index_;
    return &steps_[index_];
}

const UndoStep* UndoStack::Redo() {
    if (!CanRedo()) {
        return nullptr;
    }
    return &steps_[index_++];
}

void UndoStack::Clear() {
    steps_.clear();
    index_ = 0;
}

}  // namespace pixora
