// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Edit menu: undo and redo, the moves, invert and the flips, copy and paste, and the
// clipboard monitor that pastes each new bitmap by itself.

#include <functional>

#include "core/clipboard.h"
#include "core/settings.h"
#include "core/user_interface.h"
#include "document/document.h"

class QTimer;
class QWidget;

namespace pixora {

struct EditorActions;
class PictureViews;

// What the edit commands need of the window around them.
class EditCommandHost {
public:
    virtual ~EditCommandHost() = default;
    virtual void SetBusy(bool busy) = 0;
    virtual void FocusMainWindow() = 0;
    // Asks about unsaved changes; AnswerCancel when the command must stop.
    virtual Answer AskSaveChanges() = 0;
    // The preview shows the picture again.
    virtual void RefreshPreview() = 0;
    // True while a command or a modal dialog runs: the monitor must not paste under it.
    virtual bool CommandRunning() const = 0;
};

class EditCommands {
public:
    // The monitor's timer is a child of window, named "tmrMonitor".
    EditCommands(Document& document, SettingsStore& settings, UserInterface& ui,
                 EditorActions& actions, const PictureViews& views, Clipboard* clipboard,
                 EditCommandHost& host, QWidget& window);

    void mnuUndo_Click() { doc_.Undo(); }
    void mnuRedo_Click() { doc_.Redo(); }
    void mnuMoveUp_Click();
    void mnuMoveDown_Click();
    void mnuMoveLeft_Click();
    void mnuMoveRight_Click();
    void mnuInvert_Click();
    void mnuFlipX_Click();
    void mnuFlipY_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    // The Edit menu opens: Paste is offered only when the clipboard holds a bitmap.
    void mnuEdit_Click();
    void mnuMonitor_Click();
    void tmrMonitor_Timer();
    // The last command has ended: a look the monitor put off is taken now.
    void CommandsEnded();

private:
    void RunMove(int direction);
    // The clipboard monitor's look at the clipboard, unless a command or a dialog is running.
    void MonitorLook();

    Document& doc_;
    SettingsStore& settings_;
    UserInterface& ui_;
    EditorActions& actions_;
    const PictureViews& views_;
    Clipboard* clipboard_;
    EditCommandHost& host_;
    QTimer* tmrMonitor_;
    // The monitor wanted to look while a command ran; it looks once more when it has ended.
    bool monitorDeferred_ = false;
};

}  // namespace pixora
