// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "app/raster_view.h"
#include "core/picture_views.h"
#include "gui/gui_support.h"
#include "platform/hostile_folder.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_single_instance.h"
#include "shell/hand_off.h"

namespace pixora::testing {
namespace {

QPoint CellCentre(int px, int py) {
    return QPoint(7 * px + 3, 7 * py + 3);
}

// QTest only types ASCII; other characters arrive as a key event carrying just the text, as an
// input method delivers them.
void TypeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

TEST(frmEditStartup, AsksForTheAuthorUntilANameIsGivenAndOpensUntitled) {
    EditorHarness h;
    h.ui.inputs = {"", "", "Ada"};
    ASSERT_TRUE(h.window->Startup(""));
    EXPECT_EQ(h.ui.prompts.size(), 3u);
    EXPECT_EQ(h.ui.prompts[0],
              "Before you start to use this Editor, please\r\nenter your name here:");
    EXPECT_EQ(h.settings->Read("Settings", "UserName"), "Ada");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled]");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "CurrentAppname"), "Pixora [Untitled]");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "VerMajor"), "01");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "VerMinor"), "00");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "VerIR"), "00");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "VerCable"), "00");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "Application"), "/opt/pixora/bin/pixora");
    EXPECT_EQ(h.window->ProgramFolder(), "/opt/pixora/bin/");
    EXPECT_EQ(ModifiedOf(*h.window), 0);
    // Old temporary pages and pictures are cleared at start.
    EXPECT_EQ(h.cleared, std::vector<std::string>{"/tmp/pixora-test/"});
}

TEST(frmEditStartup, KnownAuthorIsNotAskedAgain) {
    EditorHarness h;
    h.settings->Write("Settings", "UserName", "Bob");
    ASSERT_TRUE(h.Start());
    EXPECT_TRUE(h.ui.prompts.empty());
}

TEST(frmEditStartup, StoredPositionIsPulledBackOntoTheScreen) {
    struct Case {
        const char* left;
        const char* top;
    } cases[] = {{"100000", "100000"}, {"-3000", "-45.5"}, {"garbage", "1e9"}};
    for (const auto& c : cases) {
        EditorHarness h;
        h.settings->Write("Zorvet Settings", "Left", c.left);
        h.settings->Write("Zorvet Settings", "Top", c.top);
        ASSERT_TRUE(h.Start());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // The whole frame, title bar and borders included, ends up on the screen once the
        // platform has put its frame around the window.
        for (int i = 0; i < 50 && !screen.contains(h.window->frameGeometry()); ++i) {
            QTest::qWait(20);
        }
        const QRect frame = h.window->frameGeometry();
        EXPECT_TRUE(screen.contains(frame)) << c.left << " " << c.top;
        EXPECT_GT(frame.height(), h.window->height()) << "the platform draws no frame";
        if (std::string(c.left) == "100000") {
            EXPECT_EQ(frame.right(), screen.right());
            EXPECT_EQ(frame.bottom(), screen.bottom());
        }
    }
    EditorHarness standard;
    ASSERT_TRUE(standard.Start());
    EXPECT_EQ(standard.window->pos(), QPoint(200 / 15, 300 / 15));
}

TEST(frmEditMenus, EveryItemHasItsCaptionShortcutAndVisibility) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool visible;
    } items[] = {
        {"mnuNew", "&New", "Ctrl+N", true},
        {"mnuOpen", "&Open...", "Ctrl+O", true},
        {"mnuSave", "&Save", "Ctrl+S", true},
        {"mnuSaveAs", "Save &As...", "", true},
        {"mnuSend", "Sen&d as SMS...", "Ctrl+D", true},
        {"mnuInternet", "Send via In&ternet", "Ctrl+T", true},
        {"mnuImport", "Im&port BMP, GIF, JPG...", "Ctrl+P", true},
        {"mnuExport", "&Export BMP, WBMP...", "Ctrl+E", true},
        {"mnuRecent1", "&1 ", "", false},
        {"mnuRecent4", "&4 ", "", false},
        {"mnuExit", "E&xit", "", true},
        {"mnuMoveUp", "&Up", "", true},
        {"mnuMoveRight", "&Right", "", true},
        {"mnuInvert", "&Invert", "Ctrl+I", true},
        {"mnuFlipX", "Flip &Horizontal", "Ctrl+X", true},
        {"mnuFlipY", "Flip &Vertical", "Ctrl+Y", true},
        {"mnuCopy", "&Copy", "Ctrl+C", true},
        {"mnuPaste", "&Paste", "Ctrl+V", true},
        {"mnuMonitor", "Mo&nitor Clipboard", "Ctrl+M", true},
        {"mnuOptions", "&Options...", "", true},
        {"mnuZoomIn", "Zoom &In", "Ctrl++", true},
        {"mnuZoomOut", "Zoom &Out", "Ctrl+-", true},
        {"mnuZoomReset", "&Actual Size", "Ctrl+0", true},
        {"mnuGrid", "&Grid", "", true},
        {"mnuSendNGG", "Send to &Tamsel Editor", "", true},
        {"mnuSendNOL", "Send to &Vornik Uploader", "", true},
        {"mnuSendToAdd1", "Send to ...", "", false},
        {"mnuSendToAdd2", "Send to ...", "", false},
        {"mnuOtherPartner", "Partnerprogram for Webmasters", "", true},
        {"mnuHelpInformation", "&Information", "", true},
        {"mnuHelpFAQ", "&Help on Website", "", true},
        {"mnuNewsletter", "&Free Newsletter", "", true},
        {"mnuHelpSamples", "&Download Samples", "", true},
        {"mnuHelpUpdates", "&Check for Updates", "", true},
        {"mnuAbout", "&About", "", true},
        {"mnuMonitoring", "Monitoring clipboard", "", false},
    };
    for (const auto& item : items) {
        auto* action = h.Find<QAction>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
        EXPECT_EQ(action->isVisible(), item.visible) << item.name;
    }
    EXPECT_TRUE(h.Find<QAction>("mnuMonitor")->isCheckable());
    const QStringList menus = {"&File", "&Edit", "&View", "T&ools", "Ex&tras", "&Help"};
    QStringList shown;
    for (QAction* a : h.window->menuBar()->actions()) {
        if (a->menu() != nullptr) {
            shown << a->text();
        }
    }
    EXPECT_EQ(shown, menus);
    auto* other = h.Find<QMenu>("mnuOtherSend");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->title(), "Send other SMS via Internet");
    ASSERT_EQ(other->actions().size(), 6);
    EXPECT_EQ(other->actions()[3]->text(), "Special SMS (\"SMS Virus\")");
    EXPECT_EQ(other->actions()[3]->property("index").toInt(), 3);
    EXPECT_TRUE(other->actions()[4]->isSeparator());
    EXPECT_EQ(other->actions()[5], h.Find<QAction>("mnuOtherPartner"));
    EXPECT_FALSE(h.Find<QAction>("mnuRecentSep")->isVisible());
    EXPECT_TRUE(h.Find<QAction>("mnuOtherSep")->isSeparator());

    auto* toolbar = h.Find<QToolBar>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    QStringList keys;
    for (QAction* a : toolbar->actions()) {
        keys << (a->isSeparator() ? QString("|") : a->property("key").toString());
    }
    EXPECT_EQ(keys, QStringList({"New", "Open", "Save", "|", "Send", "Internet", "|", "Options"}));
    EXPECT_EQ(h.Find<QAction>("Toolbar1_Send")->toolTip(), "Send as SMS");
    EXPECT_EQ(h.Find<QAction>("Toolbar1_Internet")->toolTip(), "Send via Internet");
    EXPECT_EQ(h.Find<QToolButton>("cmdUp")->toolTip(), "Move up");
    EXPECT_EQ(h.Find<QToolButton>("cmdRight")->toolTip(), "Move right");
}

