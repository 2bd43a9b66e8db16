#include "app/pm_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

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

bool PMTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+C, Ctrl+V, Ctrl+Z and the other letter shortcuts belong to the picture; only
        // select-all stays with the box. Declining the override lets the menu's shortcut fire.
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (ctrl && key->key() >= Qt::Key_B && key->key() <= Qt::Key_Z) {
            event->ignore();
            return false;
        }
    }
    return QPlainTextEdit::event(event);
}

void PMTextEdit::keyPressEvent(QKeyEvent* event) {
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
