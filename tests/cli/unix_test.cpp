// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli in a pipeline: "-" for standard input and output, many files in one run, messages
// that name the file, per-command help and the info command's fields.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "core/picture.h"
#include "core/raster.h"
#include "formats/bmp_file.h"
#include "formats/npm_file.h"
#include "formats/wbmp_file.h"

namespace pixora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

PictureGrid Diagonal() {
    PictureGrid picture;
    for (int i = 0; i < PictureHeight; ++i) {
        picture.Set(i * 2, i, 1);
    }
    picture.Set(71, 0, 1);
    return picture;
}

std::string Rows(const PictureGrid& picture, size_t bytesPerRow) {
    std::string rows;
    for (int y = 0; y < PictureHeight; ++y) {
        for (size_t i = 0; i < bytesPerRow; ++i) {
            uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(i) * 8 + bit;
                byte = static_cast<uint8_t>(byte << 1 |
                                            (x < PictureWidth && picture.IsSet(x, y) ? 1 : 0));
            }
            rows.push_back(static_cast<char>(byte));
        }
    }
    return rows;
}

std::string NlmPicture() {
    return std::string("NLM \x01\x03\x00\x48\x1C\x01", 10) + Rows(Diagonal(), 9);
}
std::string Otb() {
    return std::string("\x00\x48\x1C\x01", 4) + Rows(Diagonal(), 9);
}
std::string Gms(const std::string& text) {
    return std::string("0\x00\x00", 3) + static_cast<char>(text.size()) + text +
           std::string("\x02\x01\x00\x00\x48\x1C\x01", 7) + Rows(Diagonal(), 9);
}
std::string OperatorLogo() {
    // Country 262, network 1, 78 x 21.
    return std::string("NOL\x00\x01\x00\x06\x01\x01\x00\x4E\x00\x15\x00", 14) +
           std::string(6, '\0') + std::string(78 * 21, '1');
}
std::string Bitmap() {
    Raster image(PictureWidth, PictureHeight);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (Diagonal().IsSet(x, y)) {
                image.SetPixel(x, y, MakeRgb(0, 0, 0));
            }
        }
    }
    return WriteBmpFile(image);
}

class CliUnixTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    testing::CliRun Run(const QStringList& args, const std::string& input = {}) {
        QProcess process;
        process.setProcessEnvironment(testing::HeadlessEnvironment(dir_.filePath("config")));
        process.start(PIXORA_CLI_PATH, args);
        process.write(input.data(), static_cast<qint64>(input.size()));
        process.closeWriteChannel();
        return testing::FinishCliRun(process);
    }

    QTemporaryDir dir_;
};

TEST_F(CliUnixTest, StandardInputAndOutputGiveTheBytesOfFiles) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* fileName;  // what the same bytes are called as a file
        QStringList fromOption;
        const char* to;
    };
    const std::vector<Case> cases = {
        {"picture message by its signature",
         WritePictureMessageFile(Diagonal(), U"Hi", "", 0.5),
         "in.npm",
         {},
         "wbmp"},
        {"logo by its signature", NlmPicture(), "in.nlm", {}, "npm"},
        {"over-the-air bitmap named", Otb(), "in.otb", {"--from", "otb"}, "bmp"},
        {"bitmap through the import", Bitmap(), "in.bmp", {}, "wbmp"},
        {"bitmap named with =", Bitmap(), "in.bmp", {"--from=bmp"}, "npm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(Path(c.fileName), c.bytes);
        const QString file = Path(QString("out.") + c.to);
        const testing::CliRun toFile = Run({"convert", Path(c.fileName), file});
        ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
        const testing::CliRun piped =
            Run(QStringList{"convert", "-", "-", "--to", c.to} + c.fromOption, c.bytes);
        EXPECT_EQ(piped.exitCode, 0) << piped.err;
        EXPECT_EQ(piped.err, "");
        std::string expected = ReadBytes(file);
        if (std::string(c.to) == "npm") {
            // The stamp byte after the text is new at every write.
            ASSERT_EQ(piped.out.size(), expected.size());
            expected[10] = piped.out[10];
        }
        EXPECT_EQ(piped.out, expected);
        const testing::CliRun shown = Run(QStringList{"show", "-"} + c.fromOption, c.bytes);
        EXPECT_EQ(shown.out, Run({"show", Path(c.fileName)}).out);
    }
}

