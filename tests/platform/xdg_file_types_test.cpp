// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/xdg_file_types.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/desktop_services.h"
#include "platform/instance_test_support.h"
#include "platform/qt_settings_store.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::EnsureTestApplication;
using testing::FakeUserInterface;
using testing::Helper;

TEST(XdgNamesTest, TypeNamesAndMimeNamesMapBothWays) {
    const struct {
        const char* typeName;
        const char* mime;
    } cases[] = {
        {"NokiaPictureMessage", "application/x-nokia-picture-message"},
        {"NokiaGroupGraphic", "application/x-nokia-group-graphic"},
        {"NokiaOperatorLogo", "application/x-nokia-operator-logo"},
        {"Logo2Go", "application/x-logo2-go"},
        {"NokiaOTA", "application/x-nokia-o-t-a"},
        // Another program's type of that form reads as a type name of its own, never ours.
        {"Shellscript", "application/x-shellscript"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MimeNameForType(c.typeName), c.mime);
        EXPECT_EQ(TypeNameForMime(c.mime), c.typeName);
    }
    for (const char* bad : {"", "9Lives", "Nokia Picture", "a/b", "Nokia-Logo"}) {
        EXPECT_TRUE(MimeNameForType(bad).isEmpty()) << bad;
    }
    // Names of other programs stay what they are, so they never equal one of ours.
    for (const char* foreign : {"image/png", "application/x-foo--bar", "application/x-2d",
                                "text/x-nokia-picture-message"}) {
        EXPECT_EQ(TypeNameForMime(foreign), foreign);
    }
}

TEST(XdgExecTest, ProgramPathsSurviveQuotingAndEscaping) {
    const char* programs[] = {
        "/usr/bin/pixora",          "/opt/My Apps/tamsel editor",
        "/home/o'neil/bin/vornik",  "/srv/\"quoted\"/a$HOME`x`\\b",
        "/tmp/100%/tool %f",        "/home/jürgen/Grüße/werkzeug",
        "/a;b|c&d<e>f~g*h?i#j(k)l",
    };
    for (const char* raw : programs) {
        const QString program = QString::fromUtf8(raw);
        // What goes into the file, and what a reader of the file makes of it.
        const QString stored = EscapeDesktopValue(QuoteExecArgument(program) + " %f");
        EXPECT_FALSE(stored.contains('\n'));
        const auto arguments = SplitExec(UnescapeDesktopValue(stored));
        ASSERT_TRUE(arguments.has_value()) << raw;
        EXPECT_EQ(*arguments, (QStringList{program, "%f"})) << stored.toStdString();
    }
    EXPECT_EQ(QuoteExecArgument("/usr/bin/pixora"), "/usr/bin/pixora");
    EXPECT_EQ(QuoteExecArgument("/a b"), "\"/a b\"");
    EXPECT_EQ(SplitExec("\"/unbalanced %f"), std::nullopt);
    EXPECT_EQ(SplitExec("  gimp   %U "), (QStringList{"gimp", "%U"}));
    EXPECT_EQ(UnescapeDesktopValue("a\\sb\\\\c\\nd\\q"), "a b\\c\nd\\q");
}

