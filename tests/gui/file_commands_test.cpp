// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <fstream>
#include <iterator>

#include "app/frm_import_preview.h"
#include "app/raster_view.h"
#include "core/document.h"
#include "core/picture_views.h"
#include "core/settings_keys.h"
#include "core/strings.h"
#include "formats/bmp_file.h"
#include "formats/file_io.h"
#include "formats/ngg_file.h"
#include "formats/npm_file.h"
#include "formats/wbmp_file.h"
#include "gui/gui_support.h"

namespace pixora::testing {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// A process id that runs no process now: a child that has ended and been reaped.
long EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

PictureGrid Smiley() {
    PictureGrid p;
    p.Set(10, 5, 1);
    p.Set(20, 5, 1);
    for (int x = 8; x <= 22; ++x) {
        p.Set(x, 15, 1);
    }
    return p;
}

// Delivers a drop the way the window system's drag manager does at the end of a drag.
void Drop(RasterView* view, const QMimeData& data) {
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // QObject::event is public; through it the widget's own handler runs, without the
    // application's drag bookkeeping that a drop outside a real drag would not pass.
    static_cast<QObject*>(view)->event(&drop);
}

struct FileHarness : EditorHarness {
    FileHarness() {
        EXPECT_TRUE(dir.isValid());
        folder = dir.path().toStdString() + "/";
    }
    void Draw(const PictureGrid& p, const QString& text = "") {
        window->Doc().SetPicture(p);
        window->UpdateTitle(false);
        SetPictureText(*window, text);
    }
    QTemporaryDir dir;
    std::string folder;
};

TEST(FileCommands, SaveAsWritesThePictureAndAdoptsTheName) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    h.window->DialogFolders().userDir = "/open/here/";
    h.Draw(Smiley(), QString::fromUtf8("Grüße €5"));
    const std::string path = h.folder + "smile.npm";
    h.ui.savePaths = {path};
    h.Find<QAction>("mnuSave")->trigger();  // Untitled goes through Save As
    ASSERT_EQ(h.ui.dialogs.size(), 1u);
    EXPECT_EQ(h.ui.dialogs[0].filter, "Nokia Picture Message (*.npm)|*.npm");
    EXPECT_EQ(h.ui.dialogs[0].initialName, "");
    EXPECT_EQ(h.ui.dialogs[0].folder, "/open/here/");
    EXPECT_EQ(h.ui.dialogs[0].defaultExtension, "npm");
    EXPECT_EQ(h.window->Doc().DocumentName(), path);
    EXPECT_EQ(ModifiedOf(*h.window), 0);
    EXPECT_EQ(h.window->RecentFiles()[0], path);
    EXPECT_EQ(h.window->DialogFolders().userDirSave, h.folder);
    const auto loaded = ReadPictureMessageFile(ReadBytes(path));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->picture, Smiley());
    EXPECT_EQ(loaded->text, U"Grüße €5");
    const std::string bytes = ReadBytes(path);
    EXPECT_NE(bytes.find("Made by Tester"), std::string::npos);
    EXPECT_EQ(bytes.back(), '\r');

    // Save now writes in place without a dialog.
    h.window->Doc().Paint(0, 0, true);
    h.Find<QAction>("mnuSave")->trigger();
    EXPECT_EQ(h.ui.dialogs.size(), 1u);
    EXPECT_TRUE(ReadPictureMessageFile(ReadBytes(path))->picture.IsSet(0, 0));
    EXPECT_EQ(h.window->windowTitle().toStdString(), "Pixora [" + ShortenPath(path, 38) + "]");
}

TEST(FileCommands, SaveOfALogoDocumentProposesItsNameInSaveAs) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    h.Draw(Smiley());
    h.window->Doc().SetDocumentName("/logos/net.NOL");
    h.window->DialogFolders().userDirSave = "/saved/";
    h.ui.savePaths = {""};
    h.Find<QAction>("mnuSave")->trigger();
    ASSERT_EQ(h.ui.dialogs.size(), 1u);
    EXPECT_EQ(h.ui.dialogs[0].initialName, "net");
    EXPECT_EQ(h.ui.dialogs[0].folder, "/saved/");
    EXPECT_EQ(h.window->Doc().DocumentName(), "/logos/net.NOL");
}