TEST_F(CliUnixTest, MistakesNameTheProgramAndTheFile) {
    struct Case {
        QStringList args;
        std::string input;
        int exitCode;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"show", "-"},
         Otb(),
         1,
         "pixora-cli: -: give the type with --from TYPE: these contents have no signature\n"},
        {{"show", "-", "--from", "xyz"},
         Otb(),
         1,
         "pixora-cli: -: --from xyz: no reader takes this type\n"},
        {{"show", "-", "--from", "nlm"},
         "NLM?junk",
         1,
         "pixora-cli: -: Can't read this NLM file. Try another file.\n"},
        {{"convert", "-", "out.tga", "--to", "tga"},
         NlmPicture(),
         1,
         "pixora-cli: --to tga: unknown output type; use .npm, .bmp, .wbmp, .otb, .nlm, .ngg, "
         ".nol, .gms, .nsl, .ngl or .png\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const testing::CliRun run = Run(c.args, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
    const testing::CliRun noType = Run({"convert", "-", "-"}, NlmPicture());
    EXPECT_EQ(noType.exitCode, 2);
    EXPECT_NE(noType.err.find("standard output needs --to TYPE"), std::string::npos);
}

TEST_F(CliUnixTest, BatchGoesOnAfterABadFile) {
    WriteBytes(Path("a.nlm"), NlmPicture());
    WriteBytes(Path("bad.nlm"), "NLM?junk");
    WriteBytes(Path("c.otb"), Otb());
    ASSERT_TRUE(QDir().mkpath(Path("out")));
    const testing::CliRun run = Run({"convert", "--to=wbmp", "--out-dir", Path("out"),
                                     Path("a.nlm"), Path("bad.nlm"), Path("c.otb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "pixora-cli: " + Path("bad.nlm").toStdString() +
                           ": Can't read this NLM file. Try another file.\n"
                           "pixora-cli: 1 of 3 files not converted\n");
    const std::string wbmp = WriteWbmpFile(Diagonal());
    EXPECT_EQ(ReadBytes(Path("out/a.wbmp")), wbmp);
    EXPECT_EQ(ReadBytes(Path("out/c.wbmp")), wbmp);
    EXPECT_EQ(QDir(Path("out")).entryList(QDir::Files).size(), 2);
}

TEST_F(CliUnixTest, HelpAfterAnyCommand) {
    for (const char* command :
         {"show", "info", "convert", "weburl", "send", "pdu", "phonebook", "ports"}) {
        SCOPED_TRACE(command);
        // Help wins over operands that would otherwise be wrong.
        const testing::CliRun run = Run({command, "no-such-file", "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind(std::string("Usage: pixora-cli ") + command + " ", 0), 0u)
            << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(CliUnixTest, InfoGivesFormatSizeAndFields) {
    struct Case {
        const char* fileName;
        std::string bytes;
        std::string info;
    };
    const std::vector<Case> cases = {
        {"a.nlm", NlmPicture(), "format: NLM\nwidth: 72\nheight: 28\nnlm-type: picture\n"},
        {"a.nol", OperatorLogo(), "format: NOL\nwidth: 78\nheight: 21\noperator: 262 01\n"},
        {"a.npm", WritePictureMessageFile(Diagonal(), U"Gr\u00fc\u00dfe", "Ada", 0.5),
         "format: NPM\nwidth: 72\nheight: 28\ntext: Gr\u00fc\u00dfe\nauthor: Ada\n"},
        {"b.npm", WritePictureMessageFile(Diagonal(), U"", "", 0.5),
         "format: NPM\nwidth: 72\nheight: 28\ntext: \n"},
        {"a.gms", Gms("Hi\tyou"), "format: GMS\nwidth: 72\nheight: 28\ntext: Hi\\x09you\n"},
        {"a.otb", Otb(), "format: OTB\nwidth: 72\nheight: 28\n"},
        {"a.wbmp", WriteWbmpFile(Diagonal()), "format: WBMP\nwidth: 72\nheight: 28\n"},
        {"a.bmp", Bitmap(), "format: BMP\nwidth: 72\nheight: 28\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        WriteBytes(Path(c.fileName), c.bytes);
        const testing::CliRun run = Run({"info", Path(c.fileName)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.info);
    }
    const testing::CliRun piped = Run({"info", "-"}, OperatorLogo());
    EXPECT_EQ(piped.out, cases[1].info);
}

}  // namespace
}  // namespace pixora
