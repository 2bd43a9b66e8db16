// SPDX-License-Identifier: GPL-2.0-or-later
// The X11 clipboard probe against a real X server (Xvfb) and a real clipboard owner (xclip),
// which is stopped with SIGSTOP to play a program that hangs after copying.

#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "platform/x11_clipboard_probe.h"

namespace pixora {
namespace {

using std::chrono::milliseconds;

class X11Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        xclip_ = QStandardPaths::findExecutable("xclip");
        if (xvfb.isEmpty() || xclip_.isEmpty()) {
            GTEST_SKIP() << "needs Xvfb and xclip (tools/packages.sh installs them)";
        }
        // Xvfb picks a free display itself and writes its number to our pipe.
        server_.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp"});
        ASSERT_TRUE(server_.waitForStarted(5000));
        while (!server_.canReadLine()) {
            ASSERT_TRUE(server_.waitForReadyRead(10000)) << "Xvfb did not start";
        }
        display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
    }

    void TearDown() override {
        for (QProcess* p : {&owner_, &server_}) {
            if (p->state() != QProcess::NotRunning) {
                kill(static_cast<pid_t>(p->processId()), SIGCONT);
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    // xclip holds the clipboard with a PNG and answers every request until it is stopped.
    void Copy(X11ClipboardProbe& probe) {
        ASSERT_TRUE(dir_.isValid());
        QFile png(dir_.filePath("p.png"));
        ASSERT_TRUE(png.open(QIODevice::WriteOnly));
        png.write("\x89PNG\r\n\x1a\n");
        png.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        owner_.setProcessEnvironment(env);
        owner_.start(
            xclip_, {"-quiet", "-selection", "clipboard", "-t", "image/png", "-i", png.fileName()});
        ASSERT_TRUE(owner_.waitForStarted(5000));
        for (int i = 0; i < 100 && probe.Probe(milliseconds(1000)) == ClipboardOwner::None; ++i) {
            QThread::msleep(50);
        }
    }

    void Signal(int signal) { kill(static_cast<pid_t>(owner_.processId()), signal); }

    QProcess server_;
    QProcess owner_;
    QString xclip_;
    QString display_;
    QTemporaryDir dir_;
};

TEST_F(X11Clipboard, ASilentOwnerCountsAsNoAnswerAndIsNotAskedAgain) {
    X11ClipboardProbe probe(display_.toStdString());
    EXPECT_EQ(probe.Probe(milliseconds(200)), ClipboardOwner::None);
    Copy(probe);
    const struct {
        const char* step;
        int signal;  // sent to the owner first, 0 for none
        bool forget;
        ClipboardOwner expected;
    } steps[] = {
        {"owner answers", 0, false, ClipboardOwner::Answers},
        {"owner hangs", SIGSTOP, false, ClipboardOwner::Silent},
        // The hung owner is not waited for again, even once it would answer...
        {"owner wakes up", SIGCONT, false, ClipboardOwner::Silent},
        // ...until the clipboard changes.
        {"clipboard changed", 0, true, ClipboardOwner::Answers},
        {"owner gone", SIGKILL, false, ClipboardOwner::None},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        if (s.signal != 0) {
            Signal(s.signal);
        }
        if (s.signal == SIGKILL) {
            owner_.waitForFinished(5000);
        }
        if (s.forget) {
            probe.Forget();
        }
        EXPECT_EQ(probe.Probe(milliseconds(300)), s.expected);
    }
}

TEST(X11ClipboardProbe, WithoutADisplayItCannotTell) {
    X11ClipboardProbe probe(":no-such-display");
    EXPECT_EQ(probe.Probe(milliseconds(100)), ClipboardOwner::Unknown);
}

}  // namespace
}  // namespace pixora