TEST(FileCommands, AFailedSaveKeepsTheOldFileAndTheDocument) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    const std::string path = h.folder + "keep.npm";
    WriteBytes(path, "old bytes");
    h.Draw(Smiley());
    // A folder where the file should be: nothing can be renamed over it.
    const std::string blocked = h.folder + "blocked.npm";
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(blocked)));
    h.ui.savePaths = {blocked};
    h.Find<QAction>("mnuSaveAs")->trigger();
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_EQ(ModifiedOf(*h.window), 1);
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].text,
              "Can't save this file.\r\n" + QuotedName(blocked) + "\r\nnot a regular file");
    EXPECT_EQ(h.ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(ReadBytes(path), "old bytes");
}

// "Do you want to save it now?" answered Yes goes on only once the picture is in its file.
TEST(FileCommands, YesToSavingThenNoSaveKeepsThePicture) {
    const char* const commands[] = {"mnuNew", "mnuOpen", "mnuImport", "close"};
    struct Outcome {
        const char* savedName;  // "" cancels the save dialog
        const char* problem;    // the second line of the failure message, if any
    } outcomes[] = {{"", nullptr}, {"blocked.npm", "not a regular file"}};
    for (const char* command : commands) {
        for (const Outcome& outcome : outcomes) {
            SCOPED_TRACE(std::string(command) + " / " + outcome.savedName);
            FileHarness h;
            ASSERT_TRUE(h.Start());
            h.Draw(Smiley(), "keep me");
            h.window->UpdateTitle(false);
            const std::string saved = *outcome.savedName != 0 ? h.folder + outcome.savedName : "";
            if (!saved.empty()) {
                ASSERT_TRUE(QDir().mkdir(QString::fromStdString(saved)));
            }
            h.ui.answers = {AnswerYes};
            h.ui.savePaths = {saved};
            if (std::string(command) == "close") {
                EXPECT_FALSE(h.window->close());
                EXPECT_TRUE(h.window->isVisible());
            } else {
                h.Find<QAction>(command)->trigger();
            }
            EXPECT_EQ(h.window->Doc().Picture(), Smiley());
            EXPECT_EQ(PictureTextOf(*h.window), "keep me");
            EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
            EXPECT_EQ(h.ui.dialogs.size(), 1u);  // the save dialog, no open dialog after it
            ASSERT_EQ(h.ui.messages.size(), outcome.problem != nullptr ? 2u : 1u);
            if (outcome.problem != nullptr) {
                EXPECT_EQ(h.ui.messages[1].text, "Can't save this file.\r\n" + QuotedName(saved) +
                                                     "\r\n" + outcome.problem);
            }
            EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
        }
    }
}

TEST(FileCommands, FilesThatCannotBeReadAreNamedWithTheReason) {
    struct Case {
        const char* name;
        bool pipe;
        const char* reason;
    } cases[] = {
        {"pipe.npm", true, "not a regular file"},
        {"pipe.bmp", true, "not a regular file"},  // never handed to the picture loader
        {"missing.npm", false, "No such file or directory"},
    };
    for (const auto& c : cases) {
        FileHarness h;
        ASSERT_TRUE(h.Start());
        h.Draw(Smiley(), "mine");
        const std::string path = h.folder + c.name;
        if (c.pipe) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        h.window->OpenGraphicFile(path);
        ASSERT_EQ(h.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(h.ui.messages[0].text, "Can't read this file. Try another file.\r\n" +
                                             QuotedName(path) + "\r\n" + c.reason);
        EXPECT_TRUE(h.loaded.empty()) << c.name;
        EXPECT_EQ(h.window->Doc().Picture(), Smiley()) << c.name;
        EXPECT_EQ(PictureTextOf(*h.window), "mine") << c.name;
        EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled") << c.name;
    }
}

TEST(FileCommands, OpenBringsBackPictureAndTextAndStartsAFreshHistory) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    const std::string path = h.folder + "round.npm";
    WriteBytes(path, WritePictureMessageFile(Smiley(), U"Hallo Welt", "Someone"));
    h.window->mnuInvert_Click();
    h.ui.openPaths = {path};
    h.ui.answers = {AnswerNo};  // discard the inverted picture
    h.Find<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(h.ui.dialogs[0].filter,
              "Nokia Graphics|*.npm;*.ngg;*.nol;*.nlm;*.gms;*.nsl;*.otb;*.ngl;*.i61;*.wbmp;*.wbm|"
              "Nokia Picture Message (*.npm)|*.npm|Nokia Group Graphic (*.ngg)|*.ngg|Nokia "
              "Operator Logo (*.nol)|*.nol");
    EXPECT_EQ(h.window->Doc().Picture(), Smiley());
    EXPECT_EQ(PictureTextOf(*h.window), "Hallo Welt");
    EXPECT_EQ(h.window->Doc().DocumentName(), path);
    EXPECT_EQ(ModifiedOf(*h.window), 0);
    EXPECT_EQ(h.window->DialogFolders().userDir, h.folder);
    EXPECT_EQ(h.window->RecentFiles()[0], path);
    EXPECT_EQ(h.window->Views().Canvas().Pixel(7 * 10 + 3, 7 * 5 + 3), SetColour);
    EXPECT_FALSE(h.Find<QAction>("mnuUndo")->isEnabled());
}