TEST(frmEditCanvas, LeftClickSetsRightDragClearsAndTheTitleFollows) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    ASSERT_NE(canvas, nullptr);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(3, 4));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(3, 4));
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_EQ(h.window->Views().Canvas().Pixel(7 * 3 + 2, 7 * 4 + 2), SetColour);
    EXPECT_EQ(h.window->Views().Preview().Pixel(3 + 15, 4 + 31), SetColour);

    // A left stroke across a row, then a right stroke back over part of it.
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(10, 10));
    for (int px = 11; px <= 15; ++px) {
        QTest::mouseMove(canvas, CellCentre(px, 10));
    }
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(15, 10));
    for (int px = 10; px <= 15; ++px) {
        EXPECT_TRUE(h.window->Doc().Picture().IsSet(px, 10)) << px;
    }
    QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, CellCentre(12, 10));
    QTest::mouseMove(canvas, CellCentre(13, 10));
    QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, CellCentre(13, 10));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(11, 10));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(12, 10));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(13, 10));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(14, 10));
    // After the release, moving paints nothing.
    QTest::mouseMove(canvas, CellCentre(20, 20));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(20, 20));

    // The middle button changes nothing.
    QTest::mouseClick(canvas, Qt::MiddleButton, Qt::NoModifier, CellCentre(30, 5));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(30, 5));
}

