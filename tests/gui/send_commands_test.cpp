// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "app/frm_reading.h"
#include "app/frm_send.h"
#include "app/frm_sending.h"
#include "gui/gui_support.h"
#include "phone/phonebook.h"
#include "platform/serial_link.h"
#include "sms/submit_pdu.h"
#include "support/fake_phone.h"

namespace pixora::testing {
namespace {

// A send through the menu command, the dialog and the progress form, against a simulated phone.
struct SendHarness {
    SendHarness() {
        EXPECT_TRUE(phone.Ok());
        EXPECT_TRUE(dir.isValid());
        harness = std::make_unique<EditorHarness>(nullptr, [this](EditorServices& s) {
            s.phonebookCachePath = dir.path().toStdString() + "/KDXPBOOK.CSV";
        });
        SettingsStore& settings = *harness->settings;
        settings.Write("Settings", "SMSC", "12345678901");
        settings.Write("Settings", "COMPort", "1");
        settings.Write("Settings", "COMDevice1", phone.SlavePath());
        settings.Write("Zorvet Settings", "LastDA", "4412345678");
        EXPECT_TRUE(harness->Start());
        harness->window->Phone().Serial().Timer().SetSpeedUp(20);
    }

    // Runs the command; `inDialog` acts in the send dialog once it is up.
    void Send(const std::function<void(frmSend&)>& inDialog) {
        QTimer::singleShot(0, harness->window.get(),
                           [this, inDialog] { inDialog(harness->window->Phone().SendDialog()); });
        harness->window->mnuSend_Click();
    }

    FakePhone phone;
    QTemporaryDir dir;
    std::unique_ptr<EditorHarness> harness;
};

void ClickSend(frmSend& dialog) {
    dialog.findChild<QPushButton*>("cmdSend")->click();
}

TEST(SendCommand, SendsThroughTheDialogAndTheProgressForm) {
    SendHarness s;
    EditorHarness& h = *s.harness;
    SetCell(*h.window, 0, 0, 1);
    SetCell(*h.window, 71, 27, 1);
    SetPictureText(*h.window, "Hi");
    s.Send(ClickSend);
    ASSERT_FALSE(h.ui.messages.empty());
    EXPECT_EQ(h.ui.messages.back().text, "Data sent.");
    EXPECT_EQ(h.ui.messages.back().icon, MessageIcon::Information);
    frmSending& sending = h.window->Phone().SendingForm();
    EXPECT_FALSE(sending.isVisible());
    EXPECT_FALSE(h.window->Phone().SendDialog().isVisible());
    std::vector<int> shown = sending.Shown();
    shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    EXPECT_EQ(shown, std::vector<int>({0, 5, 20, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(sending.Titles(), std::vector<QString>({"Sending ...", "Sending (1/3) ...",
                                                      "Sending (2/3) ...", "Sending (3/3) ..."}));
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "StatsSend"), "1");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "ConcatCount"), "1");

    // What the phone accepted is the message of the canvas, to the last used number.
    PictureMessageRequest request;
    request.picture = h.window->Doc().Picture();
    request.text = U"Hi";
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = 0;
    const PictureMessagePdus expected = BuildPictureMessagePdus(request);
    const std::vector<std::string> accepted = s.phone.AcceptedPdus();
    ASSERT_EQ(accepted.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(accepted[i], expected.smscField + expected.segments[i].pdu) << i;
    }
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
}

TEST(SendCommand, ASilentPhoneAndAnInvalidNumberAreReported) {
    SendHarness s;
    EditorHarness& h = *s.harness;
    SetCell(*h.window, 3, 3, 1);
    s.phone.SetDefaultBehaviour(PhoneBehaviour::Silent);
    s.Send([](frmSend& dialog) {
        auto* number = dialog.findChild<QLineEdit*>("txtDA");
        number->setText("0791234567");
        ClickSend(dialog);  // refused: national form
        number->setText("+41 (79) 123-45-67");
        ClickSend(dialog);
    });
    ASSERT_EQ(h.ui.messages.size(), 2u);
    EXPECT_EQ(h.ui.messages[0].text,
              "Please enter a valid number with\r\nthe international country-code\r\n\r\n"
              "It could look like 49791...");
    EXPECT_EQ(h.ui.messages[1].text, "Error while talking to COM1.");
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "LastDA"), "41791234567");
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "StatsSend").has_value());
}