TEST(FileCommands, ARejectedFileShowsItsMessageAndChangesNothing) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"bad.npm", "NPX\0", "Can't read this file. Try another file."},
        {"bad.otb", std::string("\x00\x48\x1c\x02", 4) + std::string(252, '\0'),
         "Can't read this OTB file. Try another file."},
        {"wide.wbmp", std::string("\x00\x00\x80\x01", 4) + std::string(16, '\xff'),
         "Can't read this WBMP file.\r\nMaximum supported size is 127x127 pixel."},
        {"picture.rle", "BM whatever", "Can't read this file. Try another file."},
    };
    for (const auto& c : cases) {
        FileHarness h;
        ASSERT_TRUE(h.Start());
        h.Draw(Smiley(), "mine");
        h.window->UpdateTitle(true);
        const std::string path = h.folder + c.name;
        WriteBytes(path, c.bytes);
        h.window->OpenGraphicFile(path);
        ASSERT_EQ(h.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(h.ui.messages[0].text, c.message) << c.name;
        EXPECT_EQ(h.ui.messages[0].title, "Pixora");
        EXPECT_EQ(h.window->Doc().Picture(), Smiley()) << c.name;
        EXPECT_EQ(PictureTextOf(*h.window), "mine") << c.name;
        EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled") << c.name;
        EXPECT_EQ(h.window->RecentFiles()[0], "") << c.name;
    }
}

TEST(FileCommands, HandOverFilesOpenAsUntitledAndKeepTheOpenFolder) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    h.window->DialogFolders().userDir = "/my/pictures/";
    std::string ngg = std::string("NGG\0\x01\x00\x48\x00\x0e\x00\x00\x00\x00\x00\x00\x00", 16);
    ngg += std::string(72 * 14, '1');
    const std::string path = h.folder + "GGTMP001.NGG";
    WriteBytes(path, ngg);
    h.window->myOpenFileReceived(path);
    EXPECT_EQ(h.window->DialogFolders().userDir, "/my/pictures/");
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_EQ(h.window->windowTitle(), "Pixora [Untitled*]");
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(0, 7));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(71, 20));
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(0, 6));
    EXPECT_EQ(h.window->RecentFiles()[0], "");
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
}

TEST(FileCommands, DroppedPicturesGoToImportAndChangeOnlyTheImportFolder) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    h.window->DialogFolders().userDir = "/my/pictures/";
    const std::string jpg = h.folder + "photo.JPG";
    h.pictures[jpg] = Raster(72, 28, MakeRgb(0, 0, 0));
    h.window->myOpenFileReceived(jpg);
    EXPECT_EQ(h.window->DialogFolders().importDir, h.folder);
    EXPECT_EQ(h.window->DialogFolders().userDir, "/my/pictures/");
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), PictureCells);
    EXPECT_EQ(h.window->Doc().DocumentName(), jpg);
}

TEST(FileCommands, DropOpensOnlyTheFirstFileAndIgnoresDropsWithoutOne) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    std::vector<std::string> paths;
    for (const char* name : {"a.gif", "b.gif", "c.gif"}) {
        paths.push_back(h.folder + name);
        Raster r(72, 28, MakeRgb(255, 255, 255));
        r.SetPixel(static_cast<int>(paths.size()), 0, MakeRgb(0, 0, 0));
        h.pictures[paths.back()] = r;
    }
    auto* preview = h.Find<RasterView>("picDisplay");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString(paths[0])),
                   QUrl::fromLocalFile(QString::fromStdString(paths[1])),
                   QUrl::fromLocalFile(QString::fromStdString(paths[2]))});
    Drop(preview, files);
    EXPECT_EQ(h.loaded, std::vector<std::string>{paths[0]});
    EXPECT_EQ(h.window->Doc().DocumentName(), paths[0]);

    QMimeData text;
    text.setText("not a file");
    Drop(h.Find<RasterView>("picMain"), text);
    QMimeData web;
    web.setUrls({QUrl("https://example.com/a.gif")});
    Drop(h.Find<RasterView>("picMain"), web);
    EXPECT_EQ(h.loaded.size(), 1u);
    EXPECT_EQ(h.window->Doc().DocumentName(), paths[0]);
}