TEST(frmEditCanvas, ClickOnABlackCellOfASavedDocumentStillMarksItModified) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 5, 5, 1);
    h.window->UpdateTitle(true);
    QTest::mouseClick(h.Find<RasterView>("picMain"), Qt::LeftButton, Qt::NoModifier,
                      CellCentre(5, 5));
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
}

TEST(frmEditCanvas, ReadoutFollowsThePointerInsideThePicture) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    auto* readout = h.Find<QLineEdit>("txtPos");
    struct Case {
        double x, y;
        const char* expected;
    } cases[] = {{0, 0, " 1/ 1"},     {497, 190, " 72/ 28"}, {503.5, 0, " 72/ 1"},
                 {504, 10, " 72/ 1"},  // outside: keeps the previous text
                 {20, 196, " 72/ 1"}, {-1, 3, " 72/ 1"},     {56, 56, " 9/ 9"}};
    for (const auto& c : cases) {
        h.window->picMain_MouseMove(0, c.x, c.y);
        EXPECT_EQ(readout->text().toStdString(), c.expected) << c.x << "," << c.y;
    }
    // Real pointer movement reaches the same handler.
    QTest::mouseMove(canvas, CellCentre(7, 2));
    EXPECT_EQ(readout->text(), " 8/ 3");
}

TEST(frmEditCanvas, BothButtonsHeldTogetherPaintNothing) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    h.window->picMain_MouseDown(1, 8, 8);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(1, 1));
    h.window->picMain_MouseMove(3, 15, 8);
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(2, 1));
    h.window->picMain_MouseMove(2, 22, 8);
    h.window->picMain_MouseMove(2, 8, 8);
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(1, 1));
    h.window->picMain_MouseUp();
}

TEST(frmEditCanvas, ArrowKeysMoveThePicture) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    SetCell(*h.window, 0, 0, 1);
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_Up);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(0, 27));
    QTest::keyClick(canvas, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(71, 27));
    QTest::mouseClick(h.Find<QToolButton>("cmdDown"), Qt::LeftButton);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(71, 0));
    EXPECT_EQ(ModifiedOf(*h.window), 1);
}

TEST(frmEditText, FiltersTypedCharactersAndShowsWhatIsLeft) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* text = h.Find<QPlainTextEdit>("txtPMText");
    auto* readout = h.Find<QLineEdit>("txtPos");
    text->setFocus();
    QTest::keyClicks(text, "[{|^");
    EXPECT_EQ(text->toPlainText(), "");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled]");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), "");
    EXPECT_EQ(ModifiedOf(*h.window), 0);

    TypeText(text, QString::fromUtf8("Ä€"));
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8("Ä€"));
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_EQ(readout->text(), "119  ");
    EXPECT_EQ(PictureTextOf(*h.window), QString::fromUtf8("Ä€"));

    QTest::keyClicks(text, QString(119, 'x'));
    EXPECT_EQ(text->toPlainText().size(), 121);
    EXPECT_EQ(readout->text(), "0    ");
    QTest::keyClick(text, Qt::Key_Z);
    EXPECT_EQ(text->toPlainText().size(), 121);
}

TEST(frmEditText, PastedTextIsFilteredAndHeldToTheLimit) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* text = h.Find<QPlainTextEdit>("txtPMText");
    QTest::keyClicks(text, QString(100, 'a'));
    auto* data = new QMimeData;
    data->setText(QString("[line]\nnext") + QString(40, 'b'));
    // paste() hands the clipboard's data to insertFromMimeData, as the context menu's paste and
    // a text drop do.
    QGuiApplication::clipboard()->setMimeData(data);
    text->paste();
    EXPECT_EQ(text->toPlainText(), QString(100, 'a') + "linenext" + QString(13, 'b'));
    EXPECT_EQ(ModifiedOf(*h.window), 1);
}

