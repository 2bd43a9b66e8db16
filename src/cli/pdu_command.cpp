#include "cli/pdu_command.h"

#include <charconv>

#include "shell/phone_numbers.h"
#include "sms/submit_pdu.h"

namespace pixora::cli {

std::optional<PduOptions> ParsePduOptions(std::span<const std::string> operands,
                                          std::string& error) {
    PduOptions options;
    bool haveTo = false;
    bool haveSmsc = false;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& word = operands[i];
        const bool hasValue = i + 1 < operands.size();
        if (word == "--to" || word == "--smsc" || word == "--ref") {
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
    if (options.input.empty() || !haveTo || !haveSmsc) {
        error = "INPUT, --to and --smsc are needed";
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
        out += "AT+CMGS=" + std::to_string(segment.length) + "\n";
        out += pdus.smscField + segment.pdu + "\n";
    }
    return out;
}

}  // namespace pixora::cli
