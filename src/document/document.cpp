// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/document.h"

#include <utility>

namespace pixora {

namespace {

template <typename Listeners, typename... Args>
void Tell(const Listeners& listeners, Args... args) {
    for (const auto& listener : listeners) {
        listener(args...);
    }
}

}  // namespace

void Document::PictureChanged() {
    Tell(pictureChanged_);
}

void Document::HistoryChanged() {
    Tell(historyChanged_);
}

void Document::Edit(const PictureGrid& after, std::string_view what) {
    const PictureGrid before = picture_;
    picture_ = after;
    // A command counts as an edit even when it changes nothing (moving an empty picture).
    SetModified(ModifiedState::Modified);
    PictureChanged();
    if (before != picture_) {
        history_.Push(UndoStep{std::string(what), before, picture_});
        HistoryChanged();
    }
}

void Document::BeginStroke() {
    if (!strokeOpen_) {
        strokeOpen_ = true;
        strokeStart_ = picture_;
    }
}

void Document::Paint(int px, int py, bool set) {
    if (!PictureGrid::Contains(px, py)) {
        return;
    }
    picture_.Set(px, py, set ? 1 : 0);
    // While a file is loading nothing the user did has changed it yet.
    if (modified_ == ModifiedState::Saved) {
        SetModified(ModifiedState::Modified);
    }
    Tell(cellChanged_, px, py);
}

void Document::EndStroke() {
    if (!strokeOpen_) {
        return;
    }
    strokeOpen_ = false;
    if (strokeStart_ != picture_) {
        history_.Push(UndoStep{"Draw", strokeStart_, picture_});
        HistoryChanged();
    }
}

bool Document::Undo() {
    const UndoStep* step = history_.Undo();
    if (step == nullptr) {
        return false;
    }
    picture_ = step->before;
    SetModified(ModifiedState::Modified);
    PictureChanged();
    HistoryChanged();
    return true;
}

bool Document::Redo() {
    const UndoStep* step = history_.Redo();
    if (step == nullptr) {
        return false;
    }
    picture_ = step->after;
    SetModified(ModifiedState::Modified);
    PictureChanged();
    HistoryChanged();
    return true;
}

void Document::ClearHistory() {
    history_.Clear();
    strokeOpen_ = false;
    HistoryChanged();
}

void Document::SetPicture(const PictureGrid& picture) {
    picture_ = picture;
    PictureChanged();
}

void Document::SetText(std::u32string text, bool byUser) {
    const bool changed = text != text_;
    // An edit that leaves the text as it was is none; text from outside is told even when it
    // is the same, so that the views start afresh with it.
    if (!changed && byUser) {
        return;
    }
    text_ = std::move(text);
    Tell(textChanged_);
    // Deleting or pasting text changes the document as much as typing does.
    if (changed && byUser && modified_ != ModifiedState::Modified) {
        SetModified(ModifiedState::Modified);
    }
}

void Document::SetDocumentName(std::string name) {
    documentName_ = std::move(name);
    Tell(stateChanged_);
}

void Document::SetModified(ModifiedState state) {
    modified_ = state;
    Tell(stateChanged_);
}

void Document::SetNameAndState(std::string name, ModifiedState state) {
    documentName_ = std::move(name);
    modified_ = state;
    Tell(stateChanged_);
}

void Document::AdoptFile(const PictureGrid& picture, std::string name, ModifiedState state,
                         std::string_view undoAs) {
    const PictureGrid before = picture_;
    picture_ = picture;
    PictureChanged();
    SetNameAndState(std::move(name), state);
    if (!undoAs.empty() && before != picture_) {
        history_.Push(UndoStep{std::string(undoAs), before, picture_});
        HistoryChanged();
    }
}

void Document::Reset() {
    ClearHistory();
    SetNameAndState(UntitledName, ModifiedState::Saved);
    picture_.Clear();
    PictureChanged();
    SetText(std::u32string(), false);
}

}  // namespace pixora