TEST(frmEditText, BackspaceMarksTheDocumentModified) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* text = h.Find<QPlainTextEdit>("txtPMText");
    SetPictureText(*h.window, "hello");
    h.window->UpdateTitle(true);
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(PictureTextOf(*h.window), "hell");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
}

TEST(frmEditDocument, AskSaveChangesFollowsTheAnswerAndTheWarningSwitch) {
    struct Case {
        const char* warn;  // nullptr = absent
        int modified;
        std::vector<int> answers;
        int expected;
        size_t questions;
    } cases[] = {
        {nullptr, 1, {AnswerNo}, AnswerNo, 1},
        {nullptr, 1, {AnswerCancel}, AnswerCancel, 1},
        // Yes saves: the empty picture's question comes next, and No there saves nothing, so
        // the picture must stay.
        {"1", 1, {AnswerYes, AnswerNo}, AnswerCancel, 2},
        {"0", 1, {}, AnswerNo, 0},
        {"1", 0, {}, AnswerNo, 0},
        {"abc", 1, {AnswerNo}, AnswerNo, 1},
    };
    for (const auto& c : cases) {
        EditorHarness h;
        if (c.warn != nullptr) {
            h.settings->Write("Settings", "WarnIfNotSaved", c.warn);
        }
        ASSERT_TRUE(h.Start());
        h.window->Doc().SetModified(static_cast<ModifiedState>(c.modified));
        h.ui.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(h.window->AskSaveChanges(), c.expected);
        ASSERT_EQ(h.ui.messages.size(), c.questions);
        if (c.questions >= 1) {
            EXPECT_EQ(h.ui.messages[0].text,
                      "Untitled\r\nhas not been saved yet.\r\n\r\nDo you want to save it now?");
            EXPECT_EQ(h.ui.messages[0].title, "Pixora");
            EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::Warning);
            EXPECT_EQ(h.ui.messages[0].buttons, MessageButtons::YesNoCancel);
        }
    }
}

TEST(frmEditDocument, NewDiscardsOnlyWhenAllowed) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    QTest::mouseClick(h.Find<RasterView>("picMain"), Qt::LeftButton, Qt::NoModifier,
                      CellCentre(1, 1));
    SetPictureText(*h.window, "keep me");
    h.ui.answers = {AnswerCancel};
    h.Find<QAction>("mnuNew")->trigger();
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(1, 1));
    EXPECT_EQ(PictureTextOf(*h.window), "keep me");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());

    h.ui.answers = {AnswerNo};
    QApplication::setActiveWindow(h.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    QTest::keyClick(h.window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(1, 1));
    EXPECT_EQ(PictureTextOf(*h.window), "");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled]");
    EXPECT_EQ(h.window->Views().Canvas().Pixel(7 + 2, 7 + 2), ClearColour);
    EXPECT_EQ(h.window->Views().Output().Width(), 72);
}

TEST(frmEditDocument, BusyIsMirroredIntoTheStoreWhileACommandShowsADialog) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    h.window->SetBusy(true);
    const auto busyDuringDialog = h.settings->Read("Zorvet Settings", "CurrentBusy");
    h.window->SetBusy(false);
    EXPECT_EQ(busyDuringDialog, "True");
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
    h.Find<QAction>("mnuOptions")->trigger();
    EXPECT_EQ(h.optionsShown, 1);
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
}

TEST(frmEditDocument, CloseCancelledKeepsTheWindowAndTheDocument) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    h.window->Doc().Paint(2, 2, true);
    h.ui.answers = {AnswerCancel};
    EXPECT_FALSE(h.window->close());
    EXPECT_TRUE(h.window->isVisible());
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(2, 2));
    EXPECT_TRUE(h.settings->Read("Zorvet Settings", "CurrentAppname").has_value());
}

