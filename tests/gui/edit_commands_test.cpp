// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>

#include "app/raster_view.h"
#include "core/edit_ops.h"
#include "core/picture_views.h"
#include "gui/gui_support.h"
#include "platform/qt_clipboard.h"

namespace pixora::testing {
namespace {

PictureGrid Diagonal() {
    PictureGrid p;
    for (int i = 0; i < PictureHeight; ++i) {
        p.Set(i * 2, i, 1);
    }
    return p;
}

void Load(EditorHarness& h, const PictureGrid& p) {
    h.window->Doc().SetPicture(p);
    h.window->UpdateTitle(false);
    h.window->UpdateTitle(true);
}

void Trigger(EditorHarness& h, const char* name) {
    h.Find<QAction>(name)->trigger();
}

TEST(EditCommands, TwiceGivesBackThePictureButLeavesItModified) {
    for (const char* command : {"mnuInvert", "mnuFlipX", "mnuFlipY"}) {
        EditorHarness h;
        ASSERT_TRUE(h.Start());
        Load(h, Diagonal());
        Trigger(h, command);
        EXPECT_NE(h.window->Doc().Picture(), Diagonal()) << command;
        Trigger(h, command);
        EXPECT_EQ(h.window->Doc().Picture(), Diagonal()) << command;
        EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]") << command;
        // The pointer was busy around the whole-picture edit and normal again after it.
        EXPECT_EQ(h.ui.busyPointer, std::vector<bool>({true, false, true, false})) << command;
        // The views show the result, not a stale image.
        EXPECT_EQ(h.window->Views().Output().Pixel(2, 1), SetColour);
        EXPECT_EQ(h.window->Views().Output().Pixel(3, 1), ClearColour);
    }
}

TEST(EditCommands, InvertOfAnEmptyPictureIsAllBlackOnEveryView) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Trigger(h, "mnuInvert");
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells);
    EXPECT_EQ(h.window->Views().Canvas().Pixel(7 * 71 + 3, 7 * 27 + 3), SetColour);
    EXPECT_EQ(h.window->Views().Preview().Pixel(15, 31), SetColour);
    EXPECT_EQ(h.window->Views().Output().Pixel(71, 0), SetColour);
}

TEST(EditCommands, MenuMovesRotateThePicture) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Load(h, Diagonal());
    for (int i = 0; i < PictureWidth; ++i) {
        Trigger(h, "mnuMoveLeft");
    }
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
    Trigger(h, "mnuMoveUp");
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(0, 27));
    EXPECT_EQ(ModifiedOf(*h.window), 1);
}

TEST(EditCommands, CopyOfAnEmptyPictureAsksAndNoLeavesTheClipboardAlone) {
    struct Case {
        const char* warn;
        std::vector<int> answers;
        bool copied;
        size_t questions;
    } cases[] = {
        {nullptr, {AnswerNo}, false, 1}, {nullptr, {AnswerYes}, true, 1}, {"0", {}, true, 0}};
    for (const auto& c : cases) {
        EditorHarness h;
        if (c.warn != nullptr) {
            h.settings->Write("Settings", "WarnIfEmpty", c.warn);
        }
        ASSERT_TRUE(h.Start());
        h.ui.answers.assign(c.answers.begin(), c.answers.end());
        Trigger(h, "mnuCopy");
        EXPECT_EQ(h.clipboard.bitmap.has_value(), c.copied);
        ASSERT_EQ(h.ui.messages.size(), c.questions);
        if (c.questions > 0) {
            EXPECT_EQ(h.ui.messages[0].text,
                      "The graphic is empty.\r\n\r\nDo you want to continue anyway?");
            EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::Question);
            EXPECT_EQ(h.ui.messages[0].buttons, MessageButtons::YesNo);
        }
        EXPECT_EQ(ModifiedOf(*h.window), 0);
    }
}

TEST(EditCommands, CopyThenPasteGivesTheSamePictureAsUntitledAndModified) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Load(h, Diagonal());
    h.window->Doc().SetDocumentName("/pics/diagonal.npm");
    h.window->UpdateTitle(true);
    SetPictureText(*h.window, "keep");
    Trigger(h, "mnuCopy");
    ASSERT_TRUE(h.clipboard.bitmap.has_value());
    EXPECT_EQ(h.clipboard.bitmap->Width(), 72);
    EXPECT_EQ(h.clipboard.bitmap->Pixel(0, 0), SetColour);
    EXPECT_EQ(h.clipboard.bitmap->Pixel(1, 0), ClearColour);

    h.window->Doc().SetPicture(PictureGrid());
    h.window->UpdateTitle(true);
    Trigger(h, "mnuPaste");
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_EQ(PictureTextOf(*h.window), "keep");
    EXPECT_EQ(h.window->Views().Output().Width(), 72);
    EXPECT_TRUE(h.ui.messages.empty());
}

