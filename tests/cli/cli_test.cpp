// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli as a script sees it: the built program run as a child process, with its own settings
// folder, on files made here.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>
#include "cli/cli_run.h"

#include "core/edit_ops.h"
#include "core/picture.h"
#include "core/raster.h"
#include "core/strings.h"
#include "core/text.h"
#include "core/utf8.h"
#include "formats/bmp_file.h"
#include "formats/ngg_file.h"
#include "formats/nlm_file.h"
#include "formats/npm_file.h"
#include "formats/save_dispatch.h"
#include "formats/wbmp_file.h"

namespace pixora {
namespace {

using ProcessRun = testing::CliRun;

using testing::ReadBytes;
using testing::WriteBytes;

// The expected "show" output of a picture and its text.
std::string ShowOf(const PictureGrid& picture, const std::string& textUtf8) {
    std::string text;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            text += picture.IsSet(x, y) ? '#' : '.';
        }
        text += '\n';
    }
    return text + "text: " + textUtf8 + "\n";
}

PictureGrid Rectangle(int x1, int y1, int x2, int y2) {
    PictureGrid picture;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            picture.Set(x, y, 1);
        }
    }
    return picture;
}

// A picture with something in every corner and a diagonal, so flips and shifts show.
PictureGrid Marked() {
    PictureGrid picture;
    for (int i = 0; i < PictureHeight; ++i) {
        picture.Set(i * 2, i, 1);
    }
    picture.Set(0, 0, 1);
    picture.Set(71, 0, 1);
    picture.Set(0, 27, 1);
    picture.Set(71, 27, 1);
    picture.Set(40, 5, 1);
    return picture;
}

// Bits row by row from the top, MSB first; `setBit` is the bit value of a set pixel.
std::string PackedRows(const PictureGrid& picture, bool padRows, bool setBit) {
    std::string bytes;
    int bit = 0;
    unsigned value = 0;
    auto flush = [&] {
        bytes.push_back(static_cast<char>(value));
        value = 0;
        bit = 0;
    };
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (picture.IsSet(x, y) == setBit) {
                value |= 0x80u >> bit;
            }
            if (++bit == 8) {
                flush();
            }
        }
        if (padRows && bit != 0) {
            flush();
        }
    }
    return bytes;
}

std::string WbmpBytes(const PictureGrid& picture) {
    return std::string("\x00\x00\x48\x1C", 4) + PackedRows(picture, true, false);
}

std::string OtbBytes(const PictureGrid& picture) {
    return std::string("\x00\x48\x1C\x01", 4) + PackedRows(picture, false, true);
}

// An operator logo of 72 x 14: one byte per pixel, centred into rows 7..20 on opening.
std::string NolBytes(const PictureGrid& logo14) {
    std::string bytes("NOL\0\x01\x00", 6);
    bytes += std::string("\xF2\x00\x01\x00", 4);  // operator codes
    bytes += std::string("\x48\x00\x0E\x00", 4);  // 72 x 14
    bytes += std::string(6, '\0');
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            bytes += logo14.IsSet(x, y) ? '1' : '0';
        }
    }
    return bytes;
}

PictureGrid ShiftedDown(const PictureGrid& picture, int rows) {
    PictureGrid shifted;
    for (int y = 0; y + rows < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            shifted.Set(x, y + rows, picture.At(x, y));
        }
    }
    return shifted;
}

std::string BmpOf(int width, int height, Rgb background,
                  const std::function<Rgb(int, int)>& colourAt) {
    Raster image(width, height, background);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.SetPixel(x, y, colourAt(x, y));
        }
    }
    return WriteBmpFile(image);
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // The child may run as another user (below); it must reach its files.
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup);
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString ConfigHome() const { return dir_.filePath("config"); }
    QString IniPath() const { return ConfigHome() + "/Brellow/Brellow.ini"; }

    void WriteSettings(const std::string& settingsLines) {
        WriteBytes(IniPath(), "[Settings]\n" + settingsLines);
    }

    // Runs the program with a settings folder of its own and no display of any kind.
    ProcessRun RunCli(const QStringList& args, std::function<void()> inChild = {}) {
        QProcess process;
        process.setProcessEnvironment(testing::HeadlessEnvironment(ConfigHome()));
        if (inChild) {
            process.setChildProcessModifier(inChild);
        }
        process.start(PIXORA_CLI_PATH, args);
        return testing::FinishCliRun(process);
    }

    QTemporaryDir dir_;
};

