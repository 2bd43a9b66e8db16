// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "pixora-cli pdu": the three SMS-SUBMIT lines the editor would hand the phone for a picture, for
// checking them with other tools. Reads and writes no setting.

#include <optional>
#include <span>
#include <string>

#include "core/picture.h"

namespace pixora::cli {

inline constexpr const char* PduOperands =
    "INPUT --to DIGITS [--smsc DIGITS] [--ref N] [--status-report] [--format at|hex|kannel] "
    "[--kannel-url URL --user NAME --password WORD]";

enum class PduFormat { At, Hex, Kannel };

struct PduOptions {
    std::string input;
    std::string to;
    std::string smsc;
    int reference = 0;
    bool statusReport = false;
    PduFormat format = PduFormat::At;
    std::string kannelUrl;  // the sendsms address, e.g. http://host:13013/cgi-bin/sendsms
    std::string user;
    std::string password;
};

// nullopt with the reason in error when the operands are not usable.
std::optional<PduOptions> ParsePduOptions(std::span<const std::string> operands,
                                          std::string& error);

// At: six lines, for each segment "AT+CMGS=" and its length, then the message-centre field and
// the PDU in upper-case hex, as written after the prompt but without the closing Ctrl-Z.
// Hex: three lines, each segment's user data (header and payload chunk) in hex, what an SMPP or
// HTTP gateway takes as a binary message. Kannel: three sendsms addresses carrying the same
// header and chunk percent-encoded, 8-bit coding.
std::string PduLines(const PduOptions& options, const PictureGrid& picture,
                     const std::u32string& text);

}  // namespace pixora::cli
