// pixora-cli receive: the editor's read of the stored messages, in the phone module beside the
// send, on the same serial link, timer and port choice. The listed entries go back to the
// program, which finds the picture messages among them; nothing here writes a file or a setting.
#include <ostream>
#include <string>

#include "cli/batch_user_interface.h"
#include "cli/phone_session.h"
#include "cli/qt_modules.h"
#include "phone/stored_messages.h"

extern "C" __attribute__((visibility("default"))) int PixoraCliReceive(
    const pixora::cli::ReceiveJob* job) {
    using namespace pixora;
    std::ostream& err = *job->err;
    const auto app = cli::EnsureCoreApplication();
    // A read writes no setting at all.
    const auto line = cli::OpenPhoneLine(job->port, job->device, {}, {});

    bool read = false;
    StoredMessagesRead* running = nullptr;
    cli::ConversationLoop loop([&running] { running->Cancel(); }, job->timeoutSeconds);
    StoredMessagesRead messages(
        line->phone->Engine(), *line->settings,
        {.myShowLabel = [&err](const std::string& label) { err << label << "\n"
                                                               << std::flush; },
         .finished =
             [&](bool ok) {
                 read = ok;
                 loop.Finish();
             }});
    running = &messages;
    messages.ReadStoredMessages();
    loop.Run();

    for (const std::string& message : line->ui.Messages()) {
        err << message << "\n";
    }
    if (!read) {
        return 1;
    }
    for (const StoredMessage& stored : messages.Messages()) {
        job->listed->push_back({stored.memory, stored.index, stored.pdu});
    }
    return 0;
}
