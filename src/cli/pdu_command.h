#pragma once
// "pixora-cli pdu": the three SMS-SUBMIT lines the editor would hand the phone for a picture, for
// checking them with other tools. Reads and writes no setting.

#include <optional>
#include <span>
#include <string>

#include "core/picture.h"

namespace pixora::cli {

inline constexpr const char* PduOperands =
    "INPUT --to DIGITS --smsc DIGITS [--ref N] [--status-report]";

struct PduOptions {
    std::string input;
    std::string to;
    std::string smsc;
    int reference = 0;
    bool statusReport = false;
};

// nullopt with the reason in error when the operands are not usable.
std::optional<PduOptions> ParsePduOptions(std::span<const std::string> operands,
                                          std::string& error);

// Six lines: for each segment "AT+CMGS=" and its length, then the message-centre field and the
// PDU in upper-case hex, as written after the prompt but without the closing Ctrl-Z.
std::string PduLines(const PduOptions& options, const PictureGrid& picture,
                     const std::u32string& text);

}  // namespace pixora::cli
