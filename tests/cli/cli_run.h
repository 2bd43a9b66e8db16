// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Running pixora-cli as a whole process in the command-line tests.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace pixora::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The user's environment with a settings folder of the test's own and no display of any kind, so
// a run can neither touch the user's settings nor open a window.
inline QProcessEnvironment HeadlessEnvironment(const QString& configHome) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome);
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    return env;
}

// Waits for a started process to end (at most 30 s; killed after that) and takes what it printed.
// whileRunning, when given, is called now and then with the process id until the end.
inline CliRun FinishCliRun(QProcess& process,
                           const std::function<void(qint64 pid)>& whileRunning = {}) {
    CliRun run;
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(20) && process.state() != QProcess::NotRunning &&
           clock.elapsed() < 30000) {
        if (whileRunning) {
            whileRunning(process.processId());
        }
    }
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        run.err = "<did not finish normally>";
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll().toStdString();
}

inline void WriteBytes(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace pixora::testing