struct ShowCase {
    const char* name;
    const char* fileName;
    std::function<std::string()> bytes;
    PictureGrid expected;
    std::string textUtf8;
    std::string settings;  // lines of the [Settings] section
};

TEST_F(CliTest, ShowPrintsThePictureOfEveryKindOfFile) {
    const PictureGrid marked = Marked();
    const PictureGrid logo = Rectangle(3, 2, 60, 11);
    const std::vector<ShowCase> cases = {
        {"picture message with text", "a.npm",
         [&] { return WritePictureMessageFile(marked, U"Grüße, Jürgen", "someone", 0.5); }, marked,
         "Grüße, Jürgen", ""},
        {"wireless bitmap", "a.wbmp", [&] { return WbmpBytes(marked); }, marked, "", ""},
        {"short wireless bitmap name", "A.WBM", [&] { return WbmpBytes(marked); }, marked, "", ""},
        {"over-the-air bitmap", "a.otb", [&] { return OtbBytes(marked); }, marked, "", ""},
        {"operator logo centred", "a.nol", [&] { return NolBytes(logo); }, ShiftedDown(logo, 7), "",
         ""},
        // The reader comes from the extension text anywhere in the path, folders included.
        {"extension in a folder name", "pics.otb.d/a.npm", [&] { return OtbBytes(marked); }, marked,
         "", ""},
        // 144 x 56 with a black block: shrunk to half without the resize question being asked,
        // even when the user wants to be asked.
        {"bitmap shrunk without asking", "big.bmp",
         [] {
             return BmpOf(144, 56, MakeRgb(255, 255, 255), [](int x, int y) {
                 return x >= 20 && x < 60 && y >= 10 && y < 30 ? MakeRgb(0, 0, 0)
                                                               : MakeRgb(255, 255, 255);
             });
         },
         Rectangle(10, 5, 29, 14), "", "WarnIfResize=1\n"},
        // Grey counts as set only at the user's level, which is read from the editor's settings.
        {"import level from settings", "grey.bmp",
         [] {
             return BmpOf(72, 28, MakeRgb(255, 255, 255), [](int x, int y) {
                 return x < 36 ? MakeRgb(128, 128, 128)
                               : (y < 14 ? MakeRgb(0, 0, 0) : MakeRgb(255, 255, 255));
             });
         },
         [] {
             PictureGrid p = Rectangle(0, 0, 35, 27);
             for (int y = 0; y < 14; ++y) {
                 for (int x = 36; x < 72; ++x) {
                     p.Set(x, y, 1);
                 }
             }
             return p;
         }(),
         "", "ImportLevel=8421504\n"},
        {"default import level", "grey.bmp",
         [] {
             return BmpOf(72, 28, MakeRgb(255, 255, 255), [](int x, int) {
                 return x < 36 ? MakeRgb(128, 128, 128) : MakeRgb(0, 0, 0);
             });
         },
         Rectangle(36, 0, 71, 27), "", ""},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettings(c.settings);
        WriteBytes(Path(c.fileName), c.bytes());
        const ProcessRun run = RunCli({"show", Path(c.fileName)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, ShowOf(c.expected, c.textUtf8));
        EXPECT_EQ(run.err, "");
    }
}

struct RejectCase {
    const char* name;
    const char* fileName;
    std::string bytes;  // "<dir>" makes a folder, "<fifo>" a named pipe, "<none>" no file at all
    std::string message;
    // For a file that could not be read at all: the second line names it and says why.
    std::string reason = "";
};

TEST_F(CliTest, RejectedFilesGiveTheEditorsMessageAndStatusOne) {
    const std::string cantRead = "Can't read this file. Try another file.\n";
    const std::vector<RejectCase> cases = {
        {"wireless bitmap too wide", "wide.wbmp", std::string("\x00\x00\x81\x02\x1C", 5),
         "Can't read this WBMP file.\nMaximum supported size is 127x127 pixel.\n"},
        {"wireless bitmap cut short", "short.wbmp", std::string("\x00\x00\x48\x1C\xFF", 5),
         "Can't read this WBMP file.\nMaximum supported size is 127x127 pixel.\n"},
        {"empty picture message", "empty.npm", "", cantRead},
        {"logo file of another kind", "x.nlm", "NLM?junk",
         "Can't read this NLM file. Try another file.\n"},
        {"over-the-air bitmap of another size", "x.otb",
         std::string("\x00\x10\x10\x01", 4) + std::string(32, '\xFF'),
         "Can't read this OTB file. Try another file.\n"},
        {"group graphic with a bad magic", "x.ngg", std::string("NXX\0\x01\x00", 6), cantRead},
        // The editor stays quiet for these; the program still says something.
        {"group graphic with a negative size", "neg.ngg",
         std::string("NGG\0\x01\x00\xFF\xFF\x1C\x00", 10) + std::string(6, '\0'), cantRead},
        {"folder passed as a file", "folder.npm", "<dir>", cantRead, "not a regular file"},
        {"missing file", "missing.npm", "<none>", cantRead, "No such file or directory"},
        {"missing picture", "missing.bmp", "<none>", cantRead, "No such file or directory"},
        {"picture that no decoder takes", "bad.bmp", "BM this is no bitmap", cantRead},
        // Reading would wait for a writer for ever; the answer comes at once instead.
        {"named pipe", "pipe.npm", "<fifo>", cantRead, "not a regular file"},
        {"named pipe named like a picture", "pipe.bmp", "<fifo>", cantRead, "not a regular file"},
        {"device", "/dev/null", "<none>", cantRead, "not a regular file"},
        {"control characters in the name", "\x1b]0;owned\x07\n.npm", "<none>", cantRead,
         "No such file or directory"},
    };
    for (const RejectCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.fileName[0] == '/' ? QString(c.fileName) : Path(c.fileName);
        if (c.bytes == "<dir>") {
            QDir().mkpath(path);
        } else if (c.bytes == "<fifo>") {
            ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        } else if (c.bytes != "<none>") {
            WriteBytes(path, c.bytes);
        }
        const ProcessRun run = RunCli({"show", path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        // Every line names the program and the file, and the editor's text follows unchanged.
        const std::string name = path.toStdString();
        const std::string prefix =
            "pixora-cli: " + (name.find('\x1b') == std::string::npos ? name : QuotedName(name)) +
            ": ";
        std::string expected;
        const std::string lines = c.message + (c.reason.empty() ? "" : c.reason + "\n");
        for (size_t at = 0, end = 0; at < lines.size(); at = end + 1) {
            end = lines.find('\n', at);
            expected += prefix + lines.substr(at, end - at) + "\n";
        }
        EXPECT_EQ(run.err, expected);
    }
}

TEST_F(CliTest, ImportLevelThatIsNoNumberIsNamed) {
    WriteSettings("ImportLevel=dark\n");
    WriteBytes(Path("a.bmp"),
               BmpOf(72, 28, MakeRgb(0, 0, 0), [](int, int) { return MakeRgb(0, 0, 0); }));
    const ProcessRun run = RunCli({"show", Path("a.bmp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\"ImportLevel\""), std::string::npos) << run.err;
}

TEST_F(CliTest, ConvertedFilesOpenToTheSamePicture) {
    const PictureGrid marked = Marked();
    WriteSettings("UserName=Ada Byron\n");
    WriteBytes(Path("in.npm"), WritePictureMessageFile(marked, U"Hallo Welt", "x", 0.1));
    struct Step {
        const char* input;
        const char* output;
        std::string expectedText;  // of "show OUTPUT"
    };
    // npm -> wbmp -> npm -> bmp -> npm: the text survives only picture-message steps.
    const std::vector<Step> steps = {
        {"in.npm", "copy.npm", "Hallo Welt"},
        {"in.npm", "out.wbmp", ""},
        {"out.wbmp", "again.npm", ""},
        {"in.npm", "out.bmp", ""},
        {"out.bmp", "from_bmp.npm", ""},
        {"in.npm", "Short.WBM", ""},
        {"in.npm", "in folder.wbmp.d/x.bmp", ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.input) + " -> " + s.output);
        QDir().mkpath(QFileInfo(Path(s.output)).path());
        const ProcessRun convert = RunCli({"convert", Path(s.input), Path(s.output)});
        EXPECT_EQ(convert.exitCode, 0) << convert.err;
        EXPECT_EQ(convert.out, "");
        const ProcessRun show = RunCli({"show", Path(s.output)});
        EXPECT_EQ(show.exitCode, 0) << show.err;
        EXPECT_EQ(show.out, ShowOf(marked, s.expectedText));
    }
    // The writers themselves, byte for byte where they are deterministic.
    EXPECT_EQ(ReadBytes(Path("out.wbmp")), WriteWbmpFile(marked));
    // ".WBM" anywhere in the name makes a WBMP even when the name ends in ".bmp", as Export does.
    EXPECT_EQ(ReadBytes(Path("in folder.wbmp.d/x.bmp")), WriteWbmpFile(marked));
    EXPECT_NE(ReadBytes(Path("copy.npm")).find("Made by Ada Byron"), std::string::npos);
}

TEST_F(CliTest, EmptyPictureIsWrittenWithoutAQuestion) {
    WriteSettings("WarnIfEmpty=1\n");
    WriteBytes(Path("empty.npm"), WritePictureMessageFile(PictureGrid(), U"", "", 0.0));
    for (const char* output : {"e.wbmp", "e.bmp", "e.npm"}) {
        SCOPED_TRACE(output);
        const ProcessRun run = RunCli({"convert", Path("empty.npm"), Path(output)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(QFileInfo::exists(Path(output)));
    }
    EXPECT_EQ(ReadBytes(Path("e.wbmp")), WriteWbmpFile(PictureGrid()));
}

// Independent readers of the exported files, where installed.
TEST_F(CliTest, ExportedFilesReadInNetpbm) {
    const QString bmptopnm = QStandardPaths::findExecutable("bmptopnm");
    const QString wbmptopbm = QStandardPaths::findExecutable("wbmptopbm");
    if (bmptopnm.isEmpty() || wbmptopbm.isEmpty()) {
        GTEST_SKIP() << "netpbm is not installed";
    }
    const PictureGrid marked = Marked();
    WriteBytes(Path("in.npm"), WritePictureMessageFile(marked, U"", "", 0.0));
    ASSERT_EQ(RunCli({"convert", Path("in.npm"), Path("out.bmp")}).exitCode, 0);
    ASSERT_EQ(RunCli({"convert", Path("in.npm"), Path("out.wbmp")}).exitCode, 0);

    auto decode = [](const QString& tool, const QString& file) {
        QProcess process;
        process.setStandardInputFile(file);
        process.start(tool, {});
        process.waitForFinished(30000);
        return process.readAllStandardOutput();
    };
    // P6 72 28 255: the two colours of the output bitmap, rows from the top.
    const QByteArray ppm = decode(bmptopnm, Path("out.bmp"));
    const QByteArray ppmHeader = "P6\n72 28\n255\n";
    ASSERT_TRUE(ppm.startsWith(ppmHeader)) << ppm.left(20).toStdString();
    ASSERT_EQ(ppm.size(), ppmHeader.size() + 72 * 28 * 3);
    // P4 72 28: 9 bytes a row, 1 = black.
    const QByteArray pbm = decode(wbmptopbm, Path("out.wbmp"));
    const QByteArray pbmHeader = "P4\n72 28\n";
    ASSERT_TRUE(pbm.startsWith(pbmHeader)) << pbm.left(20).toStdString();
    ASSERT_EQ(pbm.size(), pbmHeader.size() + 9 * 28);
    int wrong = 0;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const auto* rgb =
                reinterpret_cast<const unsigned char*>(ppm.constData() + ppmHeader.size()) +
                (y * 72 + x) * 3;
            const bool set = marked.IsSet(x, y);
            const int expected[3] = {set ? 0 : 120, set ? 0 : 190, set ? 0 : 110};
            wrong += rgb[0] != expected[0] || rgb[1] != expected[1] || rgb[2] != expected[2];
            const auto row = static_cast<unsigned char>(pbm[pbmHeader.size() + y * 9 + x / 8]);
            wrong += (((row >> (7 - x % 8)) & 1) != 0) != set;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(CliTest, FailedConversionsSayWhyAndLeaveTheOutputAlone) {
    WriteBytes(Path("in.npm"), WritePictureMessageFile(Marked(), U"", "", 0.0));
    const std::string oldBytes = "the user's old file";
    struct FailCase {
        const char* name;
        const char* output;
        bool oldFile;
        std::function<void()> inChild;
        std::string errorPart;
    };
    const std::vector<FailCase> cases = {
        {"unknown output extension", "out.tif", true, {}, "unknown output type"},
        {"unknown extension and no file", "out", false, {}, "unknown output type"},
        {"escape sequence in the name",
         "\x1b[2Jout.tif",
         true,
         {},
         "\\x1b[2Jout.tif\": unknown output type"},
        {"folder that does not exist",
         "nowhere/out.wbmp",
         false,
         {},
         "/nowhere/out.wbmp: cannot write the file: No such file or directory"},
        // A full disk: the child may write no file larger than 100 bytes.
        {"full disk keeps the old file", "full.wbmp", true,
         [] {
             signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{100, 100};
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         "cannot write the file: File too large"},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.oldFile) {
            WriteBytes(Path(c.output), oldBytes);
        }
        const ProcessRun run = RunCli({"convert", Path("in.npm"), Path(c.output)}, c.inChild);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
        if (c.oldFile) {
            EXPECT_EQ(ReadBytes(Path(c.output)), oldBytes);
        } else {
            EXPECT_FALSE(QFileInfo::exists(Path(c.output)));
        }
        // No temporary file is left beside the output.
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), c.oldFile ? 2 : 1);
        if (c.oldFile) {
            QFile::remove(Path(c.output));
        }
    }
}

TEST_F(CliTest, ReadOnlyFolderKeepsTheOldFile) {
    WriteBytes(Path("in.npm"), WritePictureMessageFile(Marked(), U"", "", 0.0));
    const QString folder = Path("locked");
    WriteBytes(folder + "/out.wbmp", "old");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    // Root writes anywhere; then the child runs as the unprivileged user.
    std::function<void()> asUser;
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (nobody == nullptr) {
            GTEST_SKIP() << "no unprivileged user to run as";
        }
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        asUser = [uid, gid] {
            if (setgid(gid) != 0 || setuid(uid) != 0) {
                _exit(99);
            }
        };
    }
    const ProcessRun run = RunCli({"convert", Path("in.npm"), folder + "/out.wbmp"}, asUser);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(ReadBytes(folder + "/out.wbmp"), "old");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1);
}

TEST_F(CliTest, SettingsFileIsNeverWritten) {
    const std::string ini =
        "[Settings]\nUserName=Ada\nWarnIfResize=1\nImportLevel=8421504\n\n"
        "[Zorvet Settings]\nLeft=10\nCurrentBusy=False\n\n"
        "[Zorvet Recent File List]\nFile1=/somewhere/else.npm\n";
    WriteBytes(IniPath(), ini);
    QFile::setPermissions(IniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QDateTime before = QFileInfo(IniPath()).lastModified();
    WriteBytes(Path("in.npm"), WritePictureMessageFile(Marked(), U"Hi", "", 0.0));
    WriteBytes(Path("big.bmp"),
               BmpOf(200, 100, MakeRgb(0, 0, 0), [](int, int) { return MakeRgb(0, 0, 0); }));
    const std::vector<QStringList> runs = {
        {"show", Path("in.npm")},
        {"show", Path("big.bmp")},
        {"convert", Path("in.npm"), Path("out.npm")},
        {"convert", Path("big.bmp"), Path("out.bmp")},
        {"show", Path("missing.npm")},
    };
    for (const QStringList& args : runs) {
        SCOPED_TRACE(args.join(' ').toStdString());
        RunCli(args);
        EXPECT_EQ(ReadBytes(IniPath()), ini);
        EXPECT_EQ(QFileInfo(IniPath()).lastModified(), before);
        EXPECT_EQ(
            QDir(ConfigHome() + "/Brellow").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{"Brellow.ini"});
    }
    // And the settings were read: the author went into the picture message.
    EXPECT_NE(ReadBytes(Path("out.npm")).find("Made by Ada"), std::string::npos);
}

TEST_F(CliTest, UsageHelpAndVersion) {
    const std::string version = "pixora-cli " + std::to_string(PIXORA_VERSION_MAJOR) + "." +
                                std::to_string(PIXORA_VERSION_MINOR) + "." +
                                std::to_string(PIXORA_VERSION_PATCH) + "\n";
    struct UsageCase {
        QStringList args;
        int exitCode;
        std::string outPart;  // "" = nothing on standard output
        std::string errPart;  // "" = nothing on standard error
    };
    const std::vector<UsageCase> cases = {
        {{"--version"}, 0, version, ""},
        {{"--help"}, 0, "convert INPUT OUTPUT", ""},
        {{"--help"}, 0, "show INPUT", ""},
        {{}, 2, "", "Usage:"},
        {{"frobnicate"}, 2, "", "unknown command 'frobnicate'"},
        {{"show"}, 2, "", "Usage: pixora-cli show INPUT"},
        {{"convert", "a.npm"}, 2, "", "Usage: pixora-cli convert INPUT OUTPUT"},
        {{"show", "a", "b"}, 2, "", "Usage: pixora-cli show INPUT"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProcessRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.outPart.empty()) {
            EXPECT_EQ(run.out, "");
        } else {
            EXPECT_NE(run.out.find(c.outPart), std::string::npos) << run.out;
        }
        if (c.errPart.empty()) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
        }
    }
    EXPECT_EQ(RunCli({"--version"}).out, version);
}

TEST_F(CliTest, ConvertOptionsChooseFitThresholdDitherAndInvert) {
    // White on the left to black on the right, four source pixels to a cell.
    WriteBytes(Path("grad.bmp"), BmpOf(288, 112, MakeRgb(255, 255, 255), [](int x, int) {
                   const int grey = 255 - x * 255 / 287;
                   return MakeRgb(grey, grey, grey);
               }));
    WriteBytes(Path("in.npm"), WritePictureMessageFile(Marked(), U"", "x", 0.1));
    const auto convert = [&](const QStringList& args) {
        const ProcessRun run = RunCli(QStringList{"convert"} + args + QStringList{Path("o.npm")});
        const ProcessRun show = RunCli({"show", Path("o.npm")});
        return std::make_pair(run, show.out);
    };
    const auto [halves, halvesShown] = convert({Path("grad.bmp"), "--threshold", "128"});
    ASSERT_EQ(halves.exitCode, 0) << halves.err;
    // Stretch shrinks as the plain import does: a cell takes its darkest pixel, the rightmost
    // of its four columns.
    PictureGrid expectedHalves;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            expectedHalves.Set(x, y, 255 - (4 * x + 3) * 255 / 287 <= 128 ? 1 : 0);
        }
    }
    EXPECT_EQ(halvesShown, ShowOf(expectedHalves, ""));
    PictureGrid inverse = expectedHalves;
    InvertPicture(inverse);
    EXPECT_EQ(convert({Path("grad.bmp"), "--threshold=128", "--invert"}).second,
              ShowOf(inverse, ""));
    // Each dither gives a picture of its own, darker to the right.
    std::set<std::string> dithered;
    for (const char* method : {"none", "floyd-steinberg", "atkinson", "bayer"}) {
        const auto [run, shown] = convert({Path("grad.bmp"), "--dither", method});
        EXPECT_EQ(run.exitCode, 0) << method << run.err;
        dithered.insert(shown);
        const std::string firstRow = shown.substr(0, PictureWidth);
        EXPECT_LT(std::count(firstRow.begin(), firstRow.begin() + 36, '#'),
                  std::count(firstRow.begin() + 36, firstRow.end(), '#'))
            << method;
    }
    EXPECT_EQ(dithered.size(), 4u);
    // A phone graphic can be inverted, not refitted.
    PictureGrid marked = Marked();
    InvertPicture(marked);
    EXPECT_EQ(convert({Path("in.npm"), "--invert"}).second, ShowOf(marked, ""));
    struct Refused {
        QStringList args;
        int exitCode;
    };
    for (const Refused& r : {Refused{{Path("in.npm"), "--dither", "bayer"}, 1},
                             Refused{{Path("grad.bmp"), "--fit", "sideways"}, 2},
                             Refused{{Path("grad.bmp"), "--threshold", "256"}, 2},
                             Refused{{Path("grad.bmp"), "--threshold"}, 2}}) {
        EXPECT_EQ(convert(r.args).first.exitCode, r.exitCode) << r.args.join(' ').toStdString();
    }
}

