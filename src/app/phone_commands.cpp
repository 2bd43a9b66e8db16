// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/phone_commands.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/frm_reading.h"
#include "app/frm_received_messages.h"
#include "app/frm_send.h"
#include "app/frm_sending.h"
#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"
#include "phone/phonebook.h"
#include "phone/port_test.h"
#include "phone/send.h"
#include "phone/stored_messages.h"
#include "platform/port_probe.h"
#include "platform/serial_link.h"
#include "sms/stored_pictures.h"
#include "web/usage_counters.h"

namespace pixora {

PhoneCommands::PhoneCommands(SettingsStore& settings, UserInterface& ui, SerialPhone& phone,
                             std::string phonebookCachePath, PhoneCommandHost host, QWidget* window)
    : settings_(settings), ui_(ui), phone_(phone), host_(std::move(host)), window_(window) {
    portTest_ = std::make_unique<PortTest>(phone_.Engine(),
                                           [this](int code) { OptionsDialog().myTestDone(code); });
    PictureSend::Callbacks sendCallbacks;
    sendCallbacks.myUpdateSending = [this](int percent) { SendingForm().myUpdateSending(percent); };
    sendCallbacks.setTitle = [this](const std::string& title) {
        SendingForm().SetTitle(QString::fromStdString(title));
    };
    sendCallbacks.finished = [this](bool) { SendingForm().Finished(); };
    sendCallbacks.countUsage = [this](int which) { CountUsage(settings_, which); };
    pictureSend_ = std::make_unique<PictureSend>(phone_.Engine(), settings_, sendCallbacks);
    PhonebookRead::Callbacks readCallbacks;
    readCallbacks.myShowLabel = [this](const std::string& label) {
        ReadingForm().myShowLabel(label);
    };
    readCallbacks.finished = [this](bool) {
        ui_.SetBusyPointer(false);
        ReadingForm().Finished();
    };
    phonebookRead_ = std::make_unique<PhonebookRead>(phone_.Engine(), settings_,
                                                     std::move(phonebookCachePath), readCallbacks);
    StoredMessagesRead::Callbacks messagesCallbacks;
    messagesCallbacks.myShowLabel = [this](const std::string& label) {
        MessagesReadingForm().myShowLabel(label);
    };
    messagesCallbacks.finished = [this](bool read) {
        messagesListed_ = read;
        ui_.SetBusyPointer(false);
        MessagesReadingForm().Finished();
    };
    messagesRead_ = std::make_unique<StoredMessagesRead>(phone_.Engine(), settings_,
                                                         std::move(messagesCallbacks));
    smscRead_ = std::make_unique<SmscRead>(
        phone_.Engine(), settings_, [this](int code) { OptionsDialog().myReadSMSCDone(code); });
}

PhoneCommands::~PhoneCommands() = default;

frmOptionsDialog& PhoneCommands::OptionsDialog() {
    if (optionsDialog_ == nullptr) {
        optionsDialog_ = new frmOptionsDialog(settings_, ui_, *this, window_);
        if (smsSendHidden_) {
            optionsDialog_->ShowOnlyWarnings();
        }
        optionsDialog_->onSourcesChanged = [this](bool sim, bool phone) {
            ReadingForm().SetSources(sim, phone);
        };
    }
    return *optionsDialog_;
}

frmSend& PhoneCommands::SendDialog() {
    if (sendDialog_ == nullptr) {
        sendDialog_ = new frmSend(settings_, ui_, *phonebookRead_, window_);
        sendDialog_->showReading = [this] {
            if (!RefuseSecondConversation()) {
                ReadingForm().exec();
            }
        };
        sendDialog_->showSending = [this] {
            if (!RefuseSecondConversation()) {
                SendingForm().exec();
            }
        };
        sendDialog_->countryCode = [this] { return keyboardCountryCode_; };
    }
    return *sendDialog_;
}

frmSending& PhoneCommands::SendingForm() {
    if (sendingForm_ == nullptr) {
        sendingForm_ = new frmSending(window_);
        sendingForm_->onShown = [this] { mySendSMS(); };
        sendingForm_->onCancel = [this] { pictureSend_->Cancel(); };
    }
    return *sendingForm_;
}

frmReading& PhoneCommands::ReadingForm() {
    if (readingForm_ == nullptr) {
        readingForm_ = new frmReading(window_);
        readingForm_->SetSources(ReadBool(settings_, keys::PBookReadSM),
                                 ReadBool(settings_, keys::PBookReadME));
        readingForm_->onShown = [this] { myReadPhonebook(); };
        readingForm_->onCancel = [this] { phonebookRead_->Cancel(); };
    }
    return *readingForm_;
}

frmReading& PhoneCommands::MessagesReadingForm() {
    if (messagesForm_ == nullptr) {
        messagesForm_ = new frmReading(window_);
        messagesForm_->setObjectName("frmReadingMessages");
        messagesForm_->setWindowTitle(
            QCoreApplication::translate("PhoneCommands", "Reading messages ..."));
        messagesForm_->onShown = [this] {
            ui_.SetBusyPointer(true);
            messagesRead_->ReadStoredMessages();
        };
        messagesForm_->onCancel = [this] { messagesRead_->Cancel(); };
    }
    return *messagesForm_;
}

void PhoneCommands::mnuReadMessages_Click() {
    if (RefuseSecondConversation()) {
        return;
    }
    host_.setBusy(true);
    messagesListed_ = false;
    MessagesReadingForm().exec();
    // A memory refused, a time-out or a cancel has been told by the read itself.
    if (messagesListed_) {
        std::vector<ListedPdu> listed;
        for (const StoredMessage& stored : messagesRead_->Messages()) {
            listed.push_back({stored.memory, stored.index, stored.pdu});
        }
        const StoredPictures found = FindStoredPictures(listed);
        if (!found.problems.empty()) {
            std::string text = TranslateText(
                "PhoneCommands", "These picture messages on the phone cannot be opened:");
            for (const std::string& problem : found.problems) {
                text += "\r\n" + problem;
            }
            ui_.MessageBox(text, ProductName, MessageIcon::Warning, MessageButtons::Ok);
        }
        if (found.messages.empty()) {
            ui_.MessageBox(
                TranslateText("PhoneCommands", "No picture messages were found on the phone."),
                ProductName, MessageIcon::Information, MessageButtons::Ok);
        } else {
            frmReceivedMessages dialog(found.messages, window_);
            if (dialog.exec() == QDialog::Accepted && dialog.Chosen() >= 0) {
                host_.openReceived(found.messages[static_cast<size_t>(dialog.Chosen())].message);
            }
        }
    }
    host_.setBusy(false);
}

void PhoneCommands::HideSmsSend() {
    smsSendHidden_ = true;
    if (optionsDialog_ != nullptr) {
        optionsDialog_->ShowOnlyWarnings();
    }
}

void PhoneCommands::mnuSend_Click() {
    host_.setBusy(true);
    if (host_.checkBeforeOutput()) {
        smscNumber_ = ReadText(settings_, keys::SMSC);
        const int port = ReadInt(settings_, keys::COMPort);
        const std::string problem = SendSetupProblem(smscNumber_, port);
        if (!problem.empty()) {
            ui_.MessageBox(problem, ProductName, MessageIcon::Error, MessageButtons::Ok);
        } else if (!RefuseSecondConversation()) {
            phone_.Engine().SetPortNumber(port);
            SendDialog().exec();
        }
    }
    host_.setBusy(false);
}

void PhoneCommands::mySendSMS() {
    pictureSend_->mySendSMS(host_.picture(), host_.text(), smscNumber_);
}

void PhoneCommands::myReadPhonebook() {
    // The hourglass stays while the form is up; the end of the read puts it back.
    ui_.SetBusyPointer(true);
    phonebookRead_->myReadPhonebook();
}

void PhoneCommands::myTestPort(int port) {
    if (RefuseSecondConversation()) {
        OptionsDialog().myTestDone(test_result::NotAvailable);
        return;
    }
    portTest_->myTestPort(port);
}

void PhoneCommands::myReadSMSC(int port) {
    if (RefuseSecondConversation()) {
        OptionsDialog().myReadSMSCDone(smsc_result::NotRead);
        return;
    }
    smscRead_->myReadSMSC(port);
}

PortDescription PhoneCommands::DescribePort(int port) const {
    return DescribeComPort(settings_, port);
}

std::string PhoneCommands::PortFailureText() const {
    return phone_.Engine().OpenFailure();
}

bool PhoneCommands::ConversationRunning() const {
    return phone_.Engine().Running();
}

bool PhoneCommands::RefuseSecondConversation() {
    if (!ConversationRunning()) {
        return false;
    }
    ui_.Beep();
    return true;
}

}  // namespace pixora