TEST(XdgKeyFileTest, OneValueChangesEverythingElseStays) {
    const QString list =
        "# mine\n[Default Applications]\ntext/plain=gedit.desktop\n\n"
        "[Added Associations]\nimage/png=gimp.desktop;\n";
    const struct {
        const char* group;
        const char* key;
        const char* value;
        const char* expected;
    } cases[] = {
        {"Default Applications", "text/plain", "kate.desktop",
         "# mine\n[Default Applications]\ntext/plain=kate.desktop\n\n"
         "[Added Associations]\nimage/png=gimp.desktop;\n"},
        {"Default Applications", "image/x-a", "a.desktop",
         "# mine\n[Default Applications]\ntext/plain=gedit.desktop\nimage/x-a=a.desktop\n\n"
         "[Added Associations]\nimage/png=gimp.desktop;\n"},
        {"Added Associations", "image/x-a", "a.desktop;",
         "# mine\n[Default Applications]\ntext/plain=gedit.desktop\n\n"
         "[Added Associations]\nimage/png=gimp.desktop;\nimage/x-a=a.desktop;\n"},
        {"Removed Associations", "image/x-a", "b.desktop;",
         "# mine\n[Default Applications]\ntext/plain=gedit.desktop\n\n"
         "[Added Associations]\nimage/png=gimp.desktop;\n\n"
         "[Removed Associations]\nimage/x-a=b.desktop;\n"},
    };
    for (const auto& c : cases) {
        const QString changed = SetKeyFileValue(list, c.group, c.key, c.value);
        EXPECT_EQ(changed, c.expected) << c.group << " " << c.key;
        EXPECT_EQ(KeyFileValue(changed, c.group, c.key), QString(c.value));
    }
    EXPECT_EQ(SetKeyFileValue("", "G", "k", "v"), "[G]\nk=v\n");
    // A key of the same name in another group is not the one asked for.
    EXPECT_EQ(KeyFileValue(list, "Added Associations", "text/plain"), std::nullopt);
    EXPECT_EQ(KeyFileValue("[G]\n#k=v\n", "G", "k"), std::nullopt);
}

TEST(XdgKeyFileTest, OnlyOurAssociationsAreTakenOut) {
    const auto ours = [](const QString& key, const QString& id) {
        return id.startsWith("pixora-open-") || (key == "image/x-a" && id == "pixora.desktop");
    };
    const struct {
        const char* before;
        const char* after;
        int removed;
    } cases[] = {
        // Comments, other programs and other groups stay; a list keeps its other ids.
        {"# mine\n[Default Applications]\ntext/plain=gedit.desktop\nimage/x-a=pixora.desktop\n"
         "\n[Added Associations]\nimage/x-a=pixora-open-p-1.desktop;gimp.desktop;\n",
         "# mine\n[Default Applications]\ntext/plain=gedit.desktop\n"
         "\n[Added Associations]\nimage/x-a=gimp.desktop;\n",
         2},
        // The same id for another type, or in a group we never write, is not ours.
        {"[Default Applications]\nimage/x-b=pixora.desktop\n[Removed Associations]\n"
         "image/x-a=pixora-open-p-1.desktop;\n",
         "[Default Applications]\nimage/x-b=pixora.desktop\n[Removed Associations]\n"
         "image/x-a=pixora-open-p-1.desktop;\n",
         0},
        // A group we added goes whole; one with a comment of the user's stays.
        {"[X]\nk=v\n\n[Added Associations]\nimage/x-a=pixora.desktop;\n", "[X]\nk=v\n", 1},
        {"[Added Associations]\n# keep\nimage/x-a=pixora.desktop;\r\n",
         "[Added Associations]\n# keep\n", 1},
        {"[Added Associations]\r\nimage/x-a=pixora.desktop;gimp.desktop;\r\n",
         "[Added Associations]\r\nimage/x-a=gimp.desktop;\r\n", 1},
    };
    for (const auto& c : cases) {
        QStringList removed;
        EXPECT_EQ(RemoveAssociations(c.before, ours, removed), c.after) << c.before;
        EXPECT_EQ(removed.size(), c.removed) << c.before;
    }
}

// Which desktop entries count as this program's installed one.
TEST(XdgRegistryTest, InstalledEntryIsFoundByWhatItsExecStarts) {
    EnsureTestApplication();
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin");
    QDir().mkpath(bin);
    const QString program = bin + "/pixora";
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(QFile::link(program, bin + "/pixora-link"));
    const struct {
        const char* entry;
        bool inDataHome;
        bool found;
    } cases[] = {
        {"Exec=pixora %F", false, true},  // bare, found through the search path
        {"Exec=pixora-link %f", false, true},
        {"Exec=BIN/pixora-link", true, true},
        {"Exec=\"BIN/../bin/pixora\" %U", false, true},
        {"Exec=other %F", false, false},
        {"Exec=pixora %F\nHidden=true", false, false},
        {"Exec=pixora\nType=Link", false, false},
    };
    for (const auto& c : cases) {
        QTemporaryDir folders;
        const QString home = folders.filePath("home");
        const QString system = folders.filePath("system");
        QString entry = QString("[Desktop Entry]\nName=P\n") + c.entry + "\n";
        entry.replace("BIN", bin);
        if (!entry.contains("Type=")) {
            entry += "Type=Application\n";
        }
        const QString folder = (c.inDataHome ? home : system) + "/applications";
        QDir().mkpath(folder);
        QFile desktop(folder + "/pixora.desktop");
        ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
        desktop.write(entry.toUtf8());
        desktop.close();
        XdgFileTypeRegistry registry(home, folders.filePath("config"), {system}, {bin});
        EXPECT_EQ(registry.InstalledEntryFor(program), c.found ? "pixora.desktop" : "") << c.entry;
    }
}