TEST(FileCommands, ExportWritesByTheFinalNameAndLeavesTheDocumentAlone) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    PictureGrid corner;
    corner.Set(0, 0, 1);
    corner.Set(71, 27, 1);
    h.Draw(corner);
    h.window->UpdateTitle(true);
    h.window->DialogFolders().importDir = "/imported/";
    const std::string wbmp = h.folder + "out.WBM";
    const std::string bmp = h.folder + "out.bmp";
    const std::string nol = h.folder + "out.nol";
    const std::string mono = h.folder + "mono.bmp";
    h.ui.savePaths = {wbmp, bmp, nol, mono};
    h.Find<QAction>("mnuExport")->trigger();
    // The BMP stays the first, default filter; every phone format follows with its own.
    const std::string& filter = h.ui.dialogs[0].filter;
    EXPECT_EQ(filter.rfind("Bitmap (*.bmp)|*.bmp|Wireless Bitmap (*.wbmp)|*.wbmp;*.wbm|"
                           "Black-and-white Bitmap (*.bmp)|*.bmp|",
                           0),
              0u);
    for (const char* phone :
         {"|*.otb", "|*.nlm", "|*.ngg", "|*.nol", "|*.gms", "|*.nsl", "|*.ngl", "|*.png"}) {
        EXPECT_NE(filter.find(phone), std::string::npos) << phone;
    }
    EXPECT_EQ(h.ui.dialogs[0].folder, "/imported/");
    EXPECT_EQ(h.ui.dialogs[0].defaultExtension, "bmp");
    const std::string wbmpBytes = ReadBytes(wbmp);
    ASSERT_EQ(wbmpBytes.size(), 256u);
    EXPECT_EQ(static_cast<unsigned char>(wbmpBytes[4]), 0x7F);
    EXPECT_EQ(ReadWbmpFile(wbmpBytes), corner);

    h.Find<QAction>("mnuExport")->trigger();
    EXPECT_EQ(h.ui.dialogs[1].folder, h.folder);  // the export folder now
    QImage image(QString::fromStdString(bmp));
    ASSERT_EQ(image.size(), QSize(72, 28));
    EXPECT_EQ(image.pixelColor(71, 27), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(70, 27), QColor(120, 190, 110));
    h.Find<QAction>("mnuExport")->trigger();
    const ReadResult<GroupGraphic> logo = ReadGroupGraphicFile(ReadBytes(nol));
    ASSERT_TRUE(logo.Ok());
    EXPECT_EQ(logo->picture, corner);  // written at 72 x 28, the size it takes
    // Both BMPs end in ".bmp": the filter the user picked says which.
    h.ui.saveFilter = 3;
    h.Find<QAction>("mnuExport")->trigger();
    const std::string monoBytes = ReadBytes(mono);
    ASSERT_GT(monoBytes.size(), 30u);
    EXPECT_EQ(monoBytes[28], 1);  // bits per pixel
    EXPECT_EQ(monoBytes, WriteMonoBmpFile(corner, 72, 28));
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_EQ(ModifiedOf(*h.window), 0);
}

