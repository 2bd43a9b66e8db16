// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/dbus_modem_manager.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFileInfo>
#include <QMap>
#include <QVariantMap>
#include <atomic>

namespace pixora {

namespace {

constexpr const char* kService = "org.freedesktop.ModemManager1";
constexpr const char* kPath = "/org/freedesktop/ModemManager1";
constexpr const char* kModemInterface = "org.freedesktop.ModemManager1.Modem";
// A service that does not answer within this is as good as absent; the user is waiting.
constexpr int kTimeoutMs = 2000;

// GetManagedObjects: a{oa{sa{sv}}}.
using InterfaceProperties = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, InterfaceProperties>;

// The names in a modem's "Ports" property, a(su): ("ttyUSB0", type), ...
QStringList PortNames(const QVariant& value) {
    QStringList names;
    if (!value.canConvert<QDBusArgument>()) {
        return names;
    }
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != "a(su)") {
        return names;
    }
    argument.beginArray();
    while (!argument.atEnd()) {
        QString name;
        uint type = 0;
        argument.beginStructure();
        argument >> name >> type;
        argument.endStructure();
        names.append(name);
    }
    argument.endArray();
    return names;
}

}  // namespace

DBusModemManager::DBusModemManager(QString busAddress) : busAddress_(std::move(busAddress)) {
    static std::atomic<int> counter{0};
    connectionName_ = QString("pixora-modem-manager-%1").arg(++counter);
    qDBusRegisterMetaType<InterfaceProperties>();
    qDBusRegisterMetaType<ManagedObjects>();
}

DBusModemManager::~DBusModemManager() {
    // Closing our connection also ends any inhibition still held.
    if (connection_) {
        connection_.reset();
        QDBusConnection::disconnectFromBus(connectionName_);
    }
}

QDBusConnection* DBusModemManager::Service() {
    if (!connection_) {
        connection_ =
            busAddress_.isEmpty()
                ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, connectionName_)
                : QDBusConnection::connectToBus(busAddress_, connectionName_);
    }
    if (!connection_->isConnected() || connection_->interface() == nullptr) {
        return nullptr;
    }
    // Asking the service itself would start it through D-Bus activation.
    const QDBusReply<bool> running = connection_->interface()->isServiceRegistered(kService);
    if (!running.isValid() || !running.value()) {
        return nullptr;
    }
    return &*connection_;
}

std::optional<std::string> DBusModemManager::ManagingModem(const std::string& devicePath) {
    QDBusConnection* bus = Service();
    if (bus == nullptr) {
        return std::nullopt;
    }
    const QString portName = QFileInfo(QString::fromStdString(devicePath)).fileName();
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, "org.freedesktop.DBus.ObjectManager", "GetManagedObjects");
    const QDBusReply<ManagedObjects> reply = bus->call(call, QDBus::Block, kTimeoutMs);
    if (!reply.isValid()) {
        return std::nullopt;
    }
    const ManagedObjects objects = reply.value();
    for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
        const auto modem = object.value().constFind(kModemInterface);
        if (modem == object.value().cend()) {
            continue;
        }
        if (PortNames(modem->value("Ports")).contains(portName)) {
            const QString uid = modem->value("Device").toString();
            if (!uid.isEmpty()) {
                return uid.toStdString();
            }
        }
    }
    return std::nullopt;
}

bool DBusModemManager::Inhibit(const std::string& uid) {
    QDBusConnection* bus = Service();
    if (bus == nullptr) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "InhibitDevice");
    call << QString::fromStdString(uid) << true;
    // Inhibiting disables the modem first, which can take a moment.
    const QDBusMessage reply = bus->call(call, QDBus::Block, 4 * kTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void DBusModemManager::Release(const std::string& uid) {
    QDBusConnection* bus = Service();
    if (bus == nullptr) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "InhibitDevice");
    call << QString::fromStdString(uid) << false;
    bus->call(call, QDBus::Block, kTimeoutMs);
}

}  // namespace pixora
