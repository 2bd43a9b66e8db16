// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one thing the AT engine needs from a serial port. The desktop build implements it with
// QSerialPort; tests use a pseudo-terminal behind the same implementation or a scripted fake.
// Incoming characters do not come through this interface: whoever owns the port hands them to
// AtEngine::Received as they arrive.

#include <string>
#include <string_view>

namespace pixora {

// Every conversation opens its port with these line settings.
inline constexpr const char* PhonePortSettings = "19200,n,8,1";

class SerialLink {
public:
    virtual ~SerialLink() = default;
    // portNumber is the user's COM number (1 = first port); settings as PhonePortSettings.
    // False when the port cannot be opened.
    virtual bool Open(int portNumber, std::string_view settings) = 0;
    // False when the characters could not be handed to the port.
    virtual bool Write(std::string_view bytes) = 0;
    // False when closing failed; the port counts as closed afterwards either way.
    virtual bool Close() = 0;
    virtual bool IsOpen() const = 0;
    // Why the last Open failed, in a sentence or two for the user ("COM1 is /dev/ttyUSB0. You may
    // not open ..."); empty when it did not fail or nothing more is known.
    virtual std::string OpenFailureText() const { return {}; }
};

}  // namespace pixora
