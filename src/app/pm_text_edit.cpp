// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/pm_text_edit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <algorithm>

#include "core/text.h"

namespace pixora {

namespace {

QString Filtered(const QString& text) {
    return QString::fromStdU32String(FilterMessageText(text.toStdU32String()));
}

}  // namespace

PMTextEdit::PMTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
}

void PMTextEdit::SetTextQuietly(const QString& text) {
    quiet_ = true;
    setPlainText(text);
    quiet_ = false;
}

int PMTextEdit::Length() const {
    return static_cast<int>(toPlainText().toStdU32String().size());
}

int PMTextEdit::Room() const {
    const QTextCursor cursor = textCursor();
    const int selected = static_cast<int>(cursor.selectedText().toStdU32String().size());
    return MaxTextLength - Length() + selected;
}

namespace {

// Ctrl+Z and Ctrl+Shift+Z: undo and redo of the typing while the box has the focus.
enum class TextHistoryKey { None, Undo, Redo };

TextHistoryKey HistoryKeyOf(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Z) {
        return TextHistoryKey::None;
    }
    const Qt::KeyboardModifiers mods = key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                                          Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier) {
        return TextHistoryKey::Undo;
    }
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return TextHistoryKey::Redo;
    }
    return TextHistoryKey::None;
}

}  // namespace

bool PMTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Undo and redo of the typing stay with the box, as does select-all. Ctrl+C, Ctrl+V,
        // Ctrl+Y and the other letter shortcuts belong to the picture: declining the override
        // lets the menu's shortcut fire.
        if (HistoryKeyOf(*key) != TextHistoryKey::None) {
            event->accept();
            return true;
        }
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (ctrl && key->key() >= Qt::Key_B && key->key() <= Qt::Key_Z) {
            event->ignore();
            return false;
        }
    }
    return QPlainTextEdit::event(event);
}

void PMTextEdit::keyPressEvent(QKeyEvent* event) {
    switch (HistoryKeyOf(*event)) {
        case TextHistoryKey::Undo:
            undo();
            event->accept();
            return;
        case TextHistoryKey::Redo:
            redo();
            event->accept();
            return;
        case TextHistoryKey::None:
            break;
    }
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (text.isEmpty() || command) {
        // Cursor movement, selection and the like.
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const std::u32string chars = text.toStdU32String();
    if (chars.size() == 1 && IsAllowedTextChar(chars[0])) {
        if (Room() > 0) {
            emit CharacterAccepted();
            QPlainTextEdit::keyPressEvent(event);
        }
        event->accept();
        return;
    }
    if (chars.size() == 1 && chars[0] == U'\x1b') {
        // Escape is not the box's business.
        event->ignore();
        return;
    }
    // Enter, control characters and anything outside the phone's character set are dropped.
    event->accept();
}

int PMTextEdit::Replaced(const QInputMethodEvent& event) const {
    if (event.replacementLength() <= 0) {
        return 0;
    }
    // The selection goes first; the range is then counted from where the cursor stands.
    const QTextCursor cursor = textCursor();
    const int remaining =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    const int from = std::clamp(cursor.selectionStart() + event.replacementStart(), 0, remaining);
    const int to = std::clamp(from + event.replacementLength(), from, remaining);
    return to - from;
}

void PMTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        // Only the text being composed changes; it is not part of the message until committed.
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // A committed string (a dead-key accent, a composed or dictated word) obeys the rules of
    // typed text: the phone's characters only, and no more than fit.
    std::u32string text = Filtered(event->commitString()).toStdU32String();
    const int room = std::max(0, Room() + Replaced(*event));
    if (static_cast<int>(text.size()) > room) {
        text.resize(static_cast<size_t>(room));
    }
    if (!text.empty()) {
        emit CharacterAccepted();
    }
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(QString::fromStdU32String(text), event->replacementStart(),
                         event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&kept);
    event->accept();
}

QMenu* PMTextEdit::CreateContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    const bool editable = !isReadOnly();
    const bool selected = textCursor().hasSelection();
    auto add = [menu](const QString& caption, const QKeySequence& keys, bool enabled,
                      auto handler) {
        QAction* action = menu->addAction(caption);
        if (!keys.isEmpty()) {
            // Shown beside the caption; the key itself is handled by the box.
            action->setShortcut(keys);
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, menu, handler);
        return action;
    };
    add(tr("&Undo"), QKeySequence("Ctrl+Z"), editable && document()->isUndoAvailable(),
        [this] { undo(); });
    add(tr("&Redo"), QKeySequence("Ctrl+Shift+Z"), editable && document()->isRedoAvailable(),
        [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence(), editable && selected, [this] { cut(); });
    add(tr("&Copy"), QKeySequence(), selected, [this] { copy(); });
    // Not asking the clipboard whether it holds text: an owner that does not answer would
    // freeze the window before the menu even shows.
    add(tr("&Paste"), QKeySequence(), editable, [this] { paste(); });
    add(tr("Delete"), QKeySequence(), editable && selected,
        [this] { textCursor().removeSelectedText(); });
    menu->addSeparator();
    add(tr("Select &All"), QKeySequence("Ctrl+A"), !document()->isEmpty(), [this] { selectAll(); });
    return menu;
}

void PMTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void PMTextEdit::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved();
    QPlainTextEdit::mouseMoveEvent(event);
}

bool PMTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void PMTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    // Pasted or dropped text obeys the same rules as typed text: the phone's characters only and
    // no more than fit.
    std::u32string text = Filtered(source->text()).toStdU32String();
    const int room = Room();
    if (room <= 0) {
        return;
    }
    if (static_cast<int>(text.size()) > room) {
        text.resize(static_cast<size_t>(room));
    }
    textCursor().insertText(QString::fromStdU32String(text));
}

}  // namespace pixora
