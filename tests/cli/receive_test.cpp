// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli receive against the simulated phone on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "formats/npm_file.h"
#include "sms/submit_pdu.h"
#include "support/fake_phone.h"

namespace pixora {
namespace {

using testing::FakePhone;

// The three parts of a picture message with `text` as DELIVERs from +4412345678, received
// 2026-12-08 11:37:37 +01:00.
std::vector<std::string> ReceivedParts(const std::u32string& text, int reference) {
    PictureMessageRequest request;
    request.picture.Set(1, 2, 1);
    request.text = text;
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = reference;
    std::vector<std::string> pdus;
    for (const SubmitSegment& segment : BuildPictureMessagePdus(request).segments) {
        // The SUBMIT's TP-UDL sits at octet 12.
        pdus.push_back("07912143658709F1440A91442143658700F562218011737340" +
                       segment.pdu.substr(24));
    }
    return pdus;
}

struct ReceiveCase {
    const char* name;
    bool outDir;
    bool silent;
    int exitCode;
    std::string out;  // "DIR" stands for the folder
    std::vector<std::pair<const char*, std::u32string>> files;
};

TEST(CliReceiveTest, ListsOrWritesThePictureMessages) {
    const ReceiveCase cases[] = {
        {"written, the second name numbered",
         true,
         false,
         0,
         "DIR/+4412345678_20261208-113737.npm\nDIR/+4412345678_20261208-113737-2.npm\n",
         {{"+4412345678_20261208-113737.npm", U"first"},
          {"+4412345678_20261208-113737-2.npm", U"second"}}},
        {"listed only",
         false,
         false,
         0,
         "+4412345678\t2026-12-08 11:37:37 +01:00\tfirst\n"
         "+4412345678\t2026-12-08 11:37:37 +01:00\tsecond\n",
         {}},
        {"phone not answering", true, true, 1, "", {}},
    };
    for (const ReceiveCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        FakePhone phone;
        ASSERT_TRUE(phone.Ok());
        const auto first = ReceivedParts(U"first", 7);
        const auto second = ReceivedParts(U"second", 8);
        // Spread over both memories, among a plain text.
        phone.Messages().Add("SM", {1, 1, first[1]});
        phone.Messages().Add("SM", {2, 0, second[0]});
        phone.Messages().Add("SM",
                             {3, 1, "07912143658709F1040A91442143658700006221801173734002E834"});
        phone.Messages().Add("SM", {4, 1, first[0]});
        phone.Messages().Add("ME", {1, 1, second[2]});
        phone.Messages().Add("ME", {2, 1, first[2]});
        phone.Messages().Add("ME", {3, 1, second[1]});
        if (c.silent) {
            phone.SetDefaultBehaviour(testing::PhoneBehaviour::Silent);
        }
        const QString out = dir.filePath("out");
        QStringList args{"receive", "--device", QString::fromStdString(phone.SlavePath())};
        if (c.outDir) {
            args << "--out-dir" << out;
        }
        QProcess process;
        QProcessEnvironment env = testing::HeadlessEnvironment(dir.filePath("config"));
        env.insert("PIXORA_TICK_DIVISOR", "10");
        process.setProcessEnvironment(env);
        process.start(PIXORA_CLI_PATH, args);
        ASSERT_TRUE(process.waitForStarted(10000));
        const testing::CliRun run = testing::FinishCliRun(process);

        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        std::string expected = c.out;
        for (size_t at; (at = expected.find("DIR")) != std::string::npos;) {
            expected.replace(at, 3, out.toStdString());
        }
        EXPECT_EQ(run.out, expected) << run.err;
        const QStringList written = QDir(out).entryList(QDir::Files);
        EXPECT_EQ(static_cast<size_t>(written.size()), c.files.size());
        for (const auto& [name, text] : c.files) {
            const auto read = ReadPictureMessageFile(testing::ReadBytes(out + "/" + name));
            ASSERT_TRUE(read.Ok()) << name;
            EXPECT_EQ(read->text, text);
            EXPECT_TRUE(read->picture.IsSet(1, 2));
        }
        EXPECT_TRUE(phone.DeleteCommands().empty());
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("config/Brellow/Brellow.ini")))
            << "a setting was written";
    }
}

}  // namespace
}  // namespace pixora
