// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/submit_pdu.h"

#include "core/settings_keys.h"
#include "core/strings.h"
#include "sms/ota_payload.h"

namespace pixora {

namespace {

// Semi-octet form of a phone number: "F" fills an odd count, then each pair is swapped,
// so 12345 becomes 2143F5.
std::string SwappedBcd(std::string digits) {
    if (digits.size() % 2 != 0) {
        digits.push_back('F');
    }
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        std::swap(digits[i], digits[i + 1]);
    }
    return digits;
}

constexpr const char* kTypeInternational = "91";  // type of number: international, ISDN plan

std::string SubmitPdu(const std::string& firstOctet, const std::string& destinationField,
                      const std::string& userData) {
    std::string pdu;
    pdu += firstOctet;        // TP-MTI SUBMIT, TP-VPF relative, TP-UDHI (TP-SRR on demand)
    pdu += "00";              // TP-MR: left to the phone
    pdu += destinationField;  // TP-DA
    pdu += "00";              // TP-PID: plain short message
    pdu += "F5";              // TP-DCS: 8-bit data, class 1
    pdu += "A7";              // TP-VP: 24 hours
    pdu += HexByte(static_cast<int>(userData.size() / 2));  // TP-UDL in octets
    pdu += userData;                                        // TP-UD: header + chunk
    return pdu;
}

}  // namespace

std::string SmscAddressField(std::string_view digits) {
    const std::string bcd = SwappedBcd(DigitsOnly(digits));
    // The length counts octets after itself: the type octet and the BCD octets.
    return HexByte(static_cast<int>(bcd.size() / 2 + 1)) + kTypeInternational + bcd;
}

std::string DestinationAddressField(std::string_view digits) {
    const std::string clean = DigitsOnly(digits);
    // Unlike the message-centre field, the length here counts digits, before the fill.
    return HexByte(static_cast<int>(clean.size())) + kTypeInternational + SwappedBcd(clean);
}

std::string UserDataHeader(int reference, int part) {
    std::string header = "0B";                            // UDHL: 11 octets follow
    header += "05" + std::string("04");                   // IEI 16-bit ports, length 4
    header += HexWord(PictureMessagePort) + "0000";       // destination port, source port
    header += "00" + std::string("03");                   // IEI concatenation 8-bit ref, length 3
    header += HexByte(reference) + "03" + HexByte(part);  // reference, total parts, part
    return header;
}

PictureMessagePdus BuildPictureMessagePdus(const PictureMessageRequest& request) {
    const int reference =
        (request.reference >= 0 && request.reference <= 255) ? request.reference : 0;
    const std::string payload = PictureMessagePayloadHex(request.picture, request.text);
    const std::string destination = DestinationAddressField(request.destination);

    PictureMessagePdus result;
    result.smscField = SmscAddressField(request.smscNumber);
    for (int n = 1; n <= SegmentCount; ++n) {
        // Segments 1 and 2 hold 128 payload bytes each, segment 3 the rest (7 to 128 bytes).
        const size_t chunkStart = static_cast<size_t>(n - 1) * SegmentPayloadBytes * 2;
        const std::string chunk = n < SegmentCount
                                      ? payload.substr(chunkStart, SegmentPayloadBytes * 2)
                                      : payload.substr(chunkStart);
        // Only the last segment asks for a report: it arrives once the whole message did.
        const std::string firstOctet = (n == SegmentCount && request.statusReport) ? "71" : "51";
        SubmitSegment& segment = result.segments[static_cast<size_t>(n - 1)];
        segment.pdu = SubmitPdu(firstOctet, destination, UserDataHeader(reference, n) + chunk);
        segment.length = static_cast<int>(segment.pdu.size() / 2);
        segment.line = result.smscField + segment.pdu + CtrlZ;
    }
    return result;
}

int TakeConcatReference(SettingsStore& settings) {
    int reference = ReadInt(settings, keys::ConcatCount);
    // The program only stores 0..255 here; anything else came from outside and would not fit
    // the one-octet reference, so it restarts the sequence.
    if (reference < 0 || reference > 255) {
        reference = 0;
    }
    WriteInt(settings, keys::ConcatCount, reference == 255 ? 0 : reference + 1);
    return reference;
}

PictureMessagePdus BuildSendTo(SettingsStore& settings, std::string_view destination,
                               const PictureGrid& picture, std::u32string_view text,
                               std::string_view smscNumber) {
    // The same order of effects as the editor's build: the reference is taken (and advanced)
    // before anything else is read.
    PictureMessageRequest request;
    request.picture = picture;
    request.text = std::u32string(text);
    request.smscNumber = std::string(smscNumber);
    request.reference = TakeConcatReference(settings);
    request.statusReport = ReadInt(settings, keys::StatusReport) == 1;
    request.destination = std::string(destination);
    return BuildPictureMessagePdus(request);
}

PictureMessagePdus BuildSend(SettingsStore& settings, const PictureGrid& picture,
                             std::u32string_view text, std::string_view smscNumber) {
    // The reference is taken first in BuildSendTo; reading the number before has no effect.
    return BuildSendTo(settings, ReadText(settings, keys::LastDA, "0"), picture, text, smscNumber);
}

}  // namespace pixora