TEST(EditCommands, PasteWithoutABitmapOnlyBeepsAndAnUnreadableOneChangesNothing) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Load(h, Diagonal());
    Trigger(h, "mnuPaste");
    EXPECT_EQ(h.ui.beeps, 1);
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());

    h.clipboard.bitmap = Raster(72, 28, MakeRgb(0, 0, 0));
    h.clipboard.readable = false;
    Trigger(h, "mnuPaste");
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
    EXPECT_EQ(ModifiedOf(*h.window), 0);
}

TEST(EditCommands, PasteAsksTheSizeQuestionForTheClipboard) {
    EditorHarness h;
    h.settings->Write("Settings", "WarnIfResize", "1");
    ASSERT_TRUE(h.Start());
    Raster big(144, 56, MakeRgb(255, 255, 255));
    big.FillRect(0, 0, 143, 1, MakeRgb(0, 0, 0));
    h.clipboard.bitmap = big;
    h.ui.answers = {AnswerYes};
    Trigger(h, "mnuPaste");
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].text.rfind("The data from clipboard has\r\nthe wrong size for a "
                                          "picture-message.",
                                          0),
              0u);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(0, 0));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(71, 0));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(0, 1));
}

TEST(EditCommands, PasteCancelledAtTheNotSavedQuestionChangesNothing) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Load(h, Diagonal());
    h.window->Doc().SetModified(static_cast<ModifiedState>(1));
    h.clipboard.bitmap = Raster(72, 28, MakeRgb(0, 0, 0));
    h.ui.answers = {AnswerCancel};
    Trigger(h, "mnuPaste");
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
}

TEST(EditCommands, EditMenuDecidesPasteWhenItOpens) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    QAction* paste = h.Find<QAction>("mnuPaste");
    EXPECT_TRUE(paste->isEnabled());
    h.window->mnuEdit_Click();
    EXPECT_FALSE(paste->isEnabled());
    // A bitmap arriving later does not enable it until the menu opens again.
    h.clipboard.bitmap = Raster(72, 28, MakeRgb(0, 0, 0));
    EXPECT_FALSE(paste->isEnabled());
    emit h.Find<QMenu>("mnuEdit")->aboutToShow();
    EXPECT_TRUE(paste->isEnabled());
}

TEST(EditCommands, UndoAndRedoStepThroughStrokesAndCommands) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    QAction* undo = h.Find<QAction>("mnuUndo");
    QAction* redo = h.Find<QAction>("mnuRedo");
    EXPECT_EQ(undo->text(), "&Undo");
    EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(redo->shortcut(), QKeySequence("Ctrl+Shift+Z"));
    EXPECT_FALSE(undo->isEnabled());

    // One stroke of several cells is one step.
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseMove(canvas, QPoint(10, 3));
    QTest::mouseMove(canvas, QPoint(17, 3));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(17, 3));
    const PictureGrid afterStroke = h.window->Doc().Picture();
    EXPECT_EQ(afterStroke.SetCount(), 3);
    Trigger(h, "mnuInvert");
    EXPECT_TRUE(undo->isEnabled());

    h.window->UpdateTitle(true);
    Trigger(h, "mnuUndo");
    EXPECT_EQ(h.window->Doc().Picture(), afterStroke);
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_EQ(h.window->Views().Canvas().Pixel(7 * 40 + 3, 3), ClearColour);
    Trigger(h, "mnuUndo");
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), 0);
    EXPECT_FALSE(undo->isEnabled());
    Trigger(h, "mnuRedo");
    Trigger(h, "mnuRedo");
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells - 3);

    // A click on an already black cell changes nothing and records nothing.
    const int steps = static_cast<int>(h.window->Doc().History().Count());
    SetCell(*h.window, 0, 0, 1);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(static_cast<int>(h.window->Doc().History().Count()), steps);

    // New starts a fresh history.
    h.window->Doc().SetModified(static_cast<ModifiedState>(0));
    Trigger(h, "mnuNew");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

TEST(EditCommands, HistoryKeepsAtLeastAHundredSteps) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 0, 0, 1);
    for (int i = 0; i < 150; ++i) {
        Trigger(h, "mnuMoveRight");
    }
    for (int i = 0; i < 100; ++i) {
        Trigger(h, "mnuUndo");
    }
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(50, 0));
}