TEST(XdgRegistryTest, ANonWritableFolderFailsCleanly) {
    EnsureTestApplication();
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString home = dir.filePath("not-a-folder/data");
    XdgFileTypeRegistry registry(home, dir.filePath("not-a-folder/config"));
    EXPECT_FALSE(registry.WriteExtensionType(".zzq", "NokiaPictureMessage"));
    EXPECT_FALSE(registry.WriteTypeDescription("NokiaPictureMessage", "Nokia Picture Message"));
    EXPECT_FALSE(registry.WriteOpenCommand("NokiaPictureMessage", "/usr/bin/pixora %1"));
    EXPECT_FALSE(registry.WriteIcon("NokiaPictureMessage", "/usr/bin/pixora,0"));
    std::string type;
    EXPECT_EQ(registry.ReadOpenCommand("NokiaPictureMessage", type), RegistryRead::Missing);
    // Creating the extension failed: the logic beeps and goes on.
    FakeUserInterface ui;
    RegisterFileType(registry, ui, ".zzq", "NokiaPictureMessage", true, "Nokia Picture Message",
                     "/usr/bin/pixora");
    EXPECT_EQ(ui.beeps, 1);
}

TEST(XdgRegistryTest, MalformedArgumentsAreRefused) {
    EnsureTestApplication();
    QTemporaryDir dir;
    XdgFileTypeRegistry registry(dir.filePath("data"), dir.filePath("config"));
    std::string type;
    EXPECT_EQ(registry.ReadExtensionType("npm", type), RegistryRead::Unreadable);
    EXPECT_EQ(registry.ReadExtensionType(".n*m", type), RegistryRead::Unreadable);
    EXPECT_FALSE(registry.WriteExtensionType(".n/m", "NokiaPictureMessage"));
    EXPECT_FALSE(registry.WriteExtensionType(".npm", "Nokia Picture"));
    EXPECT_FALSE(registry.WriteOpenCommand("NokiaPictureMessage", "/usr/bin/pixora"));
    EXPECT_FALSE(registry.WriteOpenCommand("NokiaPictureMessage", "relative/pixora %1"));
    EXPECT_FALSE(registry.WriteOpenCommand("NokiaPictureMessage", "/bin/a\nExec=evil %1"));
    EXPECT_FALSE(registry.WriteIcon("NokiaPictureMessage", "/usr/bin/pixora"));
    EXPECT_FALSE(QDir(dir.filePath("data")).exists());
    EXPECT_FALSE(QFile::exists(registry.MimeAppsFile()));
}

