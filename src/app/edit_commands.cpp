// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/edit_commands.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

#include "app/editor_actions.h"
#include "core/edit_ops.h"
#include "core/output_checks.h"
#include "core/picture_views.h"
#include "core/translate.h"
#include "formats/import_fit.h"

namespace pixora {

EditCommands::EditCommands(Document& document, SettingsStore& settings, UserInterface& ui,
                           EditorActions& actions, const PictureViews& views, Clipboard* clipboard,
                           EditCommandHost& host, QWidget& window)
    : doc_(document),
      settings_(settings),
      ui_(ui),
      actions_(actions),
      views_(views),
      clipboard_(clipboard),
      host_(host),
      tmrMonitor_(new QTimer(&window)) {
    tmrMonitor_->setObjectName("tmrMonitor");
    tmrMonitor_->setInterval(1000);
    QObject::connect(tmrMonitor_, &QTimer::timeout, &window, [this] { tmrMonitor_Timer(); });
}

void EditCommands::RunMove(int direction) {
    doc_.Edit(MovePicture(doc_.Picture(), static_cast<MoveDirection>(direction)), "Move");
}

void EditCommands::mnuMoveUp_Click() {
    RunMove(static_cast<int>(MoveDirection::Up));
}
void EditCommands::mnuMoveDown_Click() {
    RunMove(static_cast<int>(MoveDirection::Down));
}
void EditCommands::mnuMoveLeft_Click() {
    RunMove(static_cast<int>(MoveDirection::Left));
}
void EditCommands::mnuMoveRight_Click() {
    RunMove(static_cast<int>(MoveDirection::Right));
}

void EditCommands::mnuInvert_Click() {
    ui_.SetBusyPointer(true);
    PictureGrid inverted = doc_.Picture();
    InvertPicture(inverted);
    doc_.Edit(inverted, "Invert");
    ui_.SetBusyPointer(false);
}

void EditCommands::mnuFlipX_Click() {
    ui_.SetBusyPointer(true);
    doc_.Edit(FlipHorizontal(doc_.Picture()), "Flip Horizontal");
    ui_.SetBusyPointer(false);
}

void EditCommands::mnuFlipY_Click() {
    ui_.SetBusyPointer(true);
    doc_.Edit(FlipVertical(doc_.Picture()), "Flip Vertical");
    ui_.SetBusyPointer(false);
}

void EditCommands::mnuCopy_Click() {
    host_.SetBusy(true);
    if (pixora::CheckBeforeOutput(doc_.Picture(), settings_, ui_) && clipboard_ != nullptr) {
        // A clipboard another program holds stays as it was; the picture is untouched either way.
        clipboard_->WriteBitmap(views_.Output());
    }
    host_.SetBusy(false);
}

void EditCommands::mnuPaste_Click() {
    if (clipboard_ == nullptr || !clipboard_->HasBitmap()) {
        ui_.Beep();
        return;
    }
    host_.SetBusy(true);
    if (host_.AskSaveChanges() != AnswerCancel) {
        ui_.SetBusyPointer(true);
        std::optional<Raster> bitmap = clipboard_->ReadBitmap();
        if (bitmap && !bitmap->Empty()) {
            FitImportedPicture(*bitmap, TranslateText("Import", ClipboardDisplayName), settings_,
                               ui_);
            const std::optional<PictureGrid> pasted = ThresholdPicture(*bitmap, settings_, ui_);
            if (pasted) {
                doc_.Edit(*pasted, "Paste");
                doc_.SetNameAndState(UntitledName, ModifiedState::Modified);
            } else {
                host_.RefreshPreview();
            }
        }
        ui_.SetBusyPointer(false);
    }
    host_.SetBusy(false);
}

void EditCommands::mnuEdit_Click() {
    actions_.mnuPaste->setEnabled(clipboard_ != nullptr && clipboard_->HasBitmap());
}

void EditCommands::mnuMonitor_Click() {
    // The action toggles its own check mark when triggered; the timer's state says what the
    // monitor really was.
    if (tmrMonitor_->isActive()) {
        tmrMonitor_->stop();
        actions_.mnuMonitoring->setVisible(false);
        actions_.mnuMonitor->setChecked(false);
    } else {
        actions_.mnuMonitor->setChecked(true);
        tmrMonitor_->start();
    }
}

void EditCommands::tmrMonitor_Timer() {
    actions_.mnuMonitoring->setVisible(!actions_.mnuMonitoring->isVisible());
    MonitorLook();
}

void EditCommands::CommandsEnded() {
    if (!monitorDeferred_) {
        return;
    }
    // Looked at once more when the command is over, not in its middle.
    QTimer::singleShot(0, tmrMonitor_, [this] {
        if (monitorDeferred_ && tmrMonitor_->isActive()) {
            monitorDeferred_ = false;
            MonitorLook();
        }
    });
}

void EditCommands::MonitorLook() {
    // A tick arrives inside every nested event loop: a file dialog, a message box, the options
    // or the sending form. Pasting then would replace the picture under the command that is
    // using it (Save As would save the pasted picture), so the monitor waits for the end.
    if (host_.CommandRunning()) {
        monitorDeferred_ = true;
        return;
    }
    monitorDeferred_ = false;
    if (clipboard_ == nullptr || !clipboard_->HasBitmap()) {
        return;
    }
    tmrMonitor_->stop();
    actions_.mnuMonitoring->setVisible(false);
    actions_.mnuMonitor->setChecked(false);
    mnuPaste_Click();
    host_.FocusMainWindow();
    // Cleared even when the paste was cancelled, so the same bitmap is not offered again.
    clipboard_->Clear();
    tmrMonitor_->start();
    actions_.mnuMonitor->setChecked(true);
}

}  // namespace pixora
