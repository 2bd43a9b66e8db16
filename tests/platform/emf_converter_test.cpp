// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/metafile_render.h"
#include "platform/test_application.h"

namespace pixora {
namespace {

QByteArray FixtureEmf() {
    QFile file(QStringLiteral(PIXORA_FIXTURES "/images/frame_inkscape.emf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The converter CTest names, for the test's whole run.
QString Converter() {
    return qEnvironmentVariable("PIXORA_EMF2SVG");
}

class ConverterOverride {
public:
    explicit ConverterOverride(const QString& path) : saved_(qgetenv("PIXORA_EMF2SVG")) {
        qputenv("PIXORA_EMF2SVG", path.toLocal8Bit());
    }
    ~ConverterOverride() { qputenv("PIXORA_EMF2SVG", saved_); }

private:
    QByteArray saved_;
};

TEST(EmfConverter, ConvertsWholeFilesAndPrintsNothingForOthers) {
    ASSERT_FALSE(Converter().isEmpty()) << "PIXORA_EMF2SVG names the built converter";
    const QByteArray emf = FixtureEmf();
    const struct {
        const char* name;
        QByteArray input;
        bool converts;
    } cases[] = {
        {"drawing program's EMF", emf, true},
        {"empty", QByteArray(), false},
        {"no EMF", QByteArray("<svg/>"), false},
        {"header only", emf.left(100), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QProcess converter;
        converter.start(Converter(), {});
        ASSERT_TRUE(converter.waitForStarted());
        converter.write(c.input);
        converter.closeWriteChannel();
        ASSERT_TRUE(converter.waitForFinished());
        const QByteArray out = converter.readAllStandardOutput();
        EXPECT_EQ(converter.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(converter.exitCode() == 0, c.converts);
        if (c.converts) {
            EXPECT_TRUE(out.startsWith("<?xml")) << out.left(80).toStdString();
            EXPECT_TRUE(out.trimmed().endsWith("</svg>"));
        } else {
            EXPECT_TRUE(out.isEmpty()) << out.left(80).toStdString();
        }
    }
}

TEST(EmfConverter, WithoutAWorkingConverterTheFileIsUnusable) {
    testing::EnsureTestApplication();
    const QByteArray emf = FixtureEmf();
    QTemporaryDir dir;
    const QString echoing = dir.filePath("echo");   // answers with the EMF itself, no SVG
    const QString silent = dir.filePath("silent");  // reads nothing, says nothing, succeeds
    for (const auto& [path, script] :
         {std::pair{echoing, "#!/bin/sh\nexec cat\n"}, std::pair{silent, "#!/bin/sh\nexit 0\n"}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    for (const QString& converter :
         {dir.filePath("missing"), dir.path(), QStringLiteral("/bin/false"), echoing, silent}) {
        SCOPED_TRACE(converter.toStdString());
        const ConverterOverride override(converter);
        EXPECT_FALSE(RenderEmf(emf, kMaxMetafileSide, kMaxMetafileSide).has_value());
    }
    // The same file through the real converter: the failures above were the converter's.
    EXPECT_TRUE(RenderEmf(emf, kMaxMetafileSide, kMaxMetafileSide).has_value());
}

}  // namespace
}  // namespace pixora
