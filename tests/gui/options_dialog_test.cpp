// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/frm_options_dialog.h"
#include "app/frm_send.h"
#include "gui/gui_support.h"
#include "platform/serial_link.h"
#include "support/fake_phone.h"

namespace pixora::testing {
namespace {

struct FakePhoneActions : PhoneActions {
    void myTestPort(int port) override { tested.push_back(port); }
    void myReadSMSC(int port) override { read.push_back(port); }
    std::string KeyboardCountryCode() const override { return countryCode; }
    PortDescription DescribePort(int port) const override {
        if (port != 2) {
            return {};
        }
        return {"/dev/ttyUSB0", "/dev/serial/by-id/usb-Prolific-port0", "USB-Serial Controller",
                "Prolific", "A1"};
    }
    std::string PortFailureText() const override { return failure; }
    bool ConversationRunning() const override { return running; }
    std::vector<int> tested;
    std::vector<int> read;
    std::string countryCode;
    std::string failure;
    bool running = false;
};

struct DialogHarness {
    DialogHarness() {
        TestApplication();
        dialog = std::make_unique<frmOptionsDialog>(settings, ui, phone);
    }
    template <typename T>
    T* Find(const char* name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Types into the number box and leaves it for the port list.
    void EnterNumber(const QString& text) {
        auto* box = Find<QLineEdit>("txtOptSMSC");
        dialog->show();
        box->setFocus();
        box->setText(text);
        dialog->txtOptSMSC_LostFocus();
    }
    MemorySettingsStore settings;
    FakeUserInterface ui;
    FakePhoneActions phone;
    std::unique_ptr<frmOptionsDialog> dialog;
};

TEST(OptionsDialog, AnEmptyStoreShowsTheDefaults) {
    DialogHarness h;
    h.dialog->show();
    EXPECT_EQ(h.dialog->windowTitle(), "Options");
    EXPECT_EQ(h.Find<QLineEdit>("txtOptSMSC")->text(), "");
    EXPECT_EQ(h.Find<QComboBox>("cmbComPort")->currentIndex(), -1);
    EXPECT_EQ(h.Find<QLabel>("lblSerialStatus")->text(), "Select the virtual Nokia COM-port.");
    EXPECT_FALSE(h.Find<QPushButton>("cmdTest")->isEnabled());
    EXPECT_FALSE(h.Find<QToolButton>("cmdReadSMSC")->isEnabled());
    EXPECT_TRUE(h.Find<QCheckBox>("chkIfNotSaved")->isChecked());
    EXPECT_TRUE(h.Find<QCheckBox>("chkIfEmpty")->isChecked());
    EXPECT_FALSE(h.Find<QCheckBox>("chkIfResize")->isChecked());
    EXPECT_FALSE(h.Find<QCheckBox>("chkFTWarn")->isChecked());
    EXPECT_FALSE(h.Find<QCheckBox>("chkStatusReport")->isChecked());
    EXPECT_TRUE(h.Find<QCheckBox>("chkPbookReadSM")->isChecked());
    EXPECT_TRUE(h.Find<QCheckBox>("chkPbookReadME")->isChecked());

    auto* tabs = h.Find<QTabWidget>("TabStrip1");
    QStringList captions;
    QStringList keys;
    for (int i = 0; i < tabs->count(); ++i) {
        captions << tabs->tabText(i);
        keys << tabs->tabBar()->tabData(i).toString();
    }
    EXPECT_EQ(captions, QStringList({"Serial Port", "SMS", "Warnings", "Advanced"}));
    EXPECT_EQ(keys, QStringList({"Serial", "SMS", "Warnings", "Advanced"}));
    auto* ports = h.Find<QComboBox>("cmbComPort");
    ASSERT_EQ(ports->count(), 8);
    EXPECT_EQ(ports->itemText(0), "COM1");
    EXPECT_EQ(ports->itemText(1), "COM2  (/dev/ttyUSB0, USB-Serial Controller)");
    EXPECT_EQ(ports->itemData(7).toInt(), 8);
    EXPECT_EQ(h.Find<QToolButton>("cmdReadSMSC")->toolTip(),
              "Read Message Center Number from phone");
    EXPECT_EQ(h.Find<QCheckBox>("chkFTWarn")->toolTip(),
              "If not all known Nokia logo filetypes are associated to the correct application");
}

TEST(OptionsDialog, OkSavesEverythingInItsStoredForm) {
    DialogHarness h;
    h.settings.Write("Settings", "COMPort", "3");
    h.EnterNumber("+49 171 000");
    EXPECT_EQ(h.Find<QLineEdit>("txtOptSMSC")->text(), "49171000");
    EXPECT_TRUE(h.ui.messages.empty());
    EXPECT_EQ(h.Find<QLabel>("lblSerialStatus")->text(),
              "First establish cable/IR connection, then test COM3");
    h.Find<QCheckBox>("chkPbookReadME")->click();
    h.Find<QCheckBox>("chkStatusReport")->click();
    h.Find<QCheckBox>("chkIfResize")->click();
    QTest::mouseClick(h.Find<QPushButton>("cmdOk"), Qt::LeftButton);
    EXPECT_EQ(h.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(h.settings.Read("Settings", "SMSC"), "49171000");
    EXPECT_EQ(h.settings.Read("Settings", "COMPort"), "3");
    EXPECT_EQ(h.settings.Read("Settings", "PBookReadSM"), "True");
    EXPECT_EQ(h.settings.Read("Settings", "PBookReadME"), "False");
    EXPECT_EQ(h.settings.Read("Zorvet Settings", "StatusReport"), "1");
    EXPECT_EQ(h.settings.Read("Settings", "WarnIfEmpty"), "1");
    EXPECT_EQ(h.settings.Read("Settings", "WarnIfResize"), "1");
    EXPECT_EQ(h.settings.Read("Settings", "WarnIfNotSaved"), "1");
    // Absent, the file-type check shows cleared, and OK stores that.
    EXPECT_EQ(h.settings.Read("Settings", "FileTypeWarn"), "0");
}

TEST(OptionsDialog, ANumberStartingWithZeroKeepsTheDialogOpen) {
    DialogHarness h;
    h.phone.countryCode = "49";
    h.EnterNumber("0171 2345678");
    ASSERT_EQ(h.ui.messages.size(), 1u);  // leaving the box shows it once
    const std::string expected =
        "Please enter the Message Center Number\r\nwith the international country-code\r\n\r\n"
        "It could look like 49171...";
    EXPECT_EQ(h.ui.messages[0].text, expected);
    EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(h.ui.messages[0].title, "Pixora");
    h.dialog->cmdOk_Click();
    EXPECT_EQ(h.ui.messages.size(), 2u);
    EXPECT_TRUE(h.dialog->isVisible());
    EXPECT_TRUE(h.settings.Values().empty());
    h.EnterNumber("491712345678");
    h.dialog->cmdOk_Click();
    EXPECT_FALSE(h.dialog->isVisible());
    EXPECT_EQ(h.settings.Read("Settings", "SMSC"), "491712345678");
}

TEST(OptionsDialog, CancelForgetsTheEditsAndUnknownPortsLeaveTheList) {
    DialogHarness h;
    h.settings.Write("Settings", "SMSC", "4917000");
    h.settings.Write("Settings", "WarnIfEmpty", "0");
    h.dialog->show();
    h.Find<QCheckBox>("chkIfEmpty")->click();
    h.Find<QLineEdit>("txtOptSMSC")->setText("4400");
    h.dialog->cmdCancel_Click();
    EXPECT_EQ(h.settings.Values().size(), 2u);
    EXPECT_EQ(h.settings.Read("Settings", "WarnIfEmpty"), "0");
    h.dialog->show();
    EXPECT_FALSE(h.Find<QCheckBox>("chkIfEmpty")->isChecked());
    EXPECT_EQ(h.Find<QLineEdit>("txtOptSMSC")->text(), "4917000");

    for (const char* stored : {"9", "x"}) {
        auto* ports = h.Find<QComboBox>("cmbComPort");
        ports->setCurrentIndex(4);
        h.dialog->hide();
        h.settings.Write("Settings", "COMPort", stored);
        h.dialog->show();
        if (std::string(stored) == "x") {
            // Unreadable reads as no port at all.
            EXPECT_EQ(ports->currentIndex(), -1);
            EXPECT_EQ(h.dialog->WorkingPort(), 0);
        } else {
            EXPECT_EQ(ports->currentIndex(), 4) << stored;
            EXPECT_EQ(h.dialog->WorkingPort(), 5) << stored;
        }
    }
}

TEST(OptionsDialog, PhoneActionsReportBackIntoTheLabels) {
    DialogHarness h;
    h.settings.Write("Settings", "COMPort", "2");
    h.dialog->show();
    h.Find<QPushButton>("cmdTest")->click();
    EXPECT_EQ(h.phone.tested, std::vector<int>{2});
    EXPECT_EQ(h.Find<QLabel>("lblSerialStatus")->text(), "Testing COM2 ... please wait!");
    EXPECT_FALSE(h.Find<QPushButton>("cmdOk")->isEnabled());
    EXPECT_FALSE(h.Find<QTabWidget>("TabStrip1")->isEnabled());
    h.dialog->myTestDone(1);
    EXPECT_TRUE(h.Find<QPushButton>("cmdOk")->isEnabled());
    EXPECT_EQ(h.Find<QLabel>("lblSerialStatus")->text(), "COM2 is \"Data Suite compatible\".");
    h.dialog->myTestDone(3);
    EXPECT_EQ(h.Find<QLabel>("lblSerialStatus")->text(), "COM2 is not available or in use.");
    // The reason, when the port said why, follows the sentence.
    h.phone.failure = "COM2 is /dev/ttyUSB0. /dev/ttyUSB0 is in use by minicom (process 9).";
    h.dialog->myTestDone(3);
    EXPECT_EQ(h.Find<QLabel>("lblSerialStatus")->text(),
              "COM2 is not available or in use.\nCOM2 is /dev/ttyUSB0. /dev/ttyUSB0 is in use by "
              "minicom (process 9).");
    h.phone.failure.clear();

    h.Find<QToolButton>("cmdReadSMSC")->click();
    EXPECT_EQ(h.phone.read, std::vector<int>{2});
    EXPECT_EQ(h.Find<QLabel>("lblReadStatus")->text(), "Checking...");
    h.settings.Write("Settings", "SMSC", "12345678901");
    h.dialog->myReadSMSCDone(2);
    EXPECT_EQ(h.Find<QLineEdit>("txtOptSMSC")->text(), "12345678901");
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].text,
              "Please add the international country-code\r\nto your Message Center Number");
    h.dialog->myReadSMSCDone(3);
    EXPECT_EQ(h.Find<QLineEdit>("txtOptSMSC")->text(), "");
    EXPECT_EQ(h.Find<QLabel>("lblReadStatus")->text(), "Could not find Number.");
    EXPECT_EQ(h.ui.busyPointer, std::vector<bool>({true, false, false, false, true, false, false}));
}

TEST(OptionsDialog, ThePortListShowsTheDeviceAndPinsItOnOk) {
    DialogHarness h;
    h.settings.Write("Settings", "COMPort", "2");
    h.dialog->show();
    auto* details = h.Find<QLabel>("lblPortDetails");
    EXPECT_EQ(details->text(),
              "/dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-port0)\nUSB-Serial Controller, "
              "Prolific, serial A1");
    auto* ports = h.Find<QComboBox>("cmbComPort");
    ports->setCurrentIndex(0);
    h.dialog->cmbComPort_Click();
    EXPECT_EQ(details->text(), "No device is connected as COM1.");
    // COM1 has nothing to pin.
    h.Find<QPushButton>("cmdOk")->click();
    EXPECT_EQ(h.settings.Read("Settings", "COMDevice1"), std::nullopt);

    h.dialog->show();
    ports->setCurrentIndex(1);
    h.dialog->cmbComPort_Click();
    h.Find<QPushButton>("cmdOk")->click();
    EXPECT_EQ(h.settings.Read("Settings", "COMPort"), "2");
    EXPECT_EQ(h.settings.Read("Settings", "COMDevice2"), "/dev/serial/by-id/usb-Prolific-port0");
}

TEST(OptionsDialog, EscAndTheCloseBoxWaitForThePhone) {
    for (const char* action : {"cmdTest", "cmdReadSMSC"}) {
        SCOPED_TRACE(action);
        DialogHarness h;
        h.settings.Write("Settings", "COMPort", "2");
        h.dialog->show();
        QWidget* button = h.Find<QWidget>(action);
        const QList<QWidget*> widgets = h.dialog->findChildren<QWidget*>();
        std::vector<bool> enabledBefore;
        for (QWidget* widget : widgets) {
            enabledBefore.push_back(widget->isEnabled());
        }
        QMetaObject::invokeMethod(button, "click");
        QTest::keyClick(h.dialog.get(), Qt::Key_Escape);
        EXPECT_TRUE(h.dialog->isVisible());
        EXPECT_FALSE(h.dialog->close());
        EXPECT_TRUE(h.dialog->isVisible());
        if (std::string(action) == "cmdTest") {
            h.dialog->myTestDone(0);
        } else {
            h.dialog->myReadSMSCDone(0);
        }
        // Every control as it was before (Qt's own tab-scroll arrows stay off throughout).
        for (qsizetype i = 0; i < widgets.size(); ++i) {
            EXPECT_EQ(widgets[i]->isEnabled(), enabledBefore[static_cast<size_t>(i)])
                << widgets[i]->objectName().toStdString();
        }
        EXPECT_TRUE(h.Find<QPushButton>("cmdCancel")->isEnabled());
        EXPECT_EQ(h.ui.busyPointer, std::vector<bool>({true, false}));
        // Over: Esc is Cancel again.
        QTest::keyClick(h.dialog.get(), Qt::Key_Escape);
        EXPECT_FALSE(h.dialog->isVisible());
    }
}

TEST(OptionsDialog, NoActionStartsWhileAConversationRuns) {
    DialogHarness h;
    h.settings.Write("Settings", "COMPort", "2");
    h.dialog->show();
    h.phone.running = true;
    h.Find<QPushButton>("cmdTest")->click();
    h.Find<QToolButton>("cmdReadSMSC")->click();
    EXPECT_EQ(h.ui.beeps, 2);
    EXPECT_TRUE(h.phone.tested.empty());
    EXPECT_TRUE(h.phone.read.empty());
    EXPECT_TRUE(h.Find<QPushButton>("cmdOk")->isEnabled());
    EXPECT_TRUE(h.ui.busyPointer.empty());
}

TEST(OptionsDialog, ASendWaitsForThePortTestToEnd) {
    FakePhone phone;
    ASSERT_TRUE(phone.Ok());
    phone.SetDefaultBehaviour(PhoneBehaviour::Silent);
    EditorHarness h;
    h.settings->Write("Settings", "COMDevice1", phone.SlavePath());
    h.settings->Write("Settings", "COMPort", "1");
    h.settings->Write("Settings", "SMSC", "12345678901");
    h.settings->Write("Settings", "WarnIfEmpty", "0");
    ASSERT_TRUE(h.Start());
    h.window->Phone().Serial().Timer().SetSpeedUp(10);
    frmOptionsDialog& dialog = h.window->Phone().OptionsDialog();
    dialog.show();
    dialog.cmdTest_Click();
    ASSERT_TRUE(h.window->Phone().ConversationRunning());
    const int beeps = h.ui.beeps;
    h.window->mnuSend_Click();
    EXPECT_EQ(h.ui.beeps, beeps + 1);
    EXPECT_FALSE(h.window->Phone().SendDialog().isVisible());
    // The port test was not dropped: it ends as a silent phone's test does.
    auto* status = dialog.findChild<QLabel*>("lblSerialStatus");
    QTRY_COMPARE_WITH_TIMEOUT(status->text(),
                              QString("COM1 does not return valid data at the moment."), 5000);
    EXPECT_FALSE(h.window->Phone().ConversationRunning());
}

TEST(OptionsDialog, TestAndReadRunAgainstASimulatedPhone) {
    FakePhone phone;
    ASSERT_TRUE(phone.Ok());
    phone.SetCsca("\"+12345678901\",145");
    EditorHarness h;
    h.settings->Write("Settings", "COMDevice1", phone.SlavePath());
    h.settings->Write("Settings", "COMPort", "1");
    ASSERT_TRUE(h.Start());
    h.window->Phone().Serial().Timer().SetSpeedUp(10);
    frmOptionsDialog& dialog = h.window->Phone().OptionsDialog();
    dialog.show();
    auto* status = dialog.findChild<QLabel*>("lblSerialStatus");
    dialog.cmdTest_Click();
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("COM1 is \"Data Suite compatible\"."), 5000);
    dialog.cmdReadSMSC_Click();
    auto* read = dialog.findChild<QLabel*>("lblReadStatus");
    QTRY_COMPARE_WITH_TIMEOUT(read->text(), QString("Number has been read."), 5000);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtOptSMSC")->text(), "12345678901");
    EXPECT_EQ(h.settings->Read("Settings", "SMSC"), "12345678901");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdOk")->isEnabled());
}

}  // namespace
}  // namespace pixora::testing
