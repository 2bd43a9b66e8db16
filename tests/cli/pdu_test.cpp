// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli pdu as a whole process: the worked example of a picture message sent by phone.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/cli_run.h"
#include "formats/npm_file.h"

namespace pixora {
namespace {

struct PduRun {
    int status = -1;
    QString out;
    QString err;
};

PduRun RunPdu(const QStringList& args, const QString& configHome) {
    QProcess process;
    process.setProcessEnvironment(testing::HeadlessEnvironment(configHome));
    process.start(PIXORA_CLI_PATH, QStringList{"pdu"} + args);
    const testing::CliRun finished = testing::FinishCliRun(process);
    return {finished.exitCode, QString::fromStdString(finished.out),
            QString::fromStdString(finished.err)};
}

class PduCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        input = dir.filePath("hi.npm");
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = WritePictureMessageFile(PictureGrid(), U"Hi", "");
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QTemporaryDir dir;
    QString input;
};

TEST_F(PduCommand, PrintsTheThreeSegmentsOfTheWorkedExample) {
    const PduRun run = RunPdu({input, "--to", "4412345678", "--smsc", "12345678901"}, dir.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "AT+CMGS=153");
    EXPECT_EQ(lines[4], "AT+CMGS=34");
    for (int i = 1; i < 6; i += 2) {
        EXPECT_TRUE(lines[i].startsWith("07912143658709F1")) << lines[i].toStdString();
        EXPECT_EQ(lines[i], lines[i].toUpper());
        EXPECT_FALSE(lines[i].contains(QChar(0x1A)));
        // The announced length counts the PDU without the message-centre field.
        EXPECT_EQ((lines[i].size() - 16) / 2, lines[i - 1].mid(8).toInt());
    }
    EXPECT_TRUE(lines[1].mid(16).startsWith("51000A91442143658700F5"));
    // Segment 3: the user-data length follows the validity period, twelve octets in.
    EXPECT_EQ(lines[5].mid(16 + 24, 2), "15");
    // Nothing was counted or stored.
    EXPECT_FALSE(QFile::exists(dir.filePath("Brellow/Brellow.ini")));
}

TEST_F(PduCommand, ReferenceAndStatusReportGoWhereTheyBelong) {
    const PduRun plain =
        RunPdu({input, "--to", "4412345678", "--smsc", "12345678901", "--ref", "255"}, dir.path());
    const PduRun report = RunPdu(
        {input, "--to", "4412345678", "--smsc", "12345678901", "--ref", "255", "--status-report"},
        dir.path());
    ASSERT_EQ(plain.status, 0);
    ASSERT_EQ(report.status, 0);
    const QStringList a = plain.out.split('\n', Qt::SkipEmptyParts);
    const QStringList b = report.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(a.size(), 6);
    ASSERT_EQ(b.size(), 6);
    EXPECT_EQ(a[1], b[1]);
    EXPECT_EQ(a[3], b[3]);
    EXPECT_NE(a[5], b[5]);  // only the last segment asks for the report
    EXPECT_TRUE(a[1].contains("0504158A00000003FF0301"));
}

TEST_F(PduCommand, GatewayFormatsCarryTheSameUserData) {
    const PduRun at = RunPdu(
        {input, "--to", "4412345678", "--smsc", "12345678901", "--format", "at"}, dir.path());
    const PduRun hex = RunPdu({input, "--to", "4412345678", "--format", "hex"}, dir.path());
    const PduRun kannel =
        RunPdu({input, "--to", "4412345678", "--format", "kannel", "--kannel-url",
                "http://gw:13013/cgi-bin/sendsms", "--user", "me", "--password", "a&b"},
               dir.path());
    ASSERT_EQ(hex.status, 0) << hex.err.toStdString();
    ASSERT_EQ(kannel.status, 0) << kannel.err.toStdString();
    const QStringList pdus = at.out.split('\n', Qt::SkipEmptyParts);
    const QStringList data = hex.out.split('\n', Qt::SkipEmptyParts);
    const QStringList urls = kannel.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(pdus.size(), 6);
    ASSERT_EQ(data.size(), 3);
    ASSERT_EQ(urls.size(), 3);
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        // The PDU's user data starts after the message-centre field and twelve TPDU octets.
        EXPECT_EQ(data[n], pdus[2 * n + 1].mid(16 + 26));
        const QString header = data[n].left(24);
        QString udh;
        for (int i = 0; i < header.size(); i += 2) {
            udh += "%" + header.mid(i, 2);
        }
        EXPECT_TRUE(
            urls[n].startsWith("http://gw:13013/cgi-bin/sendsms?username=me&password=a%26b"
                               "&to=4412345678&udh=" +
                               udh + "&text=%"))
            << urls[n].toStdString();
        EXPECT_TRUE(urls[n].endsWith("&coding=1"));
        // Every payload byte is encoded: three characters for each of its two hex digits' pair.
        const qsizetype text = urls[n].indexOf("&text=") + 6;
        EXPECT_EQ(urls[n].indexOf("&coding") - text, (data[n].size() - 24) / 2 * 3);
    }
}

TEST_F(PduCommand, RejectsUnusableOperands) {
    const QStringList cases[] = {
        {input, "--to", "44123"},
        {input, "--to", "+44123", "--smsc", "123"},
        {input, "--to", "44123", "--smsc", "123", "--ref", "256"},
        {input, "--to", "44123", "--smsc", "123", "--bogus"},
        {input, "--to", "44123", "--format", "smpp"},
        {input, "--to", "44123", "--format", "kannel"},
    };
    for (const QStringList& args : cases) {
        const PduRun run = RunPdu(args, dir.path());
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    const PduRun missing =
        RunPdu({dir.filePath("none.npm"), "--to", "44", "--smsc", "1"}, dir.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.isEmpty());
}

}  // namespace
}  // namespace pixora
