// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The document being edited: the picture, its text, its name, whether it is saved, and the
// picture's undo history. Every change goes through it, and the views and the title follow it
// through the callbacks they register.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/picture.h"
#include "document/undo_stack.h"

namespace pixora {

class Document {
public:
    using Listener = std::function<void()>;
    using CellListener = std::function<void(int px, int py)>;

    const PictureGrid& Picture() const { return picture_; }
    const std::u32string& Text() const { return text_; }
    const std::string& DocumentName() const { return documentName_; }
    ModifiedState Modified() const { return modified_; }
    const UndoStack& History() const { return history_; }

    // The whole picture changed; one cell changed (painting); the text changed; the name or the
    // modified state was set (also when set to what it was); undo or redo became (un)available.
    void OnPictureChanged(Listener listener) { pictureChanged_.push_back(std::move(listener)); }
    void OnCellChanged(CellListener listener) { cellChanged_.push_back(std::move(listener)); }
    void OnTextChanged(Listener listener) { textChanged_.push_back(std::move(listener)); }
    void OnStateChanged(Listener listener) { stateChanged_.push_back(std::move(listener)); }
    void OnHistoryChanged(Listener listener) { historyChanged_.push_back(std::move(listener)); }

    // A command on the whole picture (move, invert, flip, paste, import): the picture becomes
    // after, the document is modified, and one undo step is kept when anything changed.
    void Edit(const PictureGrid& after, std::string_view what);

    // Painting with the mouse: the cells painted between BeginStroke and EndStroke are one undo
    // step. A cell painted marks a saved document modified.
    void BeginStroke();
    void Paint(int px, int py, bool set);
    void EndStroke();

    // Takes back or does again the last step; the document is modified afterwards. False when
    // there was nothing to take back or do again.
    bool Undo();
    bool Redo();
    // Forgets the history, as New and Open do.
    void ClearHistory();

    // The picture from a file: no undo step, the modified state untouched.
    void SetPicture(const PictureGrid& picture);
    // The text. byUser is an edit in the text box: a change marks the document modified, and an
    // edit that changes nothing is not told. Text set from outside (a file, New) is always told
    // and leaves the state as it is.
    void SetText(std::u32string text, bool byUser);
    void SetDocumentName(std::string name);
    void SetModified(ModifiedState state);
    // Both at once, told once (Save).
    void SetNameAndState(std::string name, ModifiedState state);

    // A file's picture becomes the document (Open, Import): named and in the given state at
    // once. undoAs names its undo step; empty: none.
    void AdoptFile(const PictureGrid& picture, std::string name, ModifiedState state,
                   std::string_view undoAs);

    // An empty, saved "Untitled" document without history.
    void Reset();

private:
    void PictureChanged();
    void HistoryChanged();

    PictureGrid picture_;
    std::u32string text_;
    std::string documentName_ = UntitledName;
    ModifiedState modified_ = ModifiedState::Saved;
    UndoStack history_;
    bool strokeOpen_ = false;
    PictureGrid strokeStart_;

    std::vector<Listener> pictureChanged_;
    std::vector<CellListener> cellChanged_;
    std::vector<Listener> textChanged_;
    std::vector<Listener> stateChanged_;
    std::vector<Listener> historyChanged_;
};

}  // namespace pixora