// The phone formats' options reach the writers, and an option the output cannot carry is refused
// before anything is written.
TEST_F(CliTest, ConvertWritesPhoneFormatsWithTheirOptions) {
    const PictureGrid marked = Marked();
    WriteBytes(Path("in.npm"), WritePictureMessageFile(marked, U"Hi", "", 0.0));
    struct Case {
        QStringList args;  // after INPUT
        int exitCode;
        SaveFormat format;  // what the file must hold when written
        WriteOptions options;
    };
    const Case cases[] = {
        {{"o.nol", "--operator", "244", "5"}, 0, SaveFormat::Nol, {{}, {}, 244, 5}},
        {{"s.nlm", "--type", "startup"}, 0, SaveFormat::Nlm, {{}, NlmType::Startup, 0, 0}},
        {{"c.nlm", "--type=caller", "--size", "78x21"},
         0,
         SaveFormat::Nlm,
         {LogoSize{78, 21}, NlmType::Caller, 0, 0}},
        {{"m.BMP", "--mono", "--size=96x65"}, 0, SaveFormat::MonoBmp, {LogoSize{96, 65}, {}, 0, 0}},
        {{"t.otb", "--size", "78x21"}, 0, SaveFormat::Otb, {LogoSize{78, 21}, {}, 0, 0}},
        {{"p.gms"}, 0, SaveFormat::Gms, {}},
        {{"x1.otb", "--size", "10x10"}, 2, {}, {}},
        {{"x2.bmp", "--operator", "1", "2"}, 2, {}, {}},
        {{"x3.nlm", "--type", "sideways"}, 2, {}, {}},
        {{"x4.nlm", "--type", "picture", "--size", "84x48"}, 2, {}, {}},
        {{"x5.ngg", "--size", "72"}, 2, {}, {}},
        {{"x6.nol", "--operator", "244"}, 2, {}, {}},
    };
    for (const Case& c : cases) {
        const QString output = c.args.front();
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProcessRun run =
            RunCli(QStringList{"convert", Path("in.npm"), Path(output)} + c.args.mid(1));
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        if (c.exitCode != 0) {
            EXPECT_FALSE(QFileInfo::exists(Path(output)));
            continue;
        }
        EXPECT_EQ(ReadBytes(Path(output)), EncodePicture(c.format, marked, U"Hi", {}, c.options));
    }
    // The PNG as Qt reads it: black on white, the picture top-left.
    ASSERT_EQ(RunCli({"convert", Path("in.npm"), Path("p.png"), "--size", "84x48"}).exitCode, 0);
    const QImage png(Path("p.png"));
    ASSERT_EQ(png.size(), QSize(84, 48));
    int wrong = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 84; ++x) {
            const bool set = PictureGrid::Contains(x, y) && marked.IsSet(x, y);
            wrong += png.pixelColor(x, y) != (set ? QColor(Qt::black) : QColor(Qt::white)) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace pixora
