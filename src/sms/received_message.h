// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A picture message as it arrives: the PDUs of its parts (SMS-DELIVER as the phone stores what it
// received, or SMS-SUBMIT as this program and other tools send), read from the forms people have
// them in, joined by their concatenation reference and decoded back to picture and text.
//
// Forms of input text, told apart line by line:
//   - PDU lines in hex, one part a line, with or without the message-centre field in front
//   - a terminal transcript of AT+CMGL / AT+CMGR in PDU mode: "+CMGL: ..." or "+CMGR: ..."
//     header lines each followed by its PDU line; the command echo, "OK" and blank lines ignored
//   - a gammu SMS backup (INI): [SMSBackupNNN] sections with UDH, Text00, Text01, ... in hex,
//     Coding, Number and DateTime
//
// User-data header elements read: 00 concatenation with an 8-bit reference, 08 the same with a
// 16-bit reference, 05 16-bit application ports, 04 8-bit ports; others are skipped.
//
// Smart Messaging payload: version 30 ("0"), then items in any order, each a type byte, a
// big-endian 16-bit length and that many bytes: 00 text (one byte a character), 01 text in
// UCS-2 big-endian, 02 OTA bitmap; items of other types are skipped.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture.h"

namespace pixora {

// One received or sent part, as far as joining and decoding need it.
struct ReceivedPart {
    bool deliver = false;       // SMS-DELIVER; else SMS-SUBMIT
    std::string address;        // originator of a DELIVER, destination of a SUBMIT; "+" if
                                // international
    std::string timestamp;      // DELIVER only: "2026-12-08 11:37:39 +01:00"
    bool eightBit = true;       // the data coding is 8-bit data
    int dataCoding = 0;         // TP-DCS as received
    int reference = -1;         // concatenation reference; -1 for a message in one part
    int total = 1;              // parts in the message
    int sequence = 1;           // this part's number, 1-based
    int port = -1;              // destination application port; -1 without one
    std::vector<uint8_t> data;  // user data after the header
};

// Reads one PDU given as hex. The message-centre field is optional: the PDU is read both with
// and without it and the reading that uses every octet consistently is taken. nullopt with a
// reason in error otherwise.
std::optional<ReceivedPart> ParseReceivedPdu(std::string_view hex, std::string& error);

// Every part in the input text, in the order met; nullopt with a reason naming the line or
// section in error when something in it is neither a part nor ignorable.
std::optional<std::vector<ReceivedPart>> CollectReceivedParts(std::string_view input,
                                                              std::string& error);

struct ReceivedMessage {
    PictureGrid picture;
    std::u32string text;
    std::string sender;     // the address of the parts
    std::string timestamp;  // of the first part, DELIVER only
};

struct DecodedPayload {
    PictureGrid picture;
    std::u32string text;
};

// The Smart Messaging payload of a picture message. A bitmap of another size than 72 x 28 goes to
// the top-left corner, cut where it is larger.
std::optional<DecodedPayload> DecodePictureMessagePayload(const std::vector<uint8_t>& payload,
                                                          std::string& error);

// Joins the parts of one message and decodes it: "part 2 of 3 is missing",
// "not a picture message (port 0x1581)" and the like in error when it cannot.
std::optional<ReceivedMessage> JoinReceivedParts(const std::vector<ReceivedPart>& parts,
                                                 std::string& error);

// CollectReceivedParts, then JoinReceivedParts.
std::optional<ReceivedMessage> DecodeReceivedMessage(std::string_view input, std::string& error);

}  // namespace pixora
