// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/instance_channel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <cstring>

#include "core/settings_keys.h"
#include "platform/instance_test_support.h"
#include "platform/qt_settings_store.h"

namespace pixora {
namespace {

using testing::EnsureTestApplication;
using testing::Helper;

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int value : values) {
        out.push_back(static_cast<uint8_t>(value));
    }
    return out;
}

TEST(ChannelKeyTest, OnlyTheProductPartOfTheCaptionNamesTheChannel) {
    const struct {
        const char* caption;
        const char* key;
    } cases[] = {
        {"Pixora", "Pixora"},
        {"Pixora [Untitled]", "Pixora"},
        {"Pixora [/home/a [b]/c.npm*]", "Pixora"},
        {"Pixora[no space]", "Pixora[no space]"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChannelKey(c.caption), c.key) << c.caption;
    }
}

TEST(ChannelPathTest, StableAcrossTitlesDistinctAcrossNames) {
    const QString folder = "/run/user/1000";
    EXPECT_EQ(ChannelPath(folder, "Pixora [Untitled]"), ChannelPath(folder, "Pixora [/x.npm*]"));
    EXPECT_EQ(ChannelPath(folder, "Pixora"), ChannelPath(folder, "Pixora [Untitled]"));
    // Names whose readable parts coincide still get their own channel.
    EXPECT_NE(ChannelPath(folder, "Pix ora"), ChannelPath(folder, "Pix_ora"));
    EXPECT_NE(ChannelPath(folder, "Pixora"), ChannelPath(folder, "Pixora2"));
    EXPECT_TRUE(ChannelPath(folder, "Pixora").startsWith(folder + "/pixora-Pixora-"));
    EXPECT_TRUE(ChannelPath(folder, "Pixora").endsWith(QString("-%1.sock").arg(getuid())));
    EXPECT_TRUE(ChannelPath(QString(), "Pixora").isEmpty());
    // Far below the 108 bytes a socket address can hold, for any caption.
    EXPECT_LT(ChannelPath(folder, std::string(500, 'x')).size(), 80);
}

TEST(PeerCheckTest, OnlyTheSameUserIsAccepted) {
    const struct {
        std::optional<uid_t> peer;
        uid_t own;
        bool accepted;
    } cases[] = {
        {1000u, 1000u, true},         {0u, 0u, true},
        {0u, 1000u, false},           {1001u, 1000u, false},
        {std::nullopt, 1000u, false}, {std::nullopt, 0u, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AcceptPeer(c.peer, c.own), c.accepted);
    }
}

TEST(PeerCheckTest, PeerUidComesFromTheKernel) {
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_EQ(PeerUid(pair[0]), getuid());
    close(pair[0]);
    close(pair[1]);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    EXPECT_EQ(PeerUid(pipeEnds[0]), std::nullopt);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    EXPECT_EQ(PeerUid(-1), std::nullopt);
}

TEST(ReceiveCopyDataTest, OnlyWellFormedFileMessagesHaveAnEffect) {
    const std::string longPath = "/" + std::string(300, 'p') + ".npm";
    const struct {
        const char* name;
        std::vector<uint8_t> message;
        HandOffStatus status;
        int raises;
        const char* opened;  // nullptr: nothing opened
    } cases[] = {
        {"file", EncodeHandOff("/a b/c.npm").value(), HandOffStatus::Ok, 1, "/a b/c.npm"},
        {"raise only", RaiseOnlyMessage(), HandOffStatus::EmptyPath, 1, nullptr},
        {"other tag", Bytes({2, 0, 0, 0, 2, 0, 0, 0, 'x', 0}), HandOffStatus::WrongTag, 0, nullptr},
        {"short header", Bytes({1, 0, 0}), HandOffStatus::TooShort, 0, nullptr},
        {"zero length", Bytes({1, 0, 0, 0, 0, 0, 0, 0}), HandOffStatus::TooShort, 0, nullptr},
        {"huge length", Bytes({1, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 'a', 0}), HandOffStatus::TooLong,
         0, nullptr},
        {"length past the data", Bytes({1, 0, 0, 0, 9, 0, 0, 0, 'a', 0}),
         HandOffStatus::WrongLength, 0, nullptr},
        {"no zero byte", Bytes({1, 0, 0, 0, 2, 0, 0, 0, 'a', 'b'}), HandOffStatus::NoTerminator, 0,
         nullptr},
        {"zero inside", Bytes({1, 0, 0, 0, 4, 0, 0, 0, '/', 0, 'x', 0}),
         HandOffStatus::EmbeddedZero, 0, nullptr},
    };
    for (const auto& c : cases) {
        int raises = 0;
        std::vector<std::string> opened;
        MessageHook hook([&](const std::string& path) { opened.push_back(path); },
                         [&] { ++raises; });
        EXPECT_EQ(hook.ReceiveCopyData(c.message), c.status) << c.name;
        EXPECT_EQ(raises, c.raises) << c.name;
        if (c.opened == nullptr) {
            EXPECT_TRUE(opened.empty()) << c.name;
        } else {
            EXPECT_EQ(opened, std::vector<std::string>{c.opened}) << c.name;
        }
    }
    // A path beyond the old 254-byte buffer arrives whole.
    std::vector<std::string> opened;
    MessageHook hook([&](const std::string& path) { opened.push_back(path); }, nullptr);
    EXPECT_EQ(hook.ReceiveCopyData(EncodeHandOff(longPath).value()), HandOffStatus::Ok);
    EXPECT_EQ(opened, std::vector<std::string>{longPath});
}

