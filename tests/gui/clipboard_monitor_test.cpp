// SPDX-License-Identifier: GPL-2.0-or-later
// The clipboard monitor never pastes in the middle of a command or under a modal dialog: it waits,
// and looks once more when they have ended.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QTemporaryDir>

#include "gui/gui_support.h"

namespace pixora::testing {
namespace {

TEST(ClipboardMonitorWaits, ACommandThatAsksKeepsItsPictureUntilItEnds) {
    struct Case {
        const char* what;
        const char* warnIfNotSaved;
        std::deque<int> answers;
        std::deque<std::string> openPaths;
        void (FileCommands::*command)();
        int copiedAt;  // the question or dialog (counted from 0) during which the bitmap comes
        bool saves;    // the save dialog names a file instead of being cancelled
    } cases[] = {
        // The save dialog is where a pasted picture would be saved in place of the user's.
        {"Save As, cancelled", "0", {}, {}, &FileCommands::mnuSaveAs_Click, 0, false},
        // Yes saves inside Open; the end of that inner command is not the end of Open, whose
        // own dialog comes next.
        {"Open after the save question",
         "1",
         {AnswerYes},
         {""},
         &FileCommands::mnuOpen_Click,
         2,
         true},
        {"New, cancelled",
         "1",
         {AnswerCancel, AnswerNo},
         {},
         &FileCommands::mnuNew_Click,
         0,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorHarness h;
        h.settings->Write("Settings", "WarnIfNotSaved", c.warnIfNotSaved);
        ASSERT_TRUE(h.Start());
        SetCell(*h.window, 5, 5, 1);
        h.window->UpdateTitle(false);
        h.Find<QAction>("mnuMonitor")->trigger();
        h.ui.answers = c.answers;
        h.ui.openPaths = c.openPaths;
        QTemporaryDir folder;
        h.ui.savePaths = {c.saves ? folder.filePath("kept.npm").toStdString() : ""};
        bool inCommand = true;
        int asked = 0;
        // Another program copies a bitmap while the user looks at the dialog, and the monitor's
        // tick comes inside the dialog's event loop.
        h.ui.whileAsking = [&] {
            if (!inCommand || asked++ != c.copiedAt) {
                return;
            }
            h.clipboard.bitmap = Raster(72, 28, MakeRgb(0, 0, 0));
            h.window->tmrMonitor_Timer();
            EXPECT_EQ(h.window->Doc().Picture().SetCount(), 1);
            EXPECT_TRUE(h.clipboard.bitmap.has_value());
        };
        (h.window->Files().*c.command)();
        inCommand = false;
        EXPECT_GT(asked, c.copiedAt);
        EXPECT_EQ(h.window->Doc().Picture().SetCount(), 1);
        // Once the command is over the monitor looks again by itself, and pastes once.
        QTest::qWait(20);
        EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells);
        EXPECT_EQ(h.clipboard.clears, 1);
        EXPECT_TRUE(h.ui.answers.empty());
        h.window->tmrMonitor_Timer();
        EXPECT_EQ(h.clipboard.clears, 1);
    }
}

TEST(ClipboardMonitorWaits, AModalDialogHoldsItOffUntilItCloses) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    h.Find<QAction>("mnuMonitor")->trigger();
    QDialog dialog(h.window.get());
    dialog.setModal(true);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    h.clipboard.bitmap = Raster(72, 28, MakeRgb(0, 0, 0));
    h.window->tmrMonitor_Timer();
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), 0);
    EXPECT_TRUE(h.clipboard.bitmap.has_value());
    dialog.close();
    h.window->tmrMonitor_Timer();
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells);
    EXPECT_FALSE(h.clipboard.bitmap.has_value());
}

}  // namespace
}  // namespace pixora::testing
