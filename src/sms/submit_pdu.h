// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The three SMS-SUBMIT PDUs that carry one picture message, with the message-centre field
// written in front of each and the length announced with "AT+CMGS=".
//
// Each segment's user data starts with a 12-byte header:
//   0B                 header length
//   05 04 158A 0000    16-bit application ports: destination 0x158A (picture message), source 0
//   00 03 RR 03 0n     8-bit concatenation: reference RR, 3 parts, this is part n
//
// SMS-SUBMIT (TP fields in order):
//   51 / 71            first octet: SUBMIT, relative validity period, user-data header present;
//                      0x71 adds the status-report request (third segment only)
//   00                 TP-MR, the phone fills in its own reference
//   LL 91 digits       TP-DA, international, digit count then swapped BCD digits
//   00                 TP-PID
//   F5                 TP-DCS, 8-bit data, message class 1
//   A7                 TP-VP, relative: 24 hours
//   UDL                user-data length in octets, header included
//   header + chunk     TP-UD

#include <array>
#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/settings.h"

namespace pixora {

inline constexpr int PictureMessagePort = 0x158A;
inline constexpr int SegmentCount = 3;
inline constexpr int SegmentPayloadBytes = 128;
inline constexpr char CtrlZ = '\x1A';

// "07912143658709F1" for 12345678901: length in octets (type included), type 91, swapped BCD.
// Anything but a decimal digit is dropped first.
std::string SmscAddressField(std::string_view digits);
// "0A914421436587" for 4412345678: digit count, type 91, swapped BCD.
std::string DestinationAddressField(std::string_view digits);

// "0B0504158A00000003" + RR + "03" + "0n".
std::string UserDataHeader(int reference, int part);

struct SubmitSegment {
    std::string pdu;   // hex, without the message-centre field and without Ctrl-Z
    int length = 0;    // octets of the PDU, the number "AT+CMGS=" announces
    std::string line;  // message-centre field + PDU + Ctrl-Z, written after the prompt
};

struct PictureMessageRequest {
    PictureGrid picture;
    std::u32string text;
    std::string smscNumber;   // digits
    std::string destination;  // digits, international form
    int reference = 0;        // 0..255
    bool statusReport = false;
};

struct PictureMessagePdus {
    std::string smscField;
    std::array<SubmitSegment, SegmentCount> segments;
};

// The whole send, from its inputs alone; reads and writes no setting.
PictureMessagePdus BuildPictureMessagePdus(const PictureMessageRequest& request);

// The concatenation reference for the next send: "ConcatCount" as it is (0 on a fresh install,
// or when the stored value is not a reference 0..255), and the counter stored back advanced by
// one, 255 wrapping to 0.
int TakeConcatReference(SettingsStore& settings);

// Reads "LastDA", "StatusReport" and advances "ConcatCount", in that order of effect the send
// needs; the picture, text and message-centre number come from the editor.
// The PDUs for an explicit destination, read from the same settings as the editor's send
// ("StatusReport", and "ConcatCount", which advances) but without touching "LastDA".
PictureMessagePdus BuildSendTo(SettingsStore& settings, std::string_view destination,
                               const PictureGrid& picture, std::u32string_view text,
                               std::string_view smscNumber);

PictureMessagePdus BuildSend(SettingsStore& settings, const PictureGrid& picture,
                             std::u32string_view text, std::string_view smscNumber);

}  // namespace pixora