// Two real processes: a running instance and second starts, meeting only through the settings
// file and the channel.
class TwoProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureTestApplication();
        ASSERT_TRUE(runtime_.isValid());
        ASSERT_EQ(chmod(QFile::encodeName(runtime_.path()).constData(), 0700), 0);
        ini_ = settingsDir_.filePath("Brellow.ini");
    }
    QStringList Second(const QStringList& file, int acknowledgeMs = 10000) {
        Helper second(runtime_.path(),
                      QStringList{"second", ini_, QString::number(acknowledgeMs)} + file);
        return second.LinesUntilExit(20000);
    }
    std::unique_ptr<Helper> Serve(int openDelayMs = 0) {
        auto first = std::make_unique<Helper>(
            runtime_.path(), QStringList{"serve", ini_, QString::number(openDelayMs)});
        const QString ready = first->NextLine();
        EXPECT_TRUE(ready.startsWith("READY ")) << ready.toStdString();
        socketPath_ = ready.mid(6);
        return first;
    }

    QTemporaryDir runtime_;
    QTemporaryDir settingsDir_;
    QString ini_;
    QString socketPath_;
};

TEST_F(TwoProcessTest, IdleInstanceOpensTheFileAndComesToTheFront) {
    auto first = Serve();
    // Two arguments: the command line is one path with a space in it.
    EXPECT_EQ(Second({"/some/my", "file.npm"}), QStringList{"HANDED"});
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(), "OPEN /some/my file.npm");
    // The socket is the user's alone.
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(socketPath_).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0077, 0u);
}

TEST_F(TwoProcessTest, BusyInstanceOnlyGetsABeep) {
    auto first = Serve();
    QtSettingsStore(ini_).Write("Zorvet Settings", "CurrentBusy", "True");
    EXPECT_EQ(Second({"/some/file.npm"}), QStringList{"BEEP"});
    EXPECT_EQ(first->NextLine(500), "");
}

TEST_F(TwoProcessTest, SecondStartWithoutAFileOnlyRaises) {
    auto first = Serve();
    EXPECT_EQ(Second({}), QStringList{"HANDED"});
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(500), "");
}

TEST_F(TwoProcessTest, LongAndNonAsciiPathsArriveWhole) {
    auto first = Serve();
    const QString longPath = "/" + QString(1500, 'l') + "/bild.npm";
    const QString accented = "/home/Jürgen/Grüße ü.npm";
    EXPECT_EQ(Second({longPath}), QStringList{"HANDED"});
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(), "OPEN " + longPath);
    EXPECT_EQ(Second({accented}), QStringList{"HANDED"});
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(), "OPEN " + accented);
}

TEST_F(TwoProcessTest, LockWithoutAListenerEndsTheSecondStartWithoutEffect) {
    // A holder that never listens stands for a caption no window has any more.
    Helper holder(runtime_.path(), {"hold-lock"});
    ASSERT_EQ(holder.NextLine(), "HOLDING");
    QtSettingsStore(ini_).Write("Zorvet Settings", "CurrentAppname", "Pixora [/gone.npm*]");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Second({"/some/file.npm"}), QStringList{"NOT-DELIVERED"});
    EXPECT_LT(clock.elapsed(), 8000);
}

TEST_F(TwoProcessTest, CrashedInstanceLeavesNoObstacle) {
    {
        Helper holder(runtime_.path(), {"hold-lock"});
        ASSERT_EQ(holder.NextLine(), "HOLDING");
        holder.Process().kill();  // SIGKILL: no clean-up at all
        holder.Process().waitForFinished(3000);
    }
    QtSettingsStore(ini_).Write("Zorvet Settings", "CurrentAppname", "Pixora [/x.npm]");
    QtSettingsStore(ini_).Write("Zorvet Settings", "CurrentBusy", "True");
    // The next start is the first instance again, however stale the keys.
    EXPECT_EQ(Second({"/some/file.npm"}), QStringList{"FIRST"});
}

TEST_F(TwoProcessTest, ImpatientSenderNeitherHangsNorHarmsTheReceiver) {
    auto first = Serve(1500);
    EXPECT_EQ(Second({"/slow.npm"}, 200), QStringList{"NOT-DELIVERED"});
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(), "OPEN /slow.npm");
    // Its acknowledgement went to a closed connection; the receiver lives on.
    EXPECT_EQ(Second({"/next.npm"}), QStringList{"HANDED"});
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(), "OPEN /next.npm");
}

