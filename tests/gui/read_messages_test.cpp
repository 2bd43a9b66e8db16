// SPDX-License-Identifier: GPL-2.0-or-later
// File > Read Messages from Phone against the simulated phone: the read, the list, Open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/frm_received_messages.h"
#include "gui/gui_support.h"
#include "platform/serial_link.h"
#include "sms/submit_pdu.h"
#include "support/fake_phone.h"

namespace pixora::testing {
namespace {

// The parts of a picture message as DELIVERs from +4412345678; `x` marks the picture.
std::vector<std::string> ReceivedParts(const std::u32string& text, int x, int reference) {
    PictureMessageRequest request;
    request.picture.Set(x, 3, 1);
    request.text = text;
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = reference;
    std::vector<std::string> pdus;
    for (const SubmitSegment& segment : BuildPictureMessagePdus(request).segments) {
        pdus.push_back("07912143658709F1440A91442143658700F562218011737340" +
                       segment.pdu.substr(24));
    }
    return pdus;
}

struct ReadCase {
    const char* name;
    int messages;  // picture messages stored
    std::string lastMessage;
    std::u32string text;  // of the document afterwards
};

TEST(ReadMessages, OpensTheChosenMessageAsANewDocument) {
    const ReadCase cases[] = {
        {"two stored, the second opened", 2, "", U"second"},
        {"none stored", 0, "No picture messages were found on the phone.", U""},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakePhone phone;
        ASSERT_TRUE(phone.Ok());
        if (c.messages > 0) {
            const auto first = ReceivedParts(U"first", 10, 1);
            const auto second = ReceivedParts(U"second", 20, 2);
            for (int i = 0; i < 3; ++i) {
                phone.Messages().Add("SM", {i + 1, 1, first[static_cast<size_t>(i)]});
                phone.Messages().Add("ME", {i + 1, 1, second[static_cast<size_t>(i)]});
            }
        }
        EditorHarness h;
        h.settings->Write("Settings", "COMPort", "1");
        h.settings->Write("Settings", "COMDevice1", phone.SlavePath());
        ASSERT_TRUE(h.Start());
        h.window->Phone().Serial().Timer().SetSpeedUp(20);

        int listed = -1;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<frmReceivedMessages*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            poll.stop();
            auto* list = dialog->findChild<QListWidget*>("lstMessages");
            listed = list->count();
            list->setCurrentRow(1);
            dialog->findChild<QPushButton*>("cmdOpen")->click();
        });
        poll.start();
        h.Find<QAction>("mnuReadMessages")->trigger();
        poll.stop();

        EXPECT_EQ(listed, c.messages > 0 ? 2 : -1);
        EXPECT_EQ(h.ui.LastText(), c.lastMessage);
        EXPECT_EQ(h.window->Doc().Text(), c.text);
        if (c.messages > 0) {
            EXPECT_TRUE(h.window->Doc().Picture().IsSet(20, 3));
            EXPECT_EQ(h.window->Doc().DocumentName(), UntitledName);
            EXPECT_EQ(h.window->Doc().Modified(), ModifiedState::Modified);
        }
        EXPECT_TRUE(phone.DeleteCommands().empty());
    }
}

}  // namespace
}  // namespace pixora::testing
