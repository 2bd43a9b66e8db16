// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// ModemManager over D-Bus (QtDBus): which modem holds a serial device, and InhibitDevice on the
// service's main object. Nothing is asked of a bus that is not there or of a service that is not
// running: the check then finds no modem, and ModemManager is never started by our asking.

#include <QDBusConnection>
#include <QString>
#include <optional>
#include <string>

#include "phone/modem_manager.h"

namespace pixora {

class DBusModemManager : public ModemManager {
public:
    // The system bus, where the service lives; tests name a private bus instead.
    explicit DBusModemManager(QString busAddress = QString());
    ~DBusModemManager() override;

    std::optional<std::string> ManagingModem(const std::string& devicePath) override;
    bool Inhibit(const std::string& uid) override;
    void Release(const std::string& uid) override;

private:
    // Null when there is no bus or no ModemManager on it.
    QDBusConnection* Service();

    QString busAddress_;
    QString connectionName_;
    std::optional<QDBusConnection> connection_;
};

}  // namespace pixora
