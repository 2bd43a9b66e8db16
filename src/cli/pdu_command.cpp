// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/pdu_command.h"

#include <cctype>
#include <charconv>

#include "formats/bits.h"

#include "shell/phone_numbers.h"
#include "sms/submit_pdu.h"

namespace pixora::cli {

namespace {

// Every byte as %XX except the characters that never need it in a query.
std::string PercentEncoded(std::string_view bytes, bool keepUnreserved) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepUnreserved &&
            (std::isalnum(byte) != 0 || c == '-' || c == '.' || c == '_' || c == '~')) {
            out += c;
            continue;
        }
        out += '%';
        out += HexDigits[byte >> 4];
        out += HexDigits[byte & 0xF];
    }
    return out;
}

std::string HexToRaw(std::string_view hex) {
    std::string raw;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        raw += static_cast<char>(hex2dec(hex.substr(i, 2)));
    }
    return raw;
}

// The user data of a segment: the PDU from its header on (TP-UDL is octet 12 of ours).
std::string UserData(const SubmitSegment& segment) {
    return segment.pdu.substr(26);
}

}  // namespace

std::optional<PduOptions> ParsePduOptions(std::span<const std::string> operands,
                                          std::string& error) {
    PduOptions options;
    bool haveTo = false;
    bool haveSmsc = false;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& word = operands[i];
        const bool hasValue = i + 1 < operands.size();
        if (word == "--format" || word == "--kannel-url" || word == "--user" ||
            word == "--password") {
            if (!hasValue) {
                error = word + " needs a value";
                return std::nullopt;
            }
            const std::string& value = operands[++i];
            if (word == "--format") {
                if (value == "at") {
                    options.format = PduFormat::At;
                } else if (value == "hex") {
                    options.format = PduFormat::Hex;
                } else if (value == "kannel") {
                    options.format = PduFormat::Kannel;
                } else {
                    error = "--format takes at, hex or kannel";
                    return std::nullopt;
                }
            } else {
                (word == "--kannel-url" ? options.kannelUrl
                 : word == "--user"     ? options.user
                                        : options.password) = value;
            }
        } else if (word == "--to" || word == "--smsc" || word == "--ref") {
            if (!hasValue) {
                error = word + " needs a value";
                return std::nullopt;
            }
            const std::string& value = operands[++i];
            if (word == "--ref") {
                int reference = -1;
                const auto [end, ec] =
                    std::from_chars(value.data(), value.data() + value.size(), reference);
                if (ec != std::errc() || end != value.data() + value.size() || reference < 0 ||
                    reference > 255) {
                    error = "--ref takes a number from 0 to 255";
                    return std::nullopt;
                }
                options.reference = reference;
                continue;
            }
            const std::string digits = DigitsOnly(value);
            if (digits.empty() || digits != value) {
                error = word + " takes digits only, in international form";
                return std::nullopt;
            }
            (word == "--to" ? options.to : options.smsc) = digits;
            (word == "--to" ? haveTo : haveSmsc) = true;
        } else if (word == "--status-report") {
            options.statusReport = true;
        } else if (!word.empty() && word[0] == '-') {
            error = "unknown option " + word;
            return std::nullopt;
        } else if (options.input.empty()) {
            options.input = word;
        } else {
            error = "only one INPUT";
            return std::nullopt;
        }
    }
    // Only the phone's lines carry the message-centre field; a gateway adds its own.
    if (options.input.empty() || !haveTo || (options.format == PduFormat::At && !haveSmsc)) {
        error = options.format == PduFormat::At ? "INPUT, --to and --smsc are needed"
                                                : "INPUT and --to are needed";
        return std::nullopt;
    }
    if (options.format == PduFormat::Kannel && options.kannelUrl.empty()) {
        error = "--format kannel needs --kannel-url";
        return std::nullopt;
    }
    return options;
}

std::string PduLines(const PduOptions& options, const PictureGrid& picture,
                     const std::u32string& text) {
    PictureMessageRequest request;
    request.picture = picture;
    request.text = text;
    request.smscNumber = options.smsc;
    request.destination = options.to;
    request.reference = options.reference;
    request.statusReport = options.statusReport;
    const PictureMessagePdus pdus = BuildPictureMessagePdus(request);
    std::string out;
    for (const SubmitSegment& segment : pdus.segments) {
        const std::string userData = UserData(segment);
        switch (options.format) {
            case PduFormat::At:
                out += "AT+CMGS=" + std::to_string(segment.length) + "\n";
                out += pdus.smscField + segment.pdu + "\n";
                break;
            case PduFormat::Hex:
                out += userData + "\n";
                break;
            case PduFormat::Kannel: {
                // The header's own length octet says where the payload chunk starts.
                const size_t headerHex =
                    (static_cast<size_t>(hex2dec(userData.substr(0, 2))) + 1) * 2;
                const char joiner = options.kannelUrl.find('?') == std::string::npos ? '?' : '&';
                out += options.kannelUrl + joiner +
                       "username=" + PercentEncoded(options.user, true) +
                       "&password=" + PercentEncoded(options.password, true) +
                       "&to=" + PercentEncoded(options.to, true) +
                       "&udh=" + PercentEncoded(HexToRaw(userData.substr(0, headerHex)), false) +
                       "&text=" + PercentEncoded(HexToRaw(userData.substr(headerHex)), false) +
                       "&coding=1\n";
                break;
            }
        }
    }
    return out;
}

}  // namespace pixora::cli
