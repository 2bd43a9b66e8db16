// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/serial_link.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>
#include <QSerialPortInfo>
#include <algorithm>
#include <string>

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"
#include "phone/port_diagnosis.h"
#include "platform/dbus_modem_manager.h"
#include "platform/port_probe.h"

namespace pixora {

namespace {

// USB adapters and cables, then phones that present themselves as modems (ACM), then
// Bluetooth serial links, then everything else (on-board ports, virtual ones).
int PortGroup(const QString& location) {
    const QString name = QFileInfo(location).fileName();
    int group = 0;
    for (const char* prefix : {"ttyUSB", "ttyACM", "rfcomm"}) {
        if (name.startsWith(QLatin1String(prefix))) {
            return group;
        }
        ++group;
    }
    return group;
}

// Name order that counts digit runs as numbers, so ttyUSB2 comes before ttyUSB10.
bool NaturalLess(const QString& a, const QString& b) {
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int endA = i;
            int endB = j;
            while (endA < a.size() && a[endA].isDigit()) {
                ++endA;
            }
            while (endB < b.size() && b[endB].isDigit()) {
                ++endB;
            }
            const qulonglong numA = a.mid(i, endA - i).toULongLong();
            const qulonglong numB = b.mid(j, endB - j).toULongLong();
            if (numA != numB) {
                return numA < numB;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) {
            return a[i] < b[j];
        }
        ++i;
        ++j;
    }
    return (a.size() - i) < (b.size() - j);
}

}  // namespace

std::string ComDeviceKey(int portNumber) {
    return "COMDevice" + std::to_string(portNumber);
}

QStringList OrderSerialPorts(QStringList locations) {
    std::stable_sort(locations.begin(), locations.end(), [](const QString& a, const QString& b) {
        const int groupA = PortGroup(a);
        const int groupB = PortGroup(b);
        if (groupA != groupB) {
            return groupA < groupB;
        }
        return NaturalLess(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    });
    return locations;
}

QStringList SystemSerialPorts() {
    QStringList locations;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        locations.append(info.systemLocation());
    }
    return OrderSerialPorts(locations);
}

QString SerialDeviceForPort(SettingsStore& settings, int portNumber) {
    if (portNumber < 1) {
        return {};
    }
    const auto pinned = settings.Read(keys::General, ComDeviceKey(portNumber));
    if (pinned && !pinned->empty()) {
        return QString::fromStdString(*pinned);
    }
    const QStringList ports = SystemSerialPorts();
    return portNumber <= ports.size() ? ports[portNumber - 1] : QString();
}

bool ParseLineSettings(std::string_view text, LineSettings& out) {
    const QStringList parts =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(',');
    if (parts.size() != 4) {
        return false;
    }
    bool ok = false;
    const int baud = parts[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0) {
        return false;
    }
    LineSettings result;
    result.baudRate = baud;
    const QString parity = parts[1].trimmed().toLower();
    if (parity == "n") {
        result.parity = QSerialPort::NoParity;
    } else if (parity == "e") {
        result.parity = QSerialPort::EvenParity;
    } else if (parity == "o") {
        result.parity = QSerialPort::OddParity;
    } else if (parity == "m") {
        result.parity = QSerialPort::MarkParity;
    } else if (parity == "s") {
        result.parity = QSerialPort::SpaceParity;
    } else {
        return false;
    }
    const int bits = parts[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8) {
        return false;
    }
    result.dataBits = static_cast<QSerialPort::DataBits>(bits);
    const QString stop = parts[3].trimmed();
    if (stop == "1") {
        result.stopBits = QSerialPort::OneStop;
    } else if (stop == "1.5") {
        result.stopBits = QSerialPort::OneAndHalfStop;
    } else if (stop == "2") {
        result.stopBits = QSerialPort::TwoStop;
    } else {
        return false;
    }
    out = result;
    return true;
}

QtSerialLink::QtSerialLink(SettingsStore& settings, UserInterface& ui, QObject* parent)
    : QObject(parent), settings_(settings), ui_(ui) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::OnError);
}

QtSerialLink::~QtSerialLink() {
    if (port_.isOpen()) {
        port_.close();
    }
    ReleaseModem();
}

bool QtSerialLink::Open(int portNumber, std::string_view settings) {
    if (port_.isOpen()) {
        port_.close();
    }
    ReleaseModem();
    openFailure_.clear();
    LineSettings line;
    const QString device = SerialDeviceForPort(settings_, portNumber);
    if (device.isEmpty() || !ParseLineSettings(settings, line)) {
        Failed(portNumber);
        return false;
    }
    device_ = device;
    LetModemManagerGo(device);
    port_.setPortName(device);
    // Failures while opening are the caller's to report; OnError stays quiet meanwhile.
    opening_ = true;
    const bool opened = port_.open(QIODevice::ReadWrite);
    // The conversations never ask for handshaking; the phones and cables we talk to work
    // without it, and the lines a cable powers itself from are raised by opening the device.
    const bool configured = opened && port_.setBaudRate(line.baudRate) &&
                            port_.setParity(line.parity) && port_.setDataBits(line.dataBits) &&
                            port_.setStopBits(line.stopBits) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    opening_ = false;
    if (!configured) {
        if (port_.isOpen()) {
            port_.close();
        }
        ReleaseModem();
        Failed(portNumber);
        return false;
    }
    port_.clearError();
    return true;
}