TEST(RecentFiles, MenuFollowsTheListAndAMissingFileIsReported) {
    FileHarness h;
    ASSERT_TRUE(h.Start());
    EXPECT_FALSE(h.Find<QAction>("mnuRecentSep")->isVisible());
    std::vector<std::string> paths;
    for (int i = 1; i <= 5; ++i) {
        paths.push_back(h.folder + "F" + std::to_string(i) + ".npm");
        WriteBytes(paths.back(), WritePictureMessageFile(Smiley(), U"", ""));
        h.window->OpenGraphicFile(paths.back());
    }
    EXPECT_EQ(h.window->RecentFiles()[0], paths[4]);
    EXPECT_EQ(h.window->RecentFiles()[3], paths[1]);
    EXPECT_TRUE(h.Find<QAction>("mnuRecentSep")->isVisible());
    EXPECT_EQ(h.Find<QAction>("mnuRecent1")->text(), "&1 F5.npm");
    EXPECT_EQ(h.Find<QAction>("mnuRecent4")->text(), "&4 F2.npm");
    EXPECT_TRUE(h.Find<QAction>("mnuRecent4")->isVisible());

    QFile::remove(QString::fromStdString(paths[2]));
    h.Find<QAction>("mnuRecent3")->trigger();
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].text, "Can't find this file. Try another file.");
    EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(h.window->RecentFiles()[2], paths[2]);

    h.Find<QAction>("mnuRecent4")->trigger();
    EXPECT_EQ(h.window->Doc().DocumentName(), paths[1]);
    EXPECT_EQ(h.Find<QAction>("mnuRecent1")->text(), "&1 F2.npm");
}

TEST(StartupFile, TheCommandLineFileOpensAndHeadsTheStoredList) {
    FileHarness h;
    const std::string path = h.folder + "my picture.npm";
    WriteBytes(path, WritePictureMessageFile(Smiley(), U"hi", ""));
    h.settings->Write("Zorvet Recent File List", "File1", "/older/one.npm");
    ASSERT_TRUE(h.Start(path));
    EXPECT_EQ(h.window->Doc().Picture(), Smiley());
    EXPECT_EQ(h.window->Doc().DocumentName(), path);
    EXPECT_EQ(h.window->RecentFiles()[0], path);
    EXPECT_EQ(h.window->RecentFiles()[1], "/older/one.npm");
    EXPECT_EQ(h.window->DialogFolders().userDir, h.folder);
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
}

TEST(StartupFile, LeftoversOfAKilledSaveGoFromTheSaveFolder) {
    FileHarness h;
    const std::string stale = h.folder + TempSaveFileName(EndedProcessId(), 1);
    const std::string foreign = h.folder + ".other-editor.tmp";
    WriteBytes(stale, "half a picture");
    WriteBytes(foreign, "not ours");
    h.settings->Write(keys::UserDirSave.section, keys::UserDirSave.key, h.folder);
    ASSERT_TRUE(h.Start());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(stale)));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(foreign)));
}

TEST(FileCommands, ImportWithPreviewAdoptsWhatTheDialogShowedOrNothing) {
    struct Case {
        const char* button;
        bool adopted;
    };
    for (const Case c : {Case{"cmdOK", true}, Case{"cmdCancel", false}}) {
        SCOPED_TRACE(c.button);
        FileHarness h;
        ASSERT_TRUE(h.Start());
        const std::string path = h.folder + "stripes.png";
        Raster stripes(72, 28, MakeRgb(255, 255, 255));
        for (int y = 0; y < 28; y += 2) {
            for (int x = 0; x < 72; ++x) {
                stripes.SetPixel(x, y, MakeRgb(0, 0, 0));
            }
        }
        h.pictures[path] = stripes;
        h.ui.openPaths.push_back(path);
        std::optional<PictureGrid> shown;
        // The dialog runs its own event loop; the button is pressed from inside it.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmImportPreview*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QCheckBox*>("chkInvert")->setChecked(true);
            shown = dialog->Shown();
            QTest::mouseClick(dialog->findChild<QPushButton*>(c.button), Qt::LeftButton);
        });
        h.Find<QAction>("mnuImportPreview")->trigger();
        ASSERT_TRUE(shown.has_value());
        // Inverted stripes: the odd rows set, the even ones clear.
        EXPECT_EQ(shown->IsSet(0, 1), true);
        EXPECT_EQ(shown->IsSet(0, 0), false);
        if (c.adopted) {
            EXPECT_EQ(h.window->Doc().Picture(), *shown);
            EXPECT_EQ(h.window->Doc().DocumentName(), path);
            EXPECT_EQ(h.window->RecentFiles()[0], path);
            EXPECT_EQ(h.window->Doc().History().CanUndo(), true);
        } else {
            EXPECT_EQ(h.window->Doc().Picture().SetCount(), 0);
            EXPECT_EQ(h.window->Doc().DocumentName(), UntitledName);
        }
        EXPECT_EQ(h.window->DialogFolders().importDir, h.folder);
    }
}

}  // namespace
}  // namespace pixora::testing
