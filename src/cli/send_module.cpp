// The send module: pixora-cli send runs the editor's send conversation here, on the serial link
// and timer the editor uses, in an event loop without any window; pixora-cli ports lists the
// ports as the editor numbers them.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include "cli/batch_user_interface.h"
#include "cli/qt_modules.h"
#include "core/settings_keys.h"
#include "phone/port_diagnosis.h"
#include "phone/send.h"
#include "platform/dbus_modem_manager.h"
#include "platform/port_probe.h"
#include "platform/qt_settings_store.h"
#include "platform/serial_link.h"
#include "web/usage_counters.h"

namespace {

using pixora::SettingsStore;

// The settings as the send sees them: everything reads through to the user's store, except that
// a device given on the command line stands in for the port's "COMDevice" entry. Of all writes
// only the two a send makes go through, the concatenation reference and the send counter; the
// rest of the editor's state is no business of a script.
class SendSettings : public SettingsStore {
public:
    SendSettings(SettingsStore& store, int port, std::string device)
        : store_(store), deviceKey_(pixora::ComDeviceKey(port)), device_(std::move(device)) {}

    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
        if (!device_.empty() && section == pixora::keys::General && key == deviceKey_) {
            return device_;
        }
        return store_.Read(section, key);
    }
    bool Write(std::string_view section, std::string_view key, std::string_view value) override {
        if (!Allowed(section, key)) {
            return false;
        }
        return store_.Write(section, key, value);
    }
    void Delete(std::string_view, std::string_view) override {}

private:
    static bool Allowed(std::string_view section, std::string_view key) {
        using pixora::keys::ConcatCount;
        using pixora::keys::StatsSend;
        return (section == ConcatCount.section && key == ConcatCount.key) ||
               (section == StatsSend.section && key == StatsSend.key);
    }

    SettingsStore& store_;
    std::string deviceKey_;
    std::string device_;
};

// SIGINT and SIGTERM reach the event loop through this pipe: the handler only writes a byte.
int signalPipe[2] = {-1, -1};

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    if (signalPipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    }
    errno = saved;
}

// Tests run the 2-second ticks faster; nothing else sets this.
int TickDivisor() {
    const char* text = std::getenv("PIXORA_TICK_DIVISOR");
    if (text == nullptr) {
        return 1;
    }
    const int value = std::atoi(text);
    return value >= 1 && value <= 1000 ? value : 1;
}

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int PixoraCliSend(
    const pixora::cli::SendJob* job) {
    using namespace pixora;
    std::ostream& out = *job->out;
    std::ostream& err = *job->err;
    qInstallMessageHandler(QuietMessages);
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char arg0[] = "pixora-cli";
        static char* argv[] = {arg0, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

    QtSettingsStore userStore;
    const std::string smsc = job->smsc ? *job->smsc : ReadText(userStore, keys::SMSC);
    int port = job->port != 0 ? job->port : ReadInt(userStore, keys::COMPort);
    if (!job->device.empty() && port == 0) {
        // A device named on the command line needs no configured port; its messages call it
        // the first one.
        port = 1;
    }
    cli::BatchUserInterface ui;
    const std::string problem = SendSetupProblem(smsc, port);
    if (!problem.empty()) {
        err << cli::TerminalText(problem) << "\n";
        return 1;
    }
    SendSettings settings(userStore, port, job->device);

    SerialPhone phone(settings, ui);
    phone.Timer().SetSpeedUp(TickDivisor());
    bool done = false;
    bool sent = false;
    QEventLoop loop;
    PictureSend send(
        phone.Engine(), settings,
        {.myUpdateSending = [&err](int percent) { err << percent << "%\n"
                                                      << std::flush; },
         .setTitle = {},
         .finished =
             [&](bool ok) {
                 done = true;
                 sent = ok;
                 loop.quit();
             },
         .countUsage = [&settings](int which) { CountUsage(settings, which); }});

    // Cancel as the progress form's button does: the next tick closes the port and reports.
    QSocketNotifier* notifier = nullptr;
    struct sigaction previousInt = {};
    struct sigaction previousTerm = {};
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &loop);
        QObject::connect(notifier, &QSocketNotifier::activated, [&send] {
            char buffer[16];
            while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
            }
            send.Cancel();
        });
        struct sigaction action = {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &previousInt);
        ::sigaction(SIGTERM, &action, &previousTerm);
    }
    QTimer deadline;
    if (job->timeoutSeconds > 0) {
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [&send] { send.Cancel(); });
        deadline.start(job->timeoutSeconds * 1000);
    }

    send.mySendSMSTo(port, job->to, job->picture, job->text, smsc);
    if (!done) {
        loop.exec();
    }

    if (notifier != nullptr) {
        ::sigaction(SIGINT, &previousInt, nullptr);
        ::sigaction(SIGTERM, &previousTerm, nullptr);
        delete notifier;
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
    const std::string message = ui.Messages().empty() ? std::string() : ui.Messages().back();
    if (sent) {
        out << message << "\n";
        return 0;
    }
    err << message << "\n";
    return 1;
}

extern "C" __attribute__((visibility("default"))) int PixoraCliPorts(std::ostream* out) {
    using namespace pixora;
    qInstallMessageHandler(QuietMessages);
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char arg0[] = "pixora-cli";
        static char* argv[] = {arg0, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
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
