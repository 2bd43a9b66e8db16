// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli receive: the editor's read of the stored messages, in the phone module beside the
// send, on the same serial link, timer and port choice. The listed entries go back to the
// program, which finds the picture messages among them; nothing here writes a file or a setting.
#include <memory>
#include <ostream>
#include <string>
#include <utility>

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

    std::unique_ptr<StoredMessagesRead> messages;
    const bool read = cli::RunPhoneRead(
        *line, job->timeoutSeconds, err,
        [&](StoredMessagesRead::Callbacks callbacks) {
            return std::make_unique<StoredMessagesRead>(line->phone->Engine(), *line->settings,
                                                        std::move(callbacks));
        },
        &StoredMessagesRead::ReadStoredMessages, messages);
    if (!read) {
        return 1;
    }
    for (const StoredMessage& stored : messages->Messages()) {
        job->listed->push_back({stored.memory, stored.index, stored.pdu});
    }
    return 0;
}
