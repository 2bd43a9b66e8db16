// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Sending a picture message through the phone: the three PDUs of the SMS layer written after
// "AT", "ATZ" and "AT+CMGF=0", each announced with "AT+CMGS=<length>" and sent after the "> "
// prompt. Progress, title changes and the end reach the sending form through callbacks; every
// outcome is told through the engine's user interface, as the editor shows it.
//
//   step  command                 awaits   progress  error text
//   0     AT                      OK       0         Can't talk to COMn.
//   1     ATZ                     OK       5         Can't talk to COMn driver.
//   2     AT+CMGF=0               OK       20        Can't set params.
//   3     AT+CMGS=L1              "> "     40        Can't initiate sending (1/3).
//   4     SMSC + PDU1 + Ctrl-Z    OK       50        Can't send SMS (1/3).
//   5,6   the same for segment 2           60, 70    ... (2/3).
//   7,8   the same for segment 3           80, 90    ... (3/3).

#include <functional>
#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/settings.h"
#include "core/translate.h"
#include "phone/at_engine.h"
#include "phone/step_table.h"
#include "sms/submit_pdu.h"

namespace pixora {

inline constexpr const char* DataSentText = PIXORA_TRANSLATE_NOOP("Phone", "Data sent.");
inline constexpr const char* SendingTitle = PIXORA_TRANSLATE_NOOP("Phone", "Sending ...");
inline constexpr const char* NoSmscText = PIXORA_TRANSLATE_NOOP(
    "Phone", "Please configure your Message Center Number\r\nin menu 'Edit/Options'");

// The send command's checks before the send dialog opens: the text of the error box, or empty
// when the send may go on. The message centre is checked first.
std::string SendSetupProblem(std::string_view smscNumber, int portNumber);

// The destination number after the dialog's digit filter: refused when empty or when it starts
// with "0" (a national number), since the message centre needs the country code.
bool ValidDestination(std::string_view digits);
// The refusal's text, ending with the example of the number in international form.
std::string InvalidDestinationText(std::string_view example);

// "Sending (2/3) ..." for the segment whose announcement carries this progress marker (40, 60,
// 80); empty for any other marker.
std::string SendingSegmentTitle(int marker);

// The error box of a refusal by the message centre: the step's text, CR LF, "Error: " and what
// the code means (nothing after "Error: " for a code we do not know).
std::string CmsErrorMessage(std::string_view stepErrorText, std::string_view reply);

class PictureSend : public Conversation {
public:
    struct Callbacks {
        // The progress form's myUpdateSending: the percentage label and bar.
        std::function<void(int percent)> myUpdateSending;
        // The progress form's title.
        std::function<void(const std::string& title)> setTitle;
        // The send is over and its message box has been shown; the progress form hides.
        // sent: "Data sent." was the outcome.
        std::function<void(bool sent)> finished;
        // Raises a usage counter: the editor passes CountUsage of the web layer. Called with 0
        // (StatsSend) after a complete send only.
        std::function<void(int which)> countUsage;
    };

    PictureSend(AtEngine& engine, SettingsStore& settings, Callbacks callbacks);

    // Builds the send for the number in "LastDA" (saved by the send dialog just before) and
    // starts it on port "COMPort". Returns at once.
    void mySendSMS(const PictureGrid& picture, std::u32string_view text,
                   std::string_view smscNumber);
    // The same for a number given directly and a port number chosen by the caller; "LastDA" is
    // neither read nor written.
    void mySendSMSTo(int portNumber, std::string_view destination, const PictureGrid& picture,
                     std::u32string_view text, std::string_view smscNumber);
    // The progress form's Cancel and close.
    void Cancel() { engine_.SetBreak(true); }

    ConversationRules Rules() const override;
    int StepCount() const override;
    Step BuildStep(int index) const override;
    void OnStepWriting(Exchange& exchange, int index, const Step& step) override;
    bool IsFatalReply(Reply state) const override { return state == Reply::CmsError; }
    // A message line is never written twice: the phone may have submitted it already.
    bool WritesAgain(const Step& step) const override;
    void OnFinished(Exchange& exchange) override;
    void OnTimedOut(Exchange& exchange) override;
    void OnOpenFailed(Exchange& exchange) override;
    void OnCancelled(Exchange& exchange, bool noticedByTick) override;
    void OnFatalReply(Exchange& exchange) override;

private:
    void Run(int portNumber, PictureMessagePdus pdus);
    void Progress(int percent);
    void Finish(bool sent);

    AtEngine& engine_;
    SettingsStore& settings_;
    Callbacks callbacks_;
    PictureMessagePdus pdus_;
};

}  // namespace pixora
