// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared by the single-instance and file-type tests: the application object, a scratch runtime
// folder for the helper processes and line-by-line reading of what a helper prints.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include "platform/test_application.h"

namespace pixora::testing {

// One helper process with the test's runtime folder and settings file.
class Helper {
public:
    Helper(const QString& runtimeFolder, const QStringList& arguments,
           const QStringList& extraEnvironment = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtimeFolder);
        for (const QString& entry : extraEnvironment) {
            environment.insert(entry.section('=', 0, 0), entry.section('=', 1));
        }
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(PIXORA_INSTANCE_HELPER, arguments);
        process_.waitForStarted(5000);
    }
    ~Helper() {
        if (process_.state() != QProcess::NotRunning) {
            process_.closeWriteChannel();
            if (!process_.waitForFinished(3000)) {
                process_.kill();
                process_.waitForFinished(3000);
            }
        }
    }

    // The next line printed, or "" after timeoutMs.
    QString NextLine(int timeoutMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!process_.canReadLine()) {
            const int left = timeoutMs - static_cast<int>(clock.elapsed());
            if (left <= 0 || (!process_.waitForReadyRead(left) && !process_.canReadLine())) {
                return QString();
            }
        }
        return QString::fromUtf8(process_.readLine()).chopped(1);
    }
    // Every line printed until the process ends.
    QStringList LinesUntilExit(int timeoutMs = 10000) {
        process_.waitForFinished(timeoutMs);
        QStringList lines;
        while (process_.canReadLine()) {
            lines << QString::fromUtf8(process_.readLine()).chopped(1);
        }
        return lines;
    }
    QProcess& Process() { return process_; }

private:
    QProcess process_;
};

}  // namespace pixora::testing