TEST(EditCommands, ImportFitsThresholdsAndAdoptsTheFile) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Raster image(100, 20, MakeRgb(255, 255, 255));
    image.FillRect(0, 0, 99, 0, MakeRgb(0, 0, 0));
    h.pictures["/pics/wide.gif"] = image;
    SetPictureText(*h.window, "text stays");
    h.ui.openPaths = {"/pics/wide.gif"};
    Trigger(h, "mnuImport");
    ASSERT_EQ(h.ui.dialogs.size(), 1u);
    EXPECT_EQ(h.ui.dialogs[0].filter,
              "Pictures (*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf)|*.bmp;*.gif;*.jpg;*.ico;*.rle;"
              "*.wmf;*.emf");
    EXPECT_EQ(h.window->DialogFolders().importDir, "/pics/");
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(0, 0));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(71, 0));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(0, 1));
    EXPECT_EQ(h.window->Doc().DocumentName(), "/pics/wide.gif");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [/pics/wide.gif]");
    EXPECT_EQ(h.window->RecentFiles()[0], "/pics/wide.gif");
    EXPECT_EQ(PictureTextOf(*h.window), "text stays");
    EXPECT_EQ(h.window->Views().Output().Width(), 72);
    EXPECT_EQ(h.window->Views().Output().Height(), 28);
}

TEST(EditCommands, ImportThatCannotDecodeOrThresholdChangesNothing) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    Load(h, Diagonal());
    h.ui.openPaths = {"/pics/broken.jpg"};
    Trigger(h, "mnuImport");
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_TRUE(h.ui.messages.empty());

    h.settings->Write("Settings", "ImportLevel", "dark grey");
    h.pictures["/pics/ok.gif"] = Raster(72, 28, MakeRgb(0, 0, 0));
    h.ui.openPaths = {"/pics/ok.gif"};
    Trigger(h, "mnuImport");
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_EQ(h.window->Views().Output().Width(), 72);
    EXPECT_EQ(h.window->Views().Output().Pixel(1, 0), ClearColour);

    h.ui.openPaths = {""};  // cancelled dialog
    Trigger(h, "mnuImport");
    EXPECT_EQ(h.window->Doc().Picture(), Diagonal());
}

TEST(ClipboardMonitor, PastesEachBitmapAndClearsTheClipboard) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    QAction* monitor = h.Find<QAction>("mnuMonitor");
    QAction* monitoring = h.Find<QAction>("mnuMonitoring");
    auto* timer = h.window->findChild<QTimer*>("tmrMonitor");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_FALSE(timer->isActive());
    monitor->trigger();
    EXPECT_TRUE(monitor->isChecked());
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(monitoring->isVisible());

    h.window->tmrMonitor_Timer();
    EXPECT_TRUE(monitoring->isVisible());
    h.window->tmrMonitor_Timer();
    EXPECT_FALSE(monitoring->isVisible());

    h.clipboard.bitmap = Raster(72, 28, MakeRgb(0, 0, 0));
    h.window->tmrMonitor_Timer();
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells);
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_FALSE(h.clipboard.bitmap.has_value());
    EXPECT_TRUE(monitor->isChecked());
    EXPECT_TRUE(timer->isActive());

    // A modified picture brings the question; Cancel keeps it but the bitmap is gone anyway.
    h.clipboard.bitmap = Raster(72, 28, MakeRgb(255, 255, 255));
    h.ui.answers = {AnswerCancel};
    h.window->tmrMonitor_Timer();
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells);
    EXPECT_FALSE(h.clipboard.bitmap.has_value());

    h.window->tmrMonitor_Timer();  // shows the indicator
    monitor->trigger();
    EXPECT_FALSE(monitor->isChecked());
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(monitoring->isVisible());
}

TEST(ClipboardMonitor, WorksWithTheDesktopClipboardWithinASecond) {
    EditorHarness h;
    QtClipboard desktop;
    // Swap the fake for the platform's clipboard (the offscreen one in tests).
    EditorServices services;
    services.settings = h.settings;
    services.ui = &h.ui;
    services.clipboard = &desktop;
    services.phone = h.phone.get();
    frmEdit window(services);
    h.settings->Write("Settings", "UserName", "Tester");
    ASSERT_TRUE(window.Startup(""));
    QGuiApplication::clipboard()->setText("just text");
    window.findChild<QAction*>("mnuMonitor")->trigger();
    QTest::qWait(1200);
    EXPECT_EQ(window.Doc().Picture().SetCount(), 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "just text");

    QImage black(72, 28, QImage::Format_RGB32);
    black.fill(Qt::black);
    QGuiApplication::clipboard()->setImage(black);
    QTRY_COMPARE_WITH_TIMEOUT(window.Doc().Picture().SetCount(), PictureCells, 1500);
    EXPECT_FALSE(desktop.HasBitmap());
    window.findChild<QAction*>("mnuMonitor")->trigger();
}

}  // namespace
}  // namespace pixora::testing
