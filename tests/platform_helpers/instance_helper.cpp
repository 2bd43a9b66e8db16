// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in for the editor's processes in the single-instance tests: the running instance with
// its receiver, a second start, a lock holder that the test kills, and a fresh process asking the
// MIME database. Each mode prints what happened on standard output, one line per event.
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QMimeDatabase>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/document.h"
#include "core/settings_keys.h"
#include "platform/instance_channel.h"
#include "platform/instance_lock.h"
#include "platform/qt_settings_store.h"
#include "platform/xdg_file_types.h"
#include "shell/fake_shell_host.h"
#include "shell/file_types.h"
#include "shell/hand_off.h"
#include "support/fake_user_interface.h"

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The running instance: takes the lock, listens, and reports each file and each raise. With a
// delay the open takes that long in a nested event loop, as a not-saved question would.
int Serve(const QString& ini, int openDelayMs) {
    pixora::QtSettingsStore store(ini);
    pixora::InstanceLock lock;
    if (!lock.TryAcquire()) {
        Say("LOCKED");
        return 3;
    }
    pixora::MessageHook hook(
        [openDelayMs](const std::string& path) {
            if (openDelayMs > 0) {
                QEventLoop loop;
                QTimer::singleShot(openDelayMs, &loop, &QEventLoop::quit);
                loop.exec();
            }
            Say("OPEN " + path);
        },
        [] { Say("RAISE"); });
    if (!hook.InstallMessageHook(pixora::ProductName)) {
        Say("NO-CHANNEL");
        return 4;
    }
    pixora::WriteText(store, pixora::keys::CurrentAppname, "Pixora [Untitled]");
    // Runs until the test closes our standard input.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char byte = 0;
        if (read(STDIN_FILENO, &byte, 1) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    Say("READY " + hook.SocketPath().toStdString());
    const int status = QCoreApplication::exec();
    hook.RemoveMessageHook();
    pixora::DeleteKey(store, pixora::keys::CurrentAppname);
    return status;
}

// A second start: the lock decides, then the step the editor runs before it would show a window.
int Second(const QString& ini, const std::string& path, int acknowledgeMs) {
    pixora::QtSettingsStore store(ini);
    pixora::InstanceLock lock;
    if (lock.TryAcquire()) {
        Say("FIRST");
        return 0;
    }
    pixora::testing::FakeUserInterface ui;
    pixora::HandOffTimeouts timeouts;
    timeouts.acknowledgeMs = acknowledgeMs;
    switch (pixora::RunSecondStart(store, ui, path, timeouts)) {
        case pixora::SecondStartOutcome::Beeped:
            Say("BEEP");
            break;
        case pixora::SecondStartOutcome::HandedOver:
            Say("HANDED");
            break;
        case pixora::SecondStartOutcome::NotDelivered:
            Say("NOT-DELIVERED");
            break;
    }
    return 0;
}

// Holds the lock without listening, until the test closes our standard input or kills us.
int HoldLock() {
    pixora::InstanceLock lock;
    Say(lock.TryAcquire() ? "HOLDING" : "LOCKED");
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char byte = 0;
        if (read(STDIN_FILENO, &byte, 1) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

// The file-type step of a start, in a fresh process as a real start would run it: the MIME
// database is read as it is on disk now. Each question shown is printed, and answered from the
// answers given ("6" Yes, "7" No).
int Associate(const QString& ini, const std::string& ownProgram, const std::string& tamsel,
              const QStringList& answers) {
    pixora::QtSettingsStore store(ini);
    pixora::testing::FakeUserInterface ui;
    pixora::testing::FakeShellHost host;
    host.files.insert(ownProgram);
    if (!tamsel.empty()) {
        host.files.insert(tamsel);
        pixora::WriteText(store, pixora::keys::TamselApplication, tamsel);
    }
    for (const QString& answer : answers) {
        ui.answers.push_back(answer.toInt());
    }
    {
        pixora::XdgFileTypeRegistry registry;
        pixora::RegisterFileTypesAtStartup(registry, store, ui, host, ownProgram);
        if (!registry.Refresh()) {
            Say("NO-REFRESH");
        }
    }
    for (const auto& message : ui.messages) {
        Say("QUESTION " + message.text.substr(0, message.text.find('\r')));
    }
    Say("BEEPS " + std::to_string(ui.beeps));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == "serve" && args.size() >= 3) {
        return Serve(args[2], args.value(3, "0").toInt());
    }
    if (mode == "second" && args.size() >= 4) {
        // The rest of the command line is the file, as the editor takes it.
        std::vector<const char*> rest;
        rest.push_back(argv[0]);
        for (int i = 4; i < argc; ++i) {
            rest.push_back(argv[i]);
        }
        return Second(args[2], pixora::CommandLinePath(static_cast<int>(rest.size()), rest.data()),
                      args[3].toInt());
    }
    if (mode == "associate" && args.size() >= 5) {
        return Associate(args[2], args[3].toStdString(), args[4].toStdString(), args.mid(5));
    }
    if (mode == "hold-lock") {
        return HoldLock();
    }
    if (mode == "mimetype" && args.size() == 3) {
        Say(QMimeDatabase()
                .mimeTypeForFile(args[2], QMimeDatabase::MatchExtension)
                .name()
                .toStdString());
        return 0;
    }
    std::fprintf(stderr,
                 "usage: instance_helper serve INI [DELAY] | second INI ACK_MS [FILE...] |"
                 " hold-lock | mimetype FILE | associate INI OWN TAMSEL [ANSWER...]\n");
    return 2;
}