// Sends raw bytes and says whether the acknowledgement came.
bool SendRaw(const QString& socketPath, const QByteArray& bytes, bool closeWrite) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(2000)) {
        return false;
    }
    socket.write(bytes);
    socket.waitForBytesWritten(2000);
    if (closeWrite) {
        shutdown(static_cast<int>(socket.socketDescriptor()), SHUT_WR);
    }
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(2000)) {
            return false;
        }
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == HandOffAcknowledgement;
}

QByteArray Raw(std::initializer_list<int> values) {
    QByteArray out;
    for (int value : values) {
        out.append(static_cast<char>(value));
    }
    return out;
}

TEST_F(TwoProcessTest, MalformedMessagesAreDroppedAndTheChannelStaysUsable) {
    auto first = Serve();
    // A sender that stalls half-way holds one connection open the whole time.
    QLocalSocket stalled;
    stalled.connectToServer(socketPath_);
    ASSERT_TRUE(stalled.waitForConnected(2000));
    stalled.write(Raw({1, 0, 0, 0, 100, 0, 0, 0, '/', 'a'}));
    stalled.waitForBytesWritten(2000);

    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"other tag", Raw({2, 0, 0, 0, 3, 0, 0, 0, '/', 'a', 0})},
        {"tag 0x4A", Raw({0x4a, 0, 0, 0, 3, 0, 0, 0, '/', 'a', 0})},
        {"short header", Raw({1, 0, 0})},
        {"zero length", Raw({1, 0, 0, 0, 0, 0, 0, 0})},
        {"huge length", Raw({1, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f, '/', 'a', 0})},
        {"just over the cap", Raw({1, 0, 0, 0, 1, 0, 1, 0, '/', 'a', 0})},
        {"body shorter than its length", Raw({1, 0, 0, 0, 9, 0, 0, 0, '/', 'a', 0})},
        {"no zero byte", Raw({1, 0, 0, 0, 2, 0, 0, 0, '/', 'a'})},
        {"zero inside", Raw({1, 0, 0, 0, 4, 0, 0, 0, '/', 0, 'x', 0})},
        {"nothing at all", QByteArray()},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(SendRaw(socketPath_, c.bytes, true)) << c.name;
    }
    EXPECT_EQ(first->NextLine(300), "");
    // Bytes after a whole message are never read as a second one.
    QByteArray valid = Raw({1, 0, 0, 0, 3, 0, 0, 0, '/', 'v', 0});
    EXPECT_TRUE(SendRaw(socketPath_, valid + Raw({1, 0, 0, 0, 3, 0, 0, 0, '/', 'w', 0}), false));
    EXPECT_EQ(first->NextLine(), "RAISE");
    EXPECT_EQ(first->NextLine(), "OPEN /v");
    EXPECT_EQ(first->NextLine(300), "");
}

// A process of another user reaching the socket (as it could where folder and socket were
// opened up) gets no hearing. Needs root to become another user.
TEST(OtherUserTest, ConnectionsFromAnotherUserAreDropped) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    EnsureTestApplication();
    QTemporaryDir folder;
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    std::vector<std::string> opened;
    MessageHook hook([&](const std::string& path) { opened.push_back(path); }, nullptr);
    const QString path = folder.filePath("open.sock");
    ASSERT_TRUE(hook.InstallMessageHookAt(path));
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(chmod(native.constData(), 0666), 0);

    // Returns 1 when the child got an acknowledgement, 0 when not, 2 when it could not try.
    const auto runChild = [&](uid_t uid) {
        const pid_t pid = fork();
        if (pid == 0) {
            if (uid != 0 && (setgid(uid) != 0 || setuid(uid) != 0)) {
                _exit(2);
            }
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, native.constData(), sizeof address.sun_path - 1);
            if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
                _exit(2);
            }
            const unsigned char message[] = {1, 0, 0, 0, 3, 0, 0, 0, '/', 'u', 0};
            if (write(fd, message, sizeof message) != static_cast<ssize_t>(sizeof message)) {
                _exit(2);
            }
            char answer = 0;
            _exit(read(fd, &answer, 1) == 1 && answer == 1 ? 1 : 0);
        }
        int status = 0;
        QElapsedTimer clock;
        clock.start();
        while (waitpid(pid, &status, WNOHANG) == 0 && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
    };
    EXPECT_EQ(runChild(65534), 0);
    EXPECT_TRUE(opened.empty());
    // The same message from our own user is heard, so the refusal above was the user check.
    EXPECT_EQ(runChild(0), 1);
    EXPECT_EQ(opened, std::vector<std::string>{"/u"});
}

}  // namespace
}  // namespace pixora
