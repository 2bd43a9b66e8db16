// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The platform tests have no main() of their own (gtest_main runs them), so the application
// object comes on first use: one QGuiApplication on the offscreen platform for the whole program.

#include <QCoreApplication>
#include <QGuiApplication>

namespace pixora::testing {

inline void EnsureTestApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace pixora::testing