TEST(SendCommand, MissingSettingsStopBeforeTheDialog) {
    struct Case {
        const char* smsc;
        const char* port;
        const char* message;
    } cases[] = {
        {"", "1", "Please configure your Message Center Number\r\nin menu 'Edit/Options'"},
        {"123", "0", "Please configure the Nokia GSM Serial Port\r\nin menu 'Edit/Options'"}};
    for (const auto& c : cases) {
        EditorHarness h;
        h.settings->Write("Settings", "SMSC", c.smsc);
        h.settings->Write("Settings", "COMPort", c.port);
        ASSERT_TRUE(h.Start());
        SetCell(*h.window, 1, 1, 1);
        h.Find<QAction>("mnuSend")->trigger();
        ASSERT_EQ(h.ui.messages.size(), 1u);
        EXPECT_EQ(h.ui.messages[0].text, c.message);
        EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::Error);
    }
}

TEST(SendCommand, PhonebookIsReadIntoTheCacheAndTheList) {
    SendHarness s;
    EditorHarness& h = *s.harness;
    s.phone.SetIndexRange("SM", 1, 10);
    s.phone.AddEntry("SM", {3, "+41791234567", 145, "Office, Zurich"});
    s.phone.AddEntry("SM", {5, "+4912345", 145, std::string("J\x81rgen")});
    s.phone.SetIndexRange("ME", 1, 5);
    s.phone.AddEntry("ME", {2, "+4477", 145, "Bob"});
    SetCell(*h.window, 3, 3, 1);
    std::vector<QString> items;
    QString numberAfterPick;
    s.Send([&](frmSend& dialog) {
        auto* list = dialog.findChild<QComboBox*>("cmbPhonebook");
        EXPECT_FALSE(list->isEnabled());
        EXPECT_EQ(list->itemText(0), "No phonebook");
        dialog.cmdPhonebook_Click();  // not loaded yet: no question, the read runs
        for (int i = 0; i < list->count(); ++i) {
            items.push_back(list->itemText(i));
        }
        list->setCurrentIndex(list->findText("Office, Zurich"));
        dialog.cmbPhonebook_Click();
        numberAfterPick = dialog.findChild<QLineEdit*>("txtDA")->text();
        dialog.cmdCancel_Click();
    });
    EXPECT_EQ(items, std::vector<QString>({" Last used number", "Bob", QString::fromUtf8("Jürgen"),
                                           "Office, Zurich"}));
    EXPECT_EQ(numberAfterPick, "41791234567");
    ASSERT_FALSE(h.ui.messages.empty());
    EXPECT_EQ(h.ui.messages[0].text, "Phonebook read.");
    std::ifstream cache(s.dir.path().toStdString() + "/KDXPBOOK.CSV", std::ios::binary);
    const std::string lines((std::istreambuf_iterator<char>(cache)), {});
    EXPECT_NE(lines.find("Office, Zurich;+41791234567;A;3;\r\n"), std::string::npos);
    EXPECT_NE(lines.find("Bob;+4477;B;2;\r\n"), std::string::npos);
    EXPECT_TRUE(h.window->Phone().PhonebookReader().PhonebookLoaded());
}

}  // namespace
}  // namespace pixora::testing

namespace pixora::testing {
namespace {

TEST(ReadingForm, KeepsItsSizeAsTheStageMovesAndShowsItsWholeTitle) {
    TestApplication();
    frmReading form;
    form.show();
    const QSize size = form.size();
    for (const char* stage : {StageInitializing, StageReadingSim, StageReadingPhone, ""}) {
        form.myShowLabel(stage);
        QApplication::processEvents();
        EXPECT_EQ(form.size(), size) << stage;
    }
    EXPECT_GE(form.width(), QFontMetrics(form.font()).horizontalAdvance(form.windowTitle()));
}

}  // namespace
}  // namespace pixora::testing