TEST(frmEditDocument, NormalExitWritesPositionAndFoldersIntoTheIniFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath("Brellow.ini");
    {
        QtSettingsStore store(ini);
        store.Write("Zorvet Recent File List", "File2", "/pics/b.npm");
        store.Write("Zorvet Settings", "ImportDir", "/pics/import/");
        EditorHarness h(&store);
        ASSERT_TRUE(h.Start());
        h.window->move(150, 90);
        h.window->Doc().Paint(2, 2, true);
        h.ui.answers = {AnswerNo};
        EXPECT_TRUE(h.window->close());
        // The temporary pages and pictures go at start and again at exit.
        EXPECT_EQ(h.cleared, std::vector<std::string>(2, "/tmp/pixora-test/"));
    }
    QtSettingsStore reread(ini);
    EXPECT_EQ(reread.Read("Zorvet Settings", "Left"), "2250");
    EXPECT_EQ(reread.Read("Zorvet Settings", "Top"), "1350");
    EXPECT_EQ(reread.Read("Zorvet Settings", "VerRevision"), "00");
    EXPECT_EQ(reread.Read("Zorvet Settings", "ImportDir"), "/pics/import/");
    EXPECT_EQ(reread.Read("Zorvet Recent File List", "File2"), "/pics/b.npm");
    EXPECT_FALSE(reread.Read("Zorvet Settings", "CurrentAppname").has_value());
    EXPECT_FALSE(reread.Read("Zorvet Settings", "CurrentBusy").has_value());
}

// The lock cannot be had: the editor runs and says why later starts will open windows too.
TEST(SingleInstanceStart, ALockThatIsAFolderIsReportedAndTheEditorRuns) {
    QTemporaryDir runtime;
    ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString lock = runtime.filePath("pixora.lock");
    ASSERT_TRUE(QDir().mkdir(lock));
    EditorHarness h(nullptr, [](EditorServices& s) {
        s.singleInstance = [] { return std::make_unique<QtSingleInstance>(); };
    });
    ASSERT_TRUE(h.Start());
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].text, InstanceLockProblemText(lock.toStdString()));
    EXPECT_NE(h.ui.messages[0].text.find(lock.toStdString()), std::string::npos);
    EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(QFileInfo(lock).isDir());
    EXPECT_TRUE(h.window->isVisible());
}

// A stand-in for the desktop's single-instance service, to see what the window asks of it.
struct FakeInstance : SingleInstance {
    struct Log {
        std::vector<std::string> calls;
        std::function<void(const std::string&)> openFile;
    };
    FakeInstance(Log& log, bool acquired, bool unusable)
        : log(log), acquired(acquired), unusable(unusable) {}
    bool TryAcquire() override {
        log.calls.push_back("acquire");
        return acquired;
    }
    bool Unusable() const override { return unusable; }
    std::string LockFileName() const override { return "/run/user/1/pixora.lock"; }
    void HandOver(SettingsStore&, UserInterface&, const std::string& path) override {
        log.calls.push_back("hand over " + path);
    }
    void Listen(std::string_view caption, std::function<void(const std::string&)> openFile,
                std::function<void()>) override {
        log.calls.push_back("listen " + std::string(caption));
        log.openFile = std::move(openFile);
    }
    void Release() override { log.calls.push_back("release"); }
    Log& log;
    bool acquired;
    bool unusable;
};

TEST(SingleInstanceStart, TheWindowUsesTheServiceItIsHanded) {
    struct Case {
        const char* what;
        bool acquired;
        bool unusable;
        bool runs;
        std::vector<std::string> calls;  // up to the window's close
        size_t messages;                 // the start's own file is missing, which the editor says
    };
    const Case cases[] = {
        {"another editor runs", false, false, false, {"acquire", "hand over /pics/a.npm"}, 0},
        {"the first editor", true, false, true, {"acquire", "listen Pixora", "release"}, 1},
        {"an unusable lock", true, true, true, {"acquire", "listen Pixora", "release"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeInstance::Log log;
        EditorHarness h(nullptr, [&](EditorServices& s) {
            s.singleInstance = [&] {
                return std::make_unique<FakeInstance>(log, c.acquired, c.unusable);
            };
        });
        h.settings->Write("Settings", "UserName", "Tester");
        EXPECT_EQ(h.window->Startup("/pics/a.npm"), c.runs);
        ASSERT_EQ(h.ui.messages.size(), c.messages);
        if (c.runs) {
            // A file handed over later is opened as a dropped one is.
            ASSERT_TRUE(log.openFile);
            log.openFile("/pics/missing.npm");
            EXPECT_EQ(h.ui.messages.size(), c.messages + 1);
            h.window->close();
        }
        EXPECT_EQ(log.calls, c.calls);
    }
}

}  // namespace
}  // namespace pixora::testing
