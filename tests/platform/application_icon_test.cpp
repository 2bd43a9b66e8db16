// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/application_icon.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/test_application.h"

namespace pixora {
namespace {

// A one-icon theme whose "pixora" is plain red, so a pixel tells which icon was chosen.
void WriteRedTheme(const QString& root) {
    QDir(root).mkpath("redtheme/32x32/apps");
    QFile index(root + "/redtheme/index.theme");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(
        "[Icon Theme]\nName=Red\nDirectories=32x32/apps\n\n"
        "[32x32/apps]\nSize=32\nType=Fixed\n");
    index.close();
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(root + "/redtheme/32x32/apps/pixora.png"));
}

TEST(ApplicationIcon, ThemeIconWhenThereIsOneBuiltInDrawingOtherwise) {
    testing::EnsureTestApplication();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    WriteRedTheme(root.path());
    const QImage builtIn = QIcon(":/pixora/pixora.svg").pixmap(32).toImage();
    ASSERT_FALSE(builtIn.isNull()) << "the drawing is not compiled into the program";

    struct Case {
        const char* name;
        QStringList searchPaths;
        bool themed;
    };
    const Case cases[] = {
        {"empty search path", {}, false},
        {"theme without the icon", {root.path() + "/missing"}, false},
        {"theme with the icon", {root.path()}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QIcon::setFallbackSearchPaths({});
        QIcon::setThemeSearchPaths(c.searchPaths);
        QIcon::setThemeName("redtheme");
        const QIcon icon = ApplicationIcon();
        ASSERT_FALSE(icon.isNull());
        const QImage image = icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(16, 16) == QColor(Qt::red), c.themed);
        if (!c.themed) {
            EXPECT_EQ(image, builtIn.convertToFormat(QImage::Format_ARGB32));
        }
    }
}

}  // namespace
}  // namespace pixora
