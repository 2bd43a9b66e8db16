// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/received_message.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

#include "core/strings.h"
#include "core/text.h"
#include "core/translate.h"
#include "formats/bits.h"
#include "sms/submit_pdu.h"

namespace pixora {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Hex digits to bytes; white space between them is allowed. nullopt for any other character or
// an odd count of digits.
std::optional<std::vector<uint8_t>> HexToBytes(std::string_view hex) {
    std::vector<uint8_t> bytes;
    bytes.reserve(hex.size() / 2);
    int high = -1;
    for (char c : hex) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            continue;
        }
        const int value = HexValue(c);
        if (value < 0) {
            return std::nullopt;
        }
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(static_cast<uint8_t>(high * 16 + value));
            high = -1;
        }
    }
    if (high >= 0) {
        return std::nullopt;
    }
    return bytes;
}

std::string Hex2(int value) {
    std::string text = "0x";
    text += HexDigits[static_cast<size_t>((value >> 4) & 0xF)];
    text += HexDigits[static_cast<size_t>(value & 0xF)];
    return text;
}

// A cursor over the octets of one PDU that never reads past the end: a read that would fails
// and the reading as a whole with it.
class Octets {
public:
    explicit Octets(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    bool Has(size_t n) const { return bytes_.size() - pos_ >= n; }
    std::optional<int> Byte() {
        if (!Has(1)) {
            return std::nullopt;
        }
        return bytes_[pos_++];
    }
    std::optional<std::vector<uint8_t>> Take(size_t n) {
        if (!Has(n)) {
            return std::nullopt;
        }
        std::vector<uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                 bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
        pos_ += n;
        return out;
    }
    bool Skip(size_t n) {
        if (!Has(n)) {
            return false;
        }
        pos_ += n;
        return true;
    }
    size_t Left() const { return bytes_.size() - pos_; }

private:
    const std::vector<uint8_t>& bytes_;
    size_t pos_ = 0;
};

// The GSM default alphabet where it agrees with ASCII, enough for the names senders use.
char GsmSeptetChar(int septet) {
    if (septet == 0x00) {
        return '@';
    }
    if (septet == 0x11) {
        return '_';
    }
    if (septet == 0x0A || septet == 0x0D) {
        return ' ';
    }
    if (septet >= 0x20 && septet < 0x7F && septet != 0x24 && septet != 0x40 && septet < 0x5B) {
        return static_cast<char>(septet);
    }
    if (septet >= 0x61 && septet <= 0x7A) {
        return static_cast<char>(septet);
    }
    return '?';
}

// "+4412345678" from swapped semi-octets; an alphanumeric sender from packed septets.
std::string AddressText(const std::vector<uint8_t>& octets, int digits, int type) {
    std::string text;
    if ((type & 0x70) == 0x50) {
        const int septets = digits * 4 / 7;
        for (int i = 0; i < septets; ++i) {
            const int bit = i * 7;
            const size_t at = static_cast<size_t>(bit / 8);
            int value = at < octets.size() ? octets[at] >> (bit % 8) : 0;
            if (bit % 8 > 1 && at + 1 < octets.size()) {
                value |= octets[at + 1] << (8 - bit % 8);
            }
            text += GsmSeptetChar(value & 0x7F);
        }
        return text;
    }
    if ((type & 0x70) == 0x10) {
        text += '+';
    }
    for (int i = 0; i < digits; ++i) {
        const uint8_t octet = octets[static_cast<size_t>(i / 2)];
        const int nibble = i % 2 == 0 ? octet & 0xF : octet >> 4;
        text += nibble < 10 ? static_cast<char>('0' + nibble) : "*#abc"[(nibble - 10) % 5];
    }
    return text;
}

// TP-OA / TP-DA: digit count, type, semi-octets.
bool ReadAddress(Octets& in, std::string& address) {
    const auto digits = in.Byte();
    const auto type = in.Byte();
    if (!digits || !type || *digits > 20) {
        return false;
    }
    const auto octets = in.Take(static_cast<size_t>(*digits + 1) / 2);
    if (!octets) {
        return false;
    }
    address = AddressText(*octets, *digits, *type);
    return true;
}

std::string TwoDigits(int semiOctets) {
    const int low = semiOctets & 0xF;
    const int high = semiOctets >> 4;
    std::string text;
    text += static_cast<char>('0' + std::min(low, 9));
    text += static_cast<char>('0' + std::min(high, 9));
    return text;
}

// TP-SCTS: seven octets of swapped semi-octets, the last the zone in quarter hours with its sign
// in bit 3.
std::string TimestampText(const std::vector<uint8_t>& s) {
    const int zone = (s[6] & 0x07) * 10 + (s[6] >> 4);
    const int minutes = std::min(zone, 79) * 15;
    std::string text = "20" + TwoDigits(s[0]) + "-" + TwoDigits(s[1]) + "-" + TwoDigits(s[2]) +
                       " " + TwoDigits(s[3]) + ":" + TwoDigits(s[4]) + ":" + TwoDigits(s[5]) + " " +
                       ((s[6] & 0x08) != 0 ? "-" : "+");
    const int hours = minutes / 60;
    text += static_cast<char>('0' + hours / 10);
    text += static_cast<char>('0' + hours % 10);
    text += ':';
    text += static_cast<char>('0' + minutes % 60 / 10);
    text += static_cast<char>('0' + minutes % 60 % 10);
    return text;
}

// 8-bit data in either coding group that has it; anything else is text in the 7-bit alphabet
// or UCS-2, or compressed.
bool IsEightBitCoding(int dcs) {
    if ((dcs & 0xC0) == 0x00) {
        return (dcs & 0x20) == 0 && ((dcs >> 2) & 3) == 1;
    }
    return (dcs & 0xF0) == 0xF0 && (dcs & 0x04) != 0;
}

bool IsSeptetCoding(int dcs) {
    if ((dcs & 0xC0) == 0x00) {
        return (dcs & 0x20) == 0 && ((dcs >> 2) & 3) == 0;
    }
    return (dcs & 0xF0) == 0xF0 && (dcs & 0x04) == 0;
}

// The user-data header elements a picture message uses; others are stepped over by their length.
bool ReadUserDataHeader(const std::vector<uint8_t>& header, ReceivedPart& part) {
    Octets in(header);
    while (in.Left() > 0) {
        const auto id = in.Byte();
        const auto length = in.Byte();
        if (!id || !length) {
            return false;
        }
        const auto value = in.Take(static_cast<size_t>(*length));
        if (!value) {
            return false;
        }
        const std::vector<uint8_t>& v = *value;
        if (*id == 0x00 && v.size() == 3) {
            part.reference = v[0];
            part.total = v[1];
            part.sequence = v[2];
        } else if (*id == 0x08 && v.size() == 4) {
            part.reference = v[0] << 8 | v[1];
            part.total = v[2];
            part.sequence = v[3];
        } else if (*id == 0x05 && v.size() == 4) {
            part.port = v[0] << 8 | v[1];
        } else if (*id == 0x04 && v.size() == 2) {
            part.port = v[0];
        }
    }
    return true;
}

// TP-UDL and TP-UD: the data must fill the PDU exactly.
bool ReadUserData(Octets& in, bool hasHeader, ReceivedPart& part) {
    const auto length = in.Byte();
    if (!length) {
        return false;
    }
    const size_t octets =
        IsSeptetCoding(part.dataCoding) ? (static_cast<size_t>(*length) * 7 + 7) / 8 : *length;
    if (in.Left() != octets) {
        return false;
    }
    auto data = in.Take(octets);
    if (!data) {
        return false;
    }
    if (hasHeader) {
        if (data->empty() || (*data)[0] + 1u > data->size()) {
            return false;
        }
        const size_t headerLength = (*data)[0];
        const std::vector<uint8_t> header(
            data->begin() + 1, data->begin() + 1 + static_cast<std::ptrdiff_t>(headerLength));
        if (!ReadUserDataHeader(header, part)) {
            return false;
        }
        data->erase(data->begin(), data->begin() + 1 + static_cast<std::ptrdiff_t>(headerLength));
    }
    part.data = std::move(*data);
    return true;
}

// The TPDU from its first octet on.
std::optional<ReceivedPart> ParseTpdu(Octets& in) {
    const auto first = in.Byte();
    if (!first) {
        return std::nullopt;
    }
    ReceivedPart part;
    const int type = *first & 0x03;
    const bool hasHeader = (*first & 0x40) != 0;
    if (type == 0x00) {
        part.deliver = true;
        if (!ReadAddress(in, part.address) || !in.Skip(1)) {  // TP-OA, TP-PID
            return std::nullopt;
        }
        const auto dcs = in.Byte();
        const auto stamp = in.Take(7);
        if (!dcs || !stamp) {
            return std::nullopt;
        }
        part.dataCoding = *dcs;
        part.timestamp = TimestampText(*stamp);
    } else if (type == 0x01) {
        // TP-MR, TP-DA, TP-PID.
        if (!in.Skip(1) || !ReadAddress(in, part.address) || !in.Skip(1)) {
            return std::nullopt;
        }
        const auto dcs = in.Byte();
        if (!dcs) {
            return std::nullopt;
        }
        part.dataCoding = *dcs;
        const int validity = (*first >> 3) & 0x03;
        if (!in.Skip(validity == 0 ? 0 : validity == 2 ? 1 : 7)) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    part.eightBit = IsEightBitCoding(part.dataCoding);
    if (!ReadUserData(in, hasHeader, part)) {
        return std::nullopt;
    }
    return part;
}

std::optional<ReceivedPart> ParseWithSmsc(const std::vector<uint8_t>& bytes) {
    Octets in(bytes);
    const auto length = in.Byte();
    if (!length || !in.Skip(static_cast<size_t>(*length))) {
        return std::nullopt;
    }
    return ParseTpdu(in);
}

// One [SMSBackupNNN] section of a gammu backup, its keys in lower case.
struct BackupSection {
    std::map<std::string, std::string> values;
    std::string name;
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// "20261208T113739Z" as "2026-12-08 11:37:39"; anything else as it is.
std::string BackupTime(const std::string& value) {
    if (value.size() < 15 || value[8] != 'T') {
        return value;
    }
    return value.substr(0, 4) + "-" + value.substr(4, 2) + "-" + value.substr(6, 2) + " " +
           value.substr(9, 2) + ":" + value.substr(11, 2) + ":" + value.substr(13, 2) +
           (value.size() > 15 && value[15] == 'Z' ? " +00:00" : "");
}

std::optional<ReceivedPart> BackupPart(const BackupSection& section, std::string& error) {
    const auto value = [&](const std::string& key) {
        const auto it = section.values.find(key);
        return it == section.values.end() ? std::string() : it->second;
    };
    ReceivedPart part;
    part.deliver = Lower(value("pdu")) == "deliver";
    part.address = Unquoted(value("number"));
    part.timestamp = part.deliver ? BackupTime(value("datetime")) : std::string();
    const std::string coding = Lower(value("coding"));
    part.eightBit = coding == "8bit";
    part.dataCoding = part.eightBit ? 0x04 : 0x08;
    // Text00, Text01, ... in order; the map keeps them sorted.
    std::string text;
    for (const auto& [key, hex] : section.values) {
        if (key.size() == 6 && key.rfind("text", 0) == 0 && std::isdigit(key[4]) != 0 &&
            std::isdigit(key[5]) != 0) {
            text += hex;
        }
    }
    const auto data = HexToBytes(text);
    const auto header = HexToBytes(value("udh"));
    if (!data || !header) {
        error = WithArgs(TranslateText("ReceivedMessage", "section [%1]: UDH and Text must be hex"),
                         {section.name});
        return std::nullopt;
    }
    part.data = *data;
    if (!header->empty()) {
        const std::vector<uint8_t> elements(header->begin() + 1, header->end());
        if ((*header)[0] + 1u != header->size() || !ReadUserDataHeader(elements, part)) {
            error = WithArgs(
                TranslateText("ReceivedMessage", "section [%1]: the UDH does not hold together"),
                {section.name});
            return std::nullopt;
        }
    }
    return part;
}

// Every line of input without its surrounding white space, empty ones kept so that a line's
// place still counts lines.
std::vector<std::string_view> TrimmedLines(std::string_view input) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        lines.push_back(TrimSpace(input.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<ReceivedPart>> CollectBackupParts(std::string_view input,
                                                            std::string& error) {
    std::vector<BackupSection> sections;
    bool inMessage = false;
    for (const std::string_view line : TrimmedLines(input)) {
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            const std::string name(line.substr(1, line.size() - 2));
            inMessage = Lower(name).rfind("smsbackup", 0) == 0;
            if (inMessage) {
                sections.push_back({{}, name});
            }
            continue;
        }
        const size_t eq = line.find('=');
        if (inMessage && eq != std::string_view::npos) {
            sections.back().values[Lower(TrimSpace(line.substr(0, eq)))] =
                std::string(TrimSpace(line.substr(eq + 1)));
        }
    }
    std::vector<ReceivedPart> parts;
    for (const BackupSection& section : sections) {
        auto part = BackupPart(section, error);
        if (!part) {
            return std::nullopt;
        }
        parts.push_back(std::move(*part));
    }
    return parts;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string PartsList(const std::vector<int>& missing) {
    std::string text;
    for (size_t i = 0; i < missing.size(); ++i) {
        if (i > 0) {
            text += i + 1 == missing.size() ? " and " : ", ";
        }
        text += std::to_string(missing[i]);
    }
    return text;
}

std::u32string Ucs2Text(const std::vector<uint8_t>& bytes) {
    std::u32string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = static_cast<char32_t>(bytes[i] << 8 | bytes[i + 1]);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = static_cast<char32_t>(bytes[i + 2] << 8 | bytes[i + 3]);
            if (low >= 0xDC00 && low < 0xE000) {
                text += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
                continue;
            }
        }
        text += (unit >= 0xD800 && unit < 0xE000) ? U'\uFFFD' : unit;
    }
    return text;
}

bool ReadOtaBitmap(const std::vector<uint8_t>& item, PictureGrid& picture, std::string& error) {
    if (item.size() < 4) {
        error = TranslateText("ReceivedMessage", "the picture's header is cut short");
        return false;
    }
    const size_t width = item[1];
    const size_t height = item[2];
    if (item[3] != 1) {
        error = WithArgs(
            TranslateText("ReceivedMessage", "the picture is not black and white (depth %1)"),
            {std::to_string(item[3])});
        return false;
    }
    if (item.size() - 4 < (width * height + 7) / 8) {
        error = TranslateText("ReceivedMessage", "the picture is cut short");
        return false;
    }
    for (size_t y = 0; y < std::min<size_t>(height, PictureHeight); ++y) {
        for (size_t x = 0; x < std::min<size_t>(width, PictureWidth); ++x) {
            const size_t bit = y * width + x;
            const bool set = (item[4 + bit / 8] & (0x80u >> (bit % 8))) != 0;
            picture.Set(static_cast<int>(x), static_cast<int>(y), set ? 1 : 0);
        }
    }
    return true;
}

}  // namespace

std::optional<ReceivedPart> ParseReceivedPdu(std::string_view hex, std::string& error) {
    const auto bytes = HexToBytes(hex);
    if (!bytes || bytes->empty()) {
        error = TranslateText("ReceivedMessage", "not a PDU in hex");
        return std::nullopt;
    }
    // A PDU read as if it had the field, when it has none, skips its first octets as the field
    // and then almost never fills its user data exactly, so one of the two readings wins.
    if (auto part = ParseWithSmsc(*bytes)) {
        return part;
    }
    Octets in(*bytes);
    if (auto part = ParseTpdu(in)) {
        return part;
    }
    error = TranslateText("ReceivedMessage",
                          "not an SMS-DELIVER or SMS-SUBMIT PDU (it does not hold together)");
    return std::nullopt;
}

std::optional<std::vector<ReceivedPart>> CollectReceivedParts(std::string_view input,
                                                              std::string& error) {
    if (input.find("[SMSBackup") != std::string_view::npos ||
        input.find("[smsbackup") != std::string_view::npos) {
        return CollectBackupParts(input, error);
    }
    std::vector<ReceivedPart> parts;
    int lineNumber = 0;
    for (const std::string_view line : TrimmedLines(input)) {
        ++lineNumber;
        // The header of a listed message, the command echo and the result codes carry nothing
        // the PDU does not.
        if (line.empty() || EqualsNoCase(line, "OK") || StartsWithNoCase(line, "+CMGL:") ||
            StartsWithNoCase(line, "+CMGR:") || StartsWithNoCase(line, "AT")) {
            continue;
        }
        std::string reason;
        auto part = ParseReceivedPdu(line, reason);
        if (!part) {
            error = WithArgs(TranslateText("ReceivedMessage", "line %1: %2"),
                             {std::to_string(lineNumber), reason});
            return std::nullopt;
        }
        parts.push_back(std::move(*part));
    }
    return parts;
}

std::optional<DecodedPayload> DecodePictureMessagePayload(const std::vector<uint8_t>& payload,
                                                          std::string& error) {
    if (payload.empty() || payload[0] != 0x30) {
        error =
            payload.empty()
                ? TranslateText("ReceivedMessage", "the message is empty")
                : WithArgs(TranslateText("ReceivedMessage", "unknown picture-message version %1"),
                           {Hex2(payload[0])});
        return std::nullopt;
    }
    DecodedPayload result;
    bool havePicture = false;
    bool haveText = false;
    size_t at = 1;
    while (at < payload.size()) {
        if (payload.size() - at < 3) {
            error = TranslateText("ReceivedMessage", "the message ends inside an item's header");
            return std::nullopt;
        }
        const int type = payload[at];
        const size_t length = static_cast<size_t>(payload[at + 1] << 8 | payload[at + 2]);
        at += 3;
        if (payload.size() - at < length) {
            error = WithArgs(
                TranslateText("ReceivedMessage", "the message ends inside an item (type %1)"),
                {Hex2(type)});
            return std::nullopt;
        }
        const std::vector<uint8_t> item(payload.begin() + static_cast<std::ptrdiff_t>(at),
                                        payload.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
        if (type == 0x02 && !havePicture) {
            if (!ReadOtaBitmap(item, result.picture, error)) {
                return std::nullopt;
            }
            havePicture = true;
        } else if ((type == 0x00 || type == 0x01) && !haveText) {
            result.text =
                type == 0x00 ? DecodeCp1252(std::string(item.begin(), item.end())) : Ucs2Text(item);
            haveText = true;
        }
    }
    if (!havePicture) {
        error = TranslateText("ReceivedMessage", "the message carries no picture");
        return std::nullopt;
    }
    return result;
}

std::optional<ReceivedMessage> JoinReceivedParts(const std::vector<ReceivedPart>& parts,
                                                 std::string& error) {
    if (parts.empty()) {
        error = TranslateText("ReceivedMessage", "no message found");
        return std::nullopt;
    }
    // Messages by sender, reference and part count; a part without a reference is a message alone.
    using Key = std::tuple<std::string, int, int, size_t>;
    std::map<Key, std::vector<const ReceivedPart*>> messages;
    for (size_t i = 0; i < parts.size(); ++i) {
        const ReceivedPart& part = parts[i];
        const Key key{part.address, part.reference, part.total, part.reference < 0 ? i : 0};
        messages[key].push_back(&part);
    }
    std::vector<const std::vector<const ReceivedPart*>*> pictures;
    for (const auto& [key, message] : messages) {
        if (message.front()->port == PictureMessagePort) {
            pictures.push_back(&message);
        }
    }
    if (pictures.size() > 1) {
        error = WithArgs(TranslateText("ReceivedMessage",
                                       "the input holds %1 picture messages; give one at a time"),
                         {std::to_string(pictures.size())});
        return std::nullopt;
    }
    const std::vector<const ReceivedPart*>& message =
        pictures.empty() ? messages.begin()->second : *pictures.front();
    const ReceivedPart& first = *message.front();
    if (messages.size() > 1 && pictures.empty()) {
        error = WithArgs(TranslateText("ReceivedMessage",
                                       "the input holds %1 messages and none is a picture message"),
                         {std::to_string(messages.size())});
        return std::nullopt;
    }
    if (first.port != PictureMessagePort) {
        error =
            first.port < 0
                ? TranslateText("ReceivedMessage", "not a picture message (no application port)")
                : WithArgs(TranslateText("ReceivedMessage", "not a picture message (port %1)"),
                           {Hex2(first.port >> 8) + Hex2(first.port & 0xFF).substr(2)});
        return std::nullopt;
    }
    if (first.total < 1) {
        error = TranslateText("ReceivedMessage", "the message announces no parts");
        return std::nullopt;
    }
    std::vector<const ReceivedPart*> ordered(static_cast<size_t>(first.total), nullptr);
    for (const ReceivedPart* part : message) {
        if (!part->eightBit) {
            error =
                WithArgs(TranslateText("ReceivedMessage",
                                       "not a picture message (text coding %1, not 8-bit data)"),
                         {Hex2(part->dataCoding)});
            return std::nullopt;
        }
        if (part->sequence < 1 || part->sequence > first.total) {
            error = WithArgs(TranslateText("ReceivedMessage", "part %1 of %2 cannot be"),
                             {std::to_string(part->sequence), std::to_string(first.total)});
            return std::nullopt;
        }
        // A part given twice (a transcript listing it again) counts once.
        if (ordered[static_cast<size_t>(part->sequence - 1)] == nullptr) {
            ordered[static_cast<size_t>(part->sequence - 1)] = part;
        }
    }
    std::vector<int> missing;
    std::vector<uint8_t> payload;
    for (size_t i = 0; i < ordered.size(); ++i) {
        if (ordered[i] == nullptr) {
            missing.push_back(static_cast<int>(i + 1));
        } else {
            payload.insert(payload.end(), ordered[i]->data.begin(), ordered[i]->data.end());
        }
    }
    if (!missing.empty()) {
        error = WithArgs(missing.size() == 1
                             ? TranslateText("ReceivedMessage", "part %1 of %2 is missing")
                             : TranslateText("ReceivedMessage", "parts %1 of %2 are missing"),
                         {PartsList(missing), std::to_string(first.total)});
        return std::nullopt;
    }
    auto decoded = DecodePictureMessagePayload(payload, error);
    if (!decoded) {
        return std::nullopt;
    }
    ReceivedMessage result;
    result.picture = decoded->picture;
    result.text = std::move(decoded->text);
    result.sender = first.address;
    const ReceivedPart* firstPart = ordered.front();
    result.timestamp = firstPart->deliver ? firstPart->timestamp : std::string();
    return result;
}

std::optional<ReceivedMessage> DecodeReceivedMessage(std::string_view input, std::string& error) {
    const auto parts = CollectReceivedParts(input, error);
    if (!parts) {
        return std::nullopt;
    }
    return JoinReceivedParts(*parts, error);
}

}  // namespace pixora