TEST(XdgRegistryTest, OpenCommandRoundTripsThroughTheDesktopEntry) {
    EnsureTestApplication();
    QTemporaryDir dir;
    const std::string program = "/opt/Tamsel Apps/tamsel";
    {
        XdgFileTypeRegistry registry(dir.filePath("data"), dir.filePath("config"));
        std::string command;
        EXPECT_EQ(registry.ReadOpenCommand("NokiaGroupGraphic", command), RegistryRead::Missing);
        ASSERT_TRUE(registry.WriteOpenCommand("NokiaGroupGraphic", program + " %1"));
        ASSERT_TRUE(registry.WriteOpenCommand("NokiaOperatorLogo", program + " %1"));
        EXPECT_EQ(registry.ReadOpenCommand("NokiaGroupGraphic", command), RegistryRead::Found);
        EXPECT_EQ(command, program + " %1");
    }
    const QString entry =
        dir.filePath("data/applications/") + DesktopIdForProgram(QString::fromStdString(program));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    // One entry for the program, naming both types.
    EXPECT_EQ(KeyFileValue(text, "Desktop Entry", "MimeType"),
              "application/x-nokia-group-graphic;application/x-nokia-operator-logo;");
    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validate.isEmpty()) {
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(validate, {entry});
        ASSERT_TRUE(check.waitForFinished(10000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
    }
    // Another program as default: its command is read, and it differs from ours.
    QFile other(dir.filePath("data/applications/gimp.desktop"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Desktop Entry]\nType=Application\nName=G\nExec=gimp-2.10 %U\n");
    other.close();
    QFile list(dir.filePath("config/mimeapps.list"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "[Default Applications]\napplication/x-nokia-group-graphic=gimp.desktop\n"
        "application/x-nokia-operator-logo=gone.desktop\n");
    list.close();
    XdgFileTypeRegistry registry(dir.filePath("data"), dir.filePath("config"));
    std::string command;
    EXPECT_EQ(registry.ReadOpenCommand("NokiaGroupGraphic", command), RegistryRead::Found);
    EXPECT_EQ(command, "gimp-2.10 %1");
    EXPECT_EQ(registry.ReadOpenCommand("NokiaOperatorLogo", command), RegistryRead::Unreadable);
}

// The start-up sequence against real files in a scratch home, each start a fresh process.
class XdgStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureTestApplication();
        if (QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
            GTEST_SKIP() << "update-mime-database is not installed (package shared-mime-info)";
        }
        ini_ = home_.filePath("Brellow.ini");
        environment_ = {"XDG_DATA_HOME=" + home_.filePath("data"),
                        "XDG_CONFIG_HOME=" + home_.filePath("config"),
                        "XDG_DATA_DIRS=" + home_.filePath("system")};
    }
    // What a package would install for own_.
    void InstallEntry() {
        QDir().mkpath(home_.filePath("system/applications"));
        QFile entry(home_.filePath("system/applications/pixora.desktop"));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Pixora\nExec=" +
                    QuoteExecArgument(QString::fromStdString(own_)).toUtf8() +
                    " %F\nMimeType=application/x-nokia-picture-message;\n");
    }
    QByteArray MimeApps() {
        QFile file(home_.filePath("config/mimeapps.list"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    void SeedMimeApps(const QByteArray& bytes) {
        QDir().mkpath(home_.filePath("config"));
        QFile file(home_.filePath("config/mimeapps.list"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList PrivateEntries() {
        return QDir(home_.filePath("data/applications")).entryList({"pixora-open-*"});
    }
    QStringList Start(const QStringList& answers = {}) {
        Helper helper(home_.path(),
                      QStringList{"associate", ini_, QString::fromStdString(own_),
                                  QString::fromStdString(tamsel_)} +
                          answers,
                      environment_);
        return helper.LinesUntilExit(60000);
    }
    QString MimeTypeOf(const QString& name) {
        Helper helper(home_.path(), {"mimetype", name}, environment_);
        return helper.NextLine(20000);
    }
    QString DefaultFor(const QString& mime) {
        QFile file(home_.filePath("config/mimeapps.list"));
        if (!file.open(QIODevice::ReadOnly)) {
            return QString();
        }
        return KeyFileValue(QString::fromUtf8(file.readAll()), "Default Applications", mime)
            .value_or(QString());
    }

    QTemporaryDir home_;
    QString ini_;
    QStringList environment_;
    std::string own_ = "/opt/Pixora Apps/pixora";
    std::string tamsel_;
};

TEST_F(XdgStartupTest, CleanSystemGetsOurTypeAndDefaultWithoutAQuestion) {
    InstallEntry();
    EXPECT_EQ(Start(), QStringList{"BEEPS 0"});
    EXPECT_EQ(MimeTypeOf("picture.npm"), "application/x-nokia-picture-message");
    EXPECT_EQ(MimeTypeOf("PICTURE.NPM"), "application/x-nokia-picture-message");
    EXPECT_EQ(MimeTypeOf("group.ngg"), "application/x-nokia-group-graphic");
    EXPECT_EQ(MimeTypeOf("logo.nol"), "application/x-nokia-operator-logo");
    // Nothing was asked, so the secondary formats are not ours yet.
    EXPECT_NE(MimeTypeOf("message.gms"), "application/x-nokia-picture-message");
    // The installed entry carries the association; no private one is made.
    EXPECT_EQ(DefaultFor("application/x-nokia-picture-message"), "pixora.desktop");
    EXPECT_EQ(PrivateEntries(), QStringList());
    // Without Tamsel Editor installed, group graphics get no program.
    EXPECT_EQ(DefaultFor("application/x-nokia-group-graphic"), QString());
    EXPECT_FALSE(QtSettingsStore(ini_).Read("Settings", "FileTypeWarn").has_value());
}

TEST_F(XdgStartupTest, InstalledSiblingGetsGroupGraphics) {
    tamsel_ = "/opt/Tamsel/tamsel";
    InstallEntry();
    EXPECT_EQ(Start(), QStringList{"BEEPS 0"});
    EXPECT_EQ(DefaultFor("application/x-nokia-group-graphic"),
              DesktopIdForProgram(QString::fromStdString(tamsel_)));
    EXPECT_EQ(DefaultFor("application/x-nokia-picture-message"), "pixora.desktop");
}

// Another program's lines and the user's comments, which nothing of ours may change.
const QByteArray ForeignMimeApps =
    "# chosen by hand\n[Default Applications]\ntext/plain=gedit.desktop\n\n"
    "[Added Associations]\napplication/x-nokia-picture-message=gimp.desktop;\n";

TEST_F(XdgStartupTest, BuildFolderCopyAsksOncePerPathAndLeavesDefaultsAlone) {
    SeedMimeApps(ForeignMimeApps);
    const QString question =
        "QUESTION Some Nokia logo filetypes are not associated with the correct application.";
    EXPECT_EQ(Start({"7"}), (QStringList{question, "BEEPS 0"}));
    EXPECT_EQ(Start(), QStringList{"BEEPS 0"});
    EXPECT_EQ(MimeApps(), ForeignMimeApps);
    EXPECT_EQ(PrivateEntries(), QStringList());

    // Another copy is asked again; Yes makes it the default through an entry of its own.
    own_ = "/home/u/src/pixora/build/pixora";
    EXPECT_EQ(Start({"6"}), (QStringList{question, "BEEPS 0"}));
    const QString id = DesktopIdForProgram(QString::fromStdString(own_));
    EXPECT_EQ(DefaultFor("application/x-nokia-picture-message"), id);
    EXPECT_EQ(PrivateEntries(), QStringList{id});
    // The desktop's own cache of entries by type was rebuilt where the tool exists.
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        EXPECT_TRUE(QFile::exists(home_.filePath("data/applications/mimeinfo.cache")));
    }
}

TEST_F(XdgStartupTest, EntriesOfVanishedProgramsAndUnregisterTakeBackOnlyOurs) {
    SeedMimeApps(ForeignMimeApps);
    QDir().mkpath(home_.filePath("old build"));
    const QString vanishing = home_.filePath("old build/pixora");
    QFile program(vanishing);
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    own_ = vanishing.toStdString();
    Start({"6"});
    ASSERT_EQ(PrivateEntries().size(), 1);
    ASSERT_TRUE(QFile::remove(vanishing));

    own_ = "/opt/Pixora Apps/pixora";
    InstallEntry();
    EXPECT_EQ(Start(), QStringList{"BEEPS 0"});
    EXPECT_EQ(PrivateEntries(), QStringList());
    EXPECT_EQ(DefaultFor("application/x-nokia-picture-message"), "pixora.desktop");
    EXPECT_FALSE(MimeApps().contains("pixora-open-"));

    XdgFileTypeRegistry registry(home_.filePath("data"), home_.filePath("config"),
                                 {home_.filePath("system")}, {});
    const std::vector<std::string> removed = registry.Unregister();
    EXPECT_EQ(MimeApps(), ForeignMimeApps);
    EXPECT_EQ(QDir(home_.filePath("data/mime/packages")).entryList({"*.xml"}), QStringList());
    EXPECT_FALSE(QFile::exists(home_.filePath("data/pixora")));
    // Three packages, two lines naming the installed entry, the record of them.
    EXPECT_EQ(removed.size(), 6u);
    EXPECT_TRUE(QFile::exists(home_.filePath("system/applications/pixora.desktop")));
    EXPECT_TRUE(registry.Unregister().empty());
}

TEST_F(XdgStartupTest, ForeignGmsAsksNoKeepsItYesTakesAllSix) {
    InstallEntry();
    // Another program's package claims ".gms".
    QDir().mkpath(home_.filePath("data/mime/packages"));
    QFile foreign(home_.filePath("data/mime/packages/other.xml"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(
        "<?xml version=\"1.0\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-other-gms\"><comment>Other</comment>"
        "<glob pattern=\"*.gms\"/></mime-type>\n</mime-info>\n");
    foreign.close();
    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home_.filePath("data"));
    update.setProcessEnvironment(environment);
    update.start(QStandardPaths::findExecutable("update-mime-database"),
                 {home_.filePath("data/mime")});
    ASSERT_TRUE(update.waitForFinished(30000));
    ASSERT_EQ(update.exitCode(), 0);
    const QString question =
        "QUESTION Some Nokia logo filetypes are not associated with the correct application.";

    EXPECT_EQ(Start({"7"}), (QStringList{question, "BEEPS 0"}));
    EXPECT_EQ(MimeTypeOf("a.gms"), "application/x-other-gms");
    EXPECT_EQ(QtSettingsStore(ini_).Read("Settings", "FileTypeWarn"), "1");
    // No keeps asking.
    EXPECT_EQ(Start({"7"}), (QStringList{question, "BEEPS 0"}));

    EXPECT_EQ(Start({"6"}), (QStringList{question, "BEEPS 0"}));
    EXPECT_EQ(QtSettingsStore(ini_).Read("Settings", "FileTypeWarn"), "0");
    EXPECT_EQ(MimeTypeOf("a.gms"), "application/x-nokia-picture-message");
    for (const char* name : {"a.nlm", "a.nsl", "a.otb", "a.ngl", "a.i61"}) {
        EXPECT_EQ(MimeTypeOf(name), "application/x-nokia-group-graphic") << name;
    }
    // Never again a question.
    EXPECT_EQ(Start(), QStringList{"BEEPS 0"});
}

TEST(DesktopServicesTest, ProgramGetsExactlyOneArgument) {
    EnsureTestApplication();
    QTemporaryDir dir;
    const QString script = dir.filePath("sibling tool");
    const QString record = dir.filePath("record");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + record + "'\n").toUtf8());
    file.close();
    const std::string argument = "/tmp/x/PMTMP001.NPM with 'quotes' \"and\" $HOME";
    const struct {
        QFileDevice::Permissions permissions;
        bool started;
    } cases[] = {
        {QFileDevice::ReadOwner, false},
        {QFileDevice::ReadOwner | QFileDevice::ExeOwner, true},
    };
    for (const auto& c : cases) {
        QFile::remove(record);
        file.setPermissions(c.permissions);
        EXPECT_TRUE(FileExists(script.toStdString()));
        // Root may run a file without its execute bit only when some bit is set: none is here.
        EXPECT_EQ(RunWithArgument(script.toStdString(), argument), c.started);
    }
    for (int i = 0; i < 100 && !QFile::exists(record); ++i) {
        QThread::msleep(20);
    }
    QThread::msleep(50);
    QFile result(record);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll().toStdString(), "1|" + argument);
    EXPECT_FALSE(RunWithArgument(dir.filePath("missing").toStdString(), argument));
    EXPECT_FALSE(RunWithArgument("", argument));
    EXPECT_FALSE(FileExists(dir.path().toStdString()));
    EXPECT_FALSE(FileExists(dir.filePath("missing").toStdString()));
    EXPECT_FALSE(FileExists(""));
}

}  // namespace
}  // namespace pixora
