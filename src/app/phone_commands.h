// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor's commands that talk to the phone: Send via SMS with its send dialog and progress
// form, the phonebook read the send dialog starts, Read Messages from Phone, and the port test and
// message-centre read of the options dialog. They own the conversations and the dialogs that show
// them; the serial phone comes from the program, the picture and its text through accessors.

#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "app/frm_options_dialog.h"
#include "core/picture.h"
#include "core/settings.h"
#include "core/user_interface.h"

class QWidget;

namespace pixora {

class PhonebookRead;
class PictureSend;
class PortTest;
class SerialPhone;
class SmscRead;
class StoredMessagesRead;
struct ReceivedMessage;
class frmReading;
class frmSend;
class frmSending;

// What the phone commands need of the window they serve.
struct PhoneCommandHost {
    // The picture and its text as they are at the moment of the send.
    std::function<PictureGrid()> picture;
    std::function<std::u32string()> text;
    // The checks before any output (a picture to send, a text it can carry); false stops.
    std::function<bool()> checkBeforeOutput;
    std::function<void(bool)> setBusy;
    // A message read from the phone becomes the document, after the question about changes.
    std::function<void(const ReceivedMessage&)> openReceived;
};

class PhoneCommands : public PhoneActions {
public:
    // The dialogs are children of `window`; the phone must outlive the commands.
    PhoneCommands(SettingsStore& settings, UserInterface& ui, SerialPhone& phone,
                  std::string phonebookCachePath, PhoneCommandHost host, QWidget* window);
    ~PhoneCommands() override;
    PhoneCommands(const PhoneCommands&) = delete;
    PhoneCommands& operator=(const PhoneCommands&) = delete;

    void mnuSend_Click();
    // Started by the sending form once it is shown.
    void mySendSMS();
    // Started by the reading form once it is shown.
    void myReadPhonebook();
    // File > Read Messages from Phone: reads both memories, lists the picture messages found
    // and opens the one chosen. Nothing on the phone is deleted.
    void mnuReadMessages_Click();

    // The phone actions of the options dialog.
    void myTestPort(int port) override;
    void myReadSMSC(int port) override;
    std::string KeyboardCountryCode() const override { return keyboardCountryCode_; }
    PortDescription DescribePort(int port) const override;
    std::string PortFailureText() const override;
    bool ConversationRunning() const override;
    // True, with a beep, when a conversation is under way: the new one must wait for its end.
    bool RefuseSecondConversation();

    // The dialling code of the user's region, as the start-up found it.
    void SetKeyboardCountryCode(std::string code) { keyboardCountryCode_ = std::move(code); }
    // A branding without SMS sending: the options dialog offers only the warnings.
    void HideSmsSend();

    frmOptionsDialog& OptionsDialog();
    frmSend& SendDialog();
    frmSending& SendingForm();
    frmReading& ReadingForm();
    // The progress form of Read Messages from Phone.
    frmReading& MessagesReadingForm();
    PhonebookRead& PhonebookReader() { return *phonebookRead_; }
    SerialPhone& Serial() { return phone_; }

private:
    SettingsStore& settings_;
    UserInterface& ui_;
    SerialPhone& phone_;
    PhoneCommandHost host_;
    QWidget* window_;
    std::unique_ptr<PortTest> portTest_;
    std::unique_ptr<SmscRead> smscRead_;
    std::unique_ptr<PictureSend> pictureSend_;
    std::unique_ptr<PhonebookRead> phonebookRead_;
    std::unique_ptr<StoredMessagesRead> messagesRead_;
    bool messagesListed_ = false;  // the last read of the messages listed a memory
    // Children of the window, which deletes them.
    QPointer<frmOptionsDialog> optionsDialog_;
    QPointer<frmSend> sendDialog_;
    QPointer<frmSending> sendingForm_;
    QPointer<frmReading> readingForm_;
    QPointer<frmReading> messagesForm_;
    std::string smscNumber_;
    std::string keyboardCountryCode_;
    bool smsSendHidden_ = false;
};

}  // namespace pixora
