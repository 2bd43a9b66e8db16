// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli decode as a whole process: what pdu prints comes back as the picture it was made of.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/cli_run.h"
#include "formats/npm_file.h"

namespace pixora {
namespace {

testing::CliRun RunCli(const QStringList& args, const QString& configHome,
                       const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(testing::HeadlessEnvironment(configHome));
    process.start(PIXORA_CLI_PATH, args);
    process.write(input);
    process.closeWriteChannel();
    return testing::FinishCliRun(process);
}

struct DecodeCase {
    const char* name;
    QList<int> parts;  // which PDU lines of pdu's output go in, in this order
    bool toFile;
    int status;
    const char* message;  // what standard error holds on a failure
};

TEST(DecodeCommand, ReadsBackWhatPduPrints) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PictureGrid picture;
    picture.Set(3, 4, 1);
    const std::string npm = WritePictureMessageFile(picture, U"Hello", "");
    QFile file(dir.filePath("in.npm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(npm.data(), static_cast<qint64>(npm.size()));
    file.close();
    const testing::CliRun pdu = RunCli(
        {"pdu", dir.filePath("in.npm"), "--to", "4412345678", "--smsc", "12345678901"}, dir.path());
    const QStringList lines = QString::fromStdString(pdu.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << pdu.err;

    const DecodeCase cases[] = {
        {"file, shuffled", {3, 1, 2}, true, 0, ""},
        {"standard input", {1, 2, 3}, false, 0, ""},
        {"one missing", {3, 1}, false, 1, "pixora-cli decode: part 2 of 3 is missing\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray transcript = "AT+CMGL=4\r\n";
        for (int n : c.parts) {
            transcript += "+CMGL: " + QByteArray::number(n) + ",1,,153\r\n" +
                          lines[2 * n - 1].toLatin1() + "\r\n";
        }
        transcript += "OK\r\n";
        const QString out = dir.filePath("out.npm");
        QFile::remove(out);
        QStringList args{"decode", "-o", out};
        if (c.toFile) {
            QFile saved(dir.filePath("received.txt"));
            ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
            saved.write(transcript);
            args << dir.filePath("received.txt");
        }
        const testing::CliRun run = RunCli(args, dir.path(), c.toFile ? QByteArray() : transcript);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        if (c.status != 0) {
            EXPECT_EQ(run.err, c.message);
            EXPECT_FALSE(QFile::exists(out));
            continue;
        }
        QFile written(out);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        const auto read = ReadPictureMessageFile(std::string_view(bytes.data(), bytes.size()));
        ASSERT_TRUE(read.Ok());
        EXPECT_EQ(read->picture, picture);
        EXPECT_EQ(read->text, U"Hello");
    }
}

}  // namespace
}  // namespace pixora
