// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What pixora-cli send and pixora-cli phonebook share on the way to the phone, inside the phone
// module: the settings a script's conversation sees, the choice of port and device, the serial
// phone with its timer, and the event loop that runs a conversation until it ends or is cancelled
// (Ctrl+C, SIGTERM, --timeout).

#include <QCoreApplication>
#include <QEventLoop>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/batch_user_interface.h"
#include "core/settings.h"
#include "platform/qt_settings_store.h"
#include "platform/serial_link.h"

namespace pixora::cli {

// The user's settings as a script's conversation sees them: reads go through to the user's
// store except for the values the command line stands in for; of all writes only the listed
// keys go through, the rest of the editor's state is no business of a script.
class ScriptSettings : public SettingsStore {
public:
    using Key = std::pair<std::string, std::string>;  // section, key
    ScriptSettings(SettingsStore& store, std::map<Key, std::string> overrides,
                   std::vector<Key> writable)
        : store_(store), overrides_(std::move(overrides)), writable_(std::move(writable)) {}

    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view, std::string_view) override {}

private:
    SettingsStore& store_;
    std::map<Key, std::string> overrides_;
    std::vector<Key> writable_;
};

// One conversation's way to the phone. Built in one place for every phone command, so a port
// that cannot be had is found and told the same way whichever command asked: the serial phone
// adds the reason (the device, missing, permission, busy) to the "Can't talk to" message, and
// when ModemManager manages the device the question whether to let Pixora have it is answered
// yes, so it is inhibited for the conversation and released when the port closes.
struct PhoneLine {
    QtSettingsStore userStore;
    std::unique_ptr<ScriptSettings> settings;
    BatchUserInterface ui;
    std::unique_ptr<SerialPhone> phone;
    int port = 0;  // the COM number the messages name
};

// The port is --port, else "COMPort"; a device named on the command line needs no configured
// port and is then called the first one. `overrides` and `writable` as for ScriptSettings.
std::unique_ptr<PhoneLine> OpenPhoneLine(int requestedPort, const std::string& device,
                                         std::map<ScriptSettings::Key, std::string> overrides,
                                         std::vector<ScriptSettings::Key> writable);

// Qt's own warnings (a port it cannot open, a bus it cannot reach) stay off a script's output;
// only critical ones reach standard error. OpenPhoneLine does this itself.
void QuietQtMessages();

// A QCoreApplication when there is none yet (kept until the module's command returns).
std::unique_ptr<QCoreApplication> EnsureCoreApplication();

// The event loop a conversation runs in. While it runs, SIGINT, SIGTERM and, after the time-out,
// the clock call `cancel`, as the progress form's Cancel button does; the conversation then
// ends at its next tick and calls Finish.
class ConversationLoop {
public:
    ConversationLoop(std::function<void()> cancel, int timeoutSeconds);
    ~ConversationLoop();
    ConversationLoop(const ConversationLoop&) = delete;
    ConversationLoop& operator=(const ConversationLoop&) = delete;

    // Called by the conversation's end.
    void Finish();
    // Returns once Finish has been called (at once when it already was).
    void Run();

private:
    std::function<void()> cancel_;
    int timeoutSeconds_;
    bool finished_ = false;
    std::unique_ptr<QEventLoop> loop_;
};

// Runs one of the phone's reads (phonebook, stored messages) to its end as the reading form
// would: `make` builds the read from the callbacks it is handed, then `start` starts it. Each step
// label goes to `err` as it comes, the messages shown go there once the read is over. True when
// the read finished well; `read` keeps the read for its results.
template <typename Read, typename Make>
bool RunPhoneRead(PhoneLine& line, int timeoutSeconds, std::ostream& err, Make make,
                  void (Read::*start)(), std::unique_ptr<Read>& read) {
    bool ok = false;
    ConversationLoop loop([&read] { read->Cancel(); }, timeoutSeconds);
    read = make(typename Read::Callbacks{
        .myShowLabel = [&err](const std::string& label) { err << label << "\n"
                                                              << std::flush; },
        .finished =
            [&](bool finishedWell) {
                ok = finishedWell;
                loop.Finish();
            }});
    ((*read).*start)();
    loop.Run();
    for (const std::string& message : line.ui.Messages()) {
        err << message << "\n";
    }
    return ok;
}

}  // namespace pixora::cli