bool QtSerialLink::Write(std::string_view bytes) {
    if (!port_.isOpen()) {
        return false;
    }
    const qint64 written = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        return false;
    }
    // Hand the command to the driver now rather than on the next event-loop pass.
    port_.flush();
    return true;
}

bool QtSerialLink::Close() {
    if (port_.isOpen()) {
        port_.close();
    }
    ReleaseModem();
    return true;
}

void QtSerialLink::Failed(int portNumber) {
    openFailure_ = PortFailureReason(ProbePort(settings_, portNumber, modemManager_));
}

void QtSerialLink::LetModemManagerGo(const QString& device) {
    if (modemManager_ == nullptr) {
        return;
    }
    const QString canonical = QFileInfo(device).canonicalFilePath();
    const std::string path = (canonical.isEmpty() ? device : canonical).toStdString();
    const std::optional<std::string> uid = modemManager_->ManagingModem(path);
    if (!uid) {
        return;
    }
    const int answer = ui_.MessageBox(
        TranslateText("SerialLink", "ModemManager manages ") + path +
            TranslateText("SerialLink", " and talks to the phone there itself.\r\n\r\n") +
            TranslateText("SerialLink", "Let ") + ProductName +
            TranslateText("SerialLink", " have the port while it talks to the phone?"),
        ProductName, MessageIcon::Question, MessageButtons::YesNo);
    if (answer == AnswerYes && modemManager_->Inhibit(*uid)) {
        inhibitedUid_ = *uid;
    }
}

void QtSerialLink::ReleaseModem() {
    if (!inhibitedUid_.empty() && modemManager_ != nullptr) {
        modemManager_->Release(inhibitedUid_);
    }
    inhibitedUid_.clear();
}

bool QtSerialLink::IsOpen() const {
    return port_.isOpen();
}

void QtSerialLink::SetReceiver(std::function<void(std::string_view)> receiver) {
    receiver_ = std::move(receiver);
}

void QtSerialLink::SetLostHandler(std::function<void()> lost) {
    lost_ = std::move(lost);
}

void QtSerialLink::Attach(AtEngine& engine) {
    SetReceiver([&engine](std::string_view bytes) { engine.Received(bytes); });
    SetLostHandler([&engine] { engine.LinkLost(); });
}

void QtSerialLink::OnReadyRead() {
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty() && receiver_) {
        receiver_(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
}

void QtSerialLink::OnError(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError:
            return;
        case QSerialPort::OpenError:
        case QSerialPort::PermissionError:
        case QSerialPort::UnsupportedOperationError:
            if (opening_) {
                return;
            }
            break;
        case QSerialPort::ResourceError:
        case QSerialPort::DeviceNotFoundError:
        case QSerialPort::ReadError:
            // The device is gone (a phone unplugged, a Bluetooth link dropped). Close it here
            // and let the conversation fail on the next event-loop pass, outside Qt's own
            // notification code.
            if (!port_.isOpen()) {
                return;
            }
            ui_.Beep();
            port_.close();
            ReleaseModem();
            QMetaObject::invokeMethod(
                this,
                [self = QPointer<QtSerialLink>(this)] {
                    if (self && self->lost_) {
                        self->lost_();
                    }
                },
                Qt::QueuedConnection);
            return;
        default:
            break;
    }
    // Anything else goes wrong while the port is in use: make it heard; the conversation
    // finds out through its retries.
    if (!opening_ && port_.isOpen()) {
        ui_.Beep();
    }
}

SerialConversationTimer::SerialConversationTimer(AtEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {
    connect(&timer_, &QTimer::timeout, this, [this] { engine_.Tick(); });
    engine_.SetTimerHook([this](bool running, int intervalMs) {
        if (running) {
            timer_.start(std::max(1, intervalMs / speedUp_));
        } else {
            timer_.stop();
        }
    });
}

SerialConversationTimer::~SerialConversationTimer() {
    engine_.SetTimerHook(nullptr);
}

SerialPhone::SerialPhone(SettingsStore& settings, UserInterface& ui)
    : modemManager_(std::make_unique<DBusModemManager>()),
      link_(settings, ui),
      engine_(link_, ui),
      timer_(engine_) {
    link_.Attach(engine_);
    link_.SetModemManager(modemManager_.get());
}

}  // namespace pixora
