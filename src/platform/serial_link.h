// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's serial port on the desktop: QSerialPort behind the engine's SerialLink, the rule
// that turns the user's COM number into a device, and the timer that ticks the engine.
//
// Port n is the device named by the setting "COMDevice" + n in section "Settings" when that is
// set; otherwise the n-th serial port the system reports: USB, then ACM, then Bluetooth
// (rfcomm) ports, since that is how phones and their cables show up, then the rest; each group
// in name order, numbers counted as numbers (ttyUSB2 before ttyUSB10).

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/user_interface.h"
#include "phone/at_engine.h"
#include "phone/modem_manager.h"
#include "phone/serial_link.h"

namespace pixora {

// "COMDevice1" ..: the setting (section "Settings") that pins a port number to a device path.
std::string ComDeviceKey(int portNumber);

// Puts port names or paths in the order the numbering uses.
QStringList OrderSerialPorts(QStringList locations);
// The system's serial ports, as device paths, in numbering order.
QStringList SystemSerialPorts();
// The device for COM number n, or empty when there is none.
QString SerialDeviceForPort(SettingsStore& settings, int portNumber);

struct LineSettings {
    qint32 baudRate = 19200;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};
// Reads "19200,n,8,1"; false for anything it cannot set on a port.
bool ParseLineSettings(std::string_view text, LineSettings& out);

class QtSerialLink : public QObject, public SerialLink {
    Q_OBJECT
public:
    QtSerialLink(SettingsStore& settings, UserInterface& ui, QObject* parent = nullptr);
    ~QtSerialLink() override;

    bool Open(int portNumber, std::string_view settings) override;
    bool Write(std::string_view bytes) override;
    bool Close() override;
    bool IsOpen() const override;
    std::string OpenFailureText() const override { return openFailure_; }

    // Asked before every open whether it manages the device; null: never asked.
    void SetModemManager(ModemManager* modemManager) { modemManager_ = modemManager; }

    // Where incoming characters go (all that are waiting, per notification), and who hears that
    // the device went away while open.
    void SetReceiver(std::function<void(std::string_view)> receiver);
    void SetLostHandler(std::function<void()> lost);
    // Both of the above, to an engine.
    void Attach(AtEngine& engine);

    // The device path the last Open used.
    QString DeviceName() const { return device_; }

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    // When ModemManager holds the device, asks the user whether we may have it for this
    // conversation and, if so, has ModemManager let go until Close.
    void LetModemManagerGo(const QString& device);
    void ReleaseModem();
    void Failed(int portNumber);

    SettingsStore& settings_;
    UserInterface& ui_;
    QSerialPort port_;
    QString device_;
    std::function<void(std::string_view)> receiver_;
    std::function<void()> lost_;
    bool opening_ = false;
    ModemManager* modemManager_ = nullptr;
    std::string inhibitedUid_;
    std::string openFailure_;
};

// Starts and stops a QTimer as the engine asks and ticks the engine when it fires.
class SerialConversationTimer : public QObject {
    Q_OBJECT
public:
    explicit SerialConversationTimer(AtEngine& engine, QObject* parent = nullptr);
    ~SerialConversationTimer() override;
    // Divides every interval; only tests use more than 1.
    void SetSpeedUp(int factor) { speedUp_ = factor < 1 ? 1 : factor; }
    bool IsActive() const { return timer_.isActive(); }

private:
    AtEngine& engine_;
    QTimer timer_;
    int speedUp_ = 1;
};

// What the main window and the command-line sender own for the phone: the port, the engine
// and its timer, wired together.
class SerialPhone {
public:
    SerialPhone(SettingsStore& settings, UserInterface& ui);
    AtEngine& Engine() { return engine_; }
    QtSerialLink& Link() { return link_; }
    SerialConversationTimer& Timer() { return timer_; }
    // ModemManager on the system bus unless a test puts another in.
    void SetModemManager(ModemManager* modemManager) { link_.SetModemManager(modemManager); }
    ModemManager& SystemModemManager() { return *modemManager_; }

private:
    std::unique_ptr<ModemManager> modemManager_;
    QtSerialLink link_;
    AtEngine engine_;
    SerialConversationTimer timer_;
};

}  // namespace pixora
