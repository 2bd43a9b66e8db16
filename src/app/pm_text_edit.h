// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture-message text box: at most 121 characters from the phone's character set, no line
// breaks. The main window's shortcuts keep acting on the picture while the box has the focus.

#include <QPlainTextEdit>

class QMenu;

namespace pixora {

class PMTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PMTextEdit(QWidget* parent = nullptr);

    // Sets the text without counting it as the user's edit.
    void SetTextQuietly(const QString& text);
    bool SettingQuietly() const { return quiet_; }
    int Length() const;
    // The box's own context menu: the editing commands with the keys that do them in the box.
    // Cut, Copy and Paste show no key, since Ctrl+X, Ctrl+C and Ctrl+V act on the picture.
    QMenu* CreateContextMenu(QWidget* parent);

signals:
    // A typed character was accepted and is about to go in.
    void CharacterAccepted();
    void PointerMoved();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int Room() const;
    // How many characters of the box an input method's commit replaces.
    int Replaced(const QInputMethodEvent& event) const;
    bool quiet_ = false;
};

}  // namespace pixora
