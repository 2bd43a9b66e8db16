// SPDX-License-Identifier: GPL-2.0-or-later
// The send module: pixora-cli send runs the editor's send conversation here, on the serial link
// and timer the editor uses, in an event loop without any window; pixora-cli ports lists the
// ports as the editor numbers them.
#include <ostream>
#include <string>

#include "cli/batch_user_interface.h"
#include "cli/phone_session.h"
#include "cli/qt_modules.h"
#include "core/settings_keys.h"
#include "phone/port_diagnosis.h"
#include "phone/send.h"
#include "platform/dbus_modem_manager.h"
#include "platform/port_probe.h"
#include "platform/qt_settings_store.h"
#include "web/usage_counters.h"

extern "C" __attribute__((visibility("default"))) int PixoraCliSend(
    const pixora::cli::SendJob* job) {
    using namespace pixora;
    std::ostream& out = *job->out;
    std::ostream& err = *job->err;
    const auto app = cli::EnsureCoreApplication();

    // Of all writes only the two a send makes go through: the concatenation reference and the
    // send counter.
    const auto line = cli::OpenPhoneLine(
        job->port, job->device, {},
        {{std::string(keys::ConcatCount.section), std::string(keys::ConcatCount.key)},
         {std::string(keys::StatsSend.section), std::string(keys::StatsSend.key)}});
    const std::string smsc = job->smsc ? *job->smsc : ReadText(line->userStore, keys::SMSC);
    const std::string problem = SendSetupProblem(smsc, line->port);
    if (!problem.empty()) {
        err << cli::TerminalText(problem) << "\n";
        return 1;
    }

    bool sent = false;
    PictureSend* running = nullptr;
    cli::ConversationLoop loop([&running] { running->Cancel(); }, job->timeoutSeconds);
    PictureSend send(
        line->phone->Engine(), *line->settings,
        {.myUpdateSending = [&err](int percent) { err << percent << "%\n"
                                                      << std::flush; },
         .setTitle = {},
         .finished =
             [&](bool ok) {
                 sent = ok;
                 loop.Finish();
             },
         .countUsage = [&line](int which) { CountUsage(*line->settings, which); }});
    running = &send;
    send.mySendSMSTo(line->port, job->to, job->picture, job->text, smsc);
    loop.Run();

    const std::string message =
        line->ui.Messages().empty() ? std::string() : line->ui.Messages().back();
    if (sent) {
        out << message << "\n";
        return 0;
    }
    err << message << "\n";
    return 1;
}

extern "C" __attribute__((visibility("default"))) int PixoraCliPorts(std::ostream* out) {
    using namespace pixora;
    cli::QuietQtMessages();
    const auto app = cli::EnsureCoreApplication();
    QtSettingsStore settings;
    DBusModemManager modemManager;
    constexpr const char* indent = "      ";
    for (int port = 1; port <= 8; ++port) {
        const PortFacts facts = ProbePort(settings, port, &modemManager);
        *out << "COM" << port << "  "
             << (facts.port.device.empty() ? "no device" : facts.port.device) << "\n";
        if (!facts.port.stableName.empty()) {
            *out << indent << "stable name: " << facts.port.stableName << "\n";
        }
        const std::string details = PortDetailsText(facts.port);
        if (!details.empty()) {
            *out << indent << "description: " << details << "\n";
        }
        const std::string problem = PortProblem(facts);
        if (facts.port.device.empty()) {
            *out << indent << problem << "\n";
        } else if (facts.opened) {
            *out << indent << "can be opened now" << (problem.empty() ? "" : "; " + problem)
                 << "\n";
        } else {
            *out << indent << "cannot be opened: " << problem << "\n";
        }
    }
    return 0;
}
