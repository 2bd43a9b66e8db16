// SPDX-License-Identifier: GPL-2.0-or-later
// File > Open Received Message: a pasted or loaded message becomes a new, untitled document.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include "app/frm_open_received.h"
#include "core/document.h"
#include "gui/gui_support.h"
#include "sms/submit_pdu.h"

namespace pixora::testing {
namespace {

struct ReceivedCase {
    const char* name;
    std::vector<int> parts;  // segments in the transcript
    bool fromFile;           // loaded through From File instead of pasted
    bool adopted;
};

TEST(OpenReceived, PastedOrLoadedTranscriptBecomesANewDocument) {
    PictureMessageRequest request;
    request.picture.Set(5, 6, 1);
    request.picture.Set(71, 27, 1);
    request.text = U"Hello";
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    const PictureMessagePdus pdus = BuildPictureMessagePdus(request);
    const ReceivedCase cases[] = {
        {"pasted", {2, 3, 1}, false, true},
        {"from file", {1, 2, 3}, true, true},
        {"part missing", {1, 3}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorHarness h;
        ASSERT_TRUE(h.Start());
        QTemporaryDir dir;
        std::string transcript = "AT+CMGL=4\r\n";
        for (int n : c.parts) {
            transcript += "+CMGL: " + std::to_string(n) + ",1,,153\r\n" + pdus.smscField +
                          pdus.segments[static_cast<size_t>(n - 1)].pdu + "\r\n";
        }
        transcript += "OK\r\n";
        if (c.fromFile) {
            const QString path = dir.filePath("cmgl.txt");
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(transcript.data(), static_cast<qint64>(transcript.size()));
            file.close();
            h.ui.openPaths.push_back(path.toStdString());
        }
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmOpenReceived*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (c.fromFile) {
                QTest::mouseClick(dialog->findChild<QPushButton*>("cmdFromFile"), Qt::LeftButton);
            } else {
                dialog->findChild<QPlainTextEdit*>("txtMessage")
                    ->setPlainText(QString::fromStdString(transcript));
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        h.Find<QAction>("mnuOpenReceived")->trigger();
        if (c.adopted) {
            EXPECT_TRUE(h.ui.messages.empty()) << h.ui.LastText();
            EXPECT_EQ(h.window->Doc().Picture(), request.picture);
            EXPECT_EQ(h.window->Doc().Text(), U"Hello");
            EXPECT_EQ(h.window->Doc().DocumentName(), UntitledName);
        } else {
            EXPECT_EQ(h.ui.LastText(),
                      "This is no picture message this editor can open:\r\npart 2 of 3 is missing");
            EXPECT_EQ(h.window->Doc().Picture().SetCount(), 0);
        }
    }
}

}  // namespace
}  // namespace pixora::testing
