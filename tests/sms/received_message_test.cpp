// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/received_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sms/ota_payload.h"
#include "sms/submit_pdu.h"
#include "support/python_peer.h"

namespace pixora {
namespace {

PictureGrid Pattern() {
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        picture.Set((y * 7) % PictureWidth, y, 1);
    }
    picture.Set(PictureWidth - 1, PictureHeight - 1, 1);
    return picture;
}

PictureMessagePdus OurPdus(const std::u32string& text = U"Hi there") {
    PictureMessageRequest request;
    request.picture = Pattern();
    request.text = text;
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = 42;
    return BuildPictureMessagePdus(request);
}

// The same user data received: DELIVER from +4412345678 on 2026-12-08 11:37:37 +01:00.
std::string AsDeliver(const SubmitSegment& segment) {
    // The SUBMIT's TP-UDL sits at octet 12.
    return "07912143658709F1"
           "44"
           "0A914421436587"
           "00"
           "F5"
           "62218011737340" +
           segment.pdu.substr(24);
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

struct OrderCase {
    std::vector<int> order;
    bool smsc;
    std::u32string text;
};

TEST(ReceivedMessageTest, OurSegmentsDecodeInAnyOrder) {
    const OrderCase cases[] = {
        {{1, 2, 3}, true, U"Hi there"},
        {{3, 1, 2}, false, U"Grüße €"},
        {{2, 3, 1}, true, U""},
        {{3, 2, 1, 2}, false, std::u32string(121, U'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order.size() * 10 + c.smsc);
        const PictureMessagePdus pdus = OurPdus(c.text);
        std::vector<std::string> lines;
        for (int n : c.order) {
            const SubmitSegment& s = pdus.segments[static_cast<size_t>(n - 1)];
            lines.push_back(c.smsc ? pdus.smscField + s.pdu : s.pdu);
        }
        std::string error;
        const auto message = DecodeReceivedMessage(Lines(lines), error);
        ASSERT_TRUE(message) << error;
        EXPECT_EQ(message->picture, Pattern());
        EXPECT_EQ(message->text, c.text);
        EXPECT_EQ(message->sender, "+4412345678");
        EXPECT_EQ(message->timestamp, "");
    }
}

struct MissingCase {
    std::vector<int> given;
    const char* error;
};

TEST(ReceivedMessageTest, NamesTheMissingParts) {
    const MissingCase cases[] = {
        {{1, 3}, "part 2 of 3 is missing"},
        {{2}, "parts 1 and 3 of 3 are missing"},
        {{}, "no message found"},
    };
    const PictureMessagePdus pdus = OurPdus();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        std::vector<std::string> lines;
        for (int n : c.given) {
            lines.push_back(pdus.segments[static_cast<size_t>(n - 1)].pdu);
        }
        std::string error;
        EXPECT_FALSE(DecodeReceivedMessage(Lines(lines), error));
        EXPECT_EQ(error, c.error);
    }
}

// Our header with a 16-bit reference: 0C 0504158A0000 0804 RRRR 03 0n, one octet longer.
std::string With16BitReference(const SubmitSegment& segment, int part) {
    const int udl = std::stoi(segment.pdu.substr(24, 2), nullptr, 16) + 1;
    return segment.pdu.substr(0, 24) + HexByte(udl) + "0C0504158A0000" + "0804BEEF03" +
           HexByte(part) + segment.pdu.substr(50);
}

TEST(ReceivedMessageTest, SixteenBitReferenceAndDeliverWithSmsc) {
    const PictureMessagePdus pdus = OurPdus();
    std::string error;
    const auto wide = DecodeReceivedMessage(
        Lines({With16BitReference(pdus.segments[2], 3), With16BitReference(pdus.segments[0], 1),
               With16BitReference(pdus.segments[1], 2)}),
        error);
    ASSERT_TRUE(wide) << error;
    EXPECT_EQ(wide->picture, Pattern());

    const auto part = ParseReceivedPdu(AsDeliver(pdus.segments[1]), error);
    ASSERT_TRUE(part) << error;
    EXPECT_TRUE(part->deliver);
    EXPECT_EQ(part->reference, 42);
    EXPECT_EQ(part->sequence, 2);
    EXPECT_EQ(part->port, PictureMessagePort);
    EXPECT_EQ(part->timestamp, "2026-12-08 11:37:37 +01:00");
}

TEST(ReceivedMessageTest, ReadsACmglTranscript) {
    const PictureMessagePdus pdus = OurPdus();
    const std::string transcript = "AT+CMGL=4\r\n+CMGL: 1,1,,159\r\n" +
                                   AsDeliver(pdus.segments[2]) + "\r\n+CMGL: 2,1,,159\r\n" +
                                   AsDeliver(pdus.segments[0]) + "\r\n\r\n+CMGR: 0,,159\r\n" +
                                   AsDeliver(pdus.segments[1]) + "\r\nOK\r\n";
    std::string error;
    const auto message = DecodeReceivedMessage(transcript, error);
    ASSERT_TRUE(message) << error;
    EXPECT_EQ(message->picture, Pattern());
    EXPECT_EQ(message->text, U"Hi there");
    EXPECT_EQ(message->timestamp, "2026-12-08 11:37:37 +01:00");
}

TEST(ReceivedMessageTest, ReadsAnSmsBackup) {
    const PictureMessagePdus pdus = OurPdus();
    std::string backup = "; gammu backup\r\n[SMSBackup000]\r\n";
    for (int n = 3; n >= 1; --n) {
        const std::string& pdu = pdus.segments[static_cast<size_t>(n - 1)].pdu;
        const std::string data = pdu.substr(50);
        backup += "[SMSBackup00" + std::to_string(n) + "]\r\nPDU = Deliver\r\n";
        backup += "DateTime = 20261208T113739Z\r\nNumber = \"+4412345678\"\r\n";
        backup += "UDH = " + pdu.substr(26, 24) + "\r\nText00 = " + data.substr(0, 200) +
                  "\r\nCoding = 8bit\r\n";
        if (data.size() > 200) {
            backup += "Text01 = " + data.substr(200) + "\r\n";
        }
    }
    std::string error;
    const auto message = DecodeReceivedMessage(backup, error);
    ASSERT_TRUE(message) << error;
    EXPECT_EQ(message->picture, Pattern());
    EXPECT_EQ(message->text, U"Hi there");
    EXPECT_EQ(message->timestamp, "2026-12-08 11:37:39 +00:00");
}

struct RejectCase {
    std::string input;
    const char* error;
};

TEST(ReceivedMessageTest, SaysWhyItIsNoPicture) {
    const std::string first = OurPdus().segments[0].pdu;
    std::string otherPort = first;
    otherPort.replace(32, 4, "1581");
    std::string ucs2 = first;
    ucs2.replace(20, 2, "08");
    const RejectCase cases[] = {
        {otherPort, "not a picture message (port 0x1581)"},
        {ucs2, "not a picture message (text coding 0x08, not 8-bit data)"},
        {"hello\r\n", "line 1: not a PDU in hex"},
        {first.substr(0, first.size() - 2),
         "line 1: not an SMS-DELIVER or SMS-SUBMIT PDU (it does not "
         "hold together)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        std::string error;
        EXPECT_FALSE(DecodeReceivedMessage(c.input, error));
        EXPECT_EQ(error, c.error);
    }
}

struct PayloadCase {
    const char* name;
    std::string hex;
    std::u32string text;
    int setX;  // the one set pixel, or -1 for an error
    const char* error;
};

TEST(PictureMessagePayloadTest, ItemsInAnyOrder) {
    const std::string blank(504, '0');
    const std::string bitmap =
        "02010000481C01"
        "80" +
        blank.substr(2);
    const PayloadCase cases[] = {
        {"bitmap first, no text", "30" + bitmap, U"", 0, ""},
        {"UCS-2 text",
         "30"
         "0100044E2D00E4" +
             bitmap,
         U"\u4E2D\u00E4", 0, ""},
        {"unknown item skipped",
         "30"
         "7F0002ABCD" +
             bitmap +
             "000002"
             "4869",
         U"Hi", 0, ""},
        // A smaller bitmap lands top-left: 8 x 2 pixels, the second pixel set.
        {"8x2",
         "30"
         "020006"
         "0008020140"
         "00",
         U"", 1, ""},
        {"version", "31" + bitmap, U"", -1, "unknown picture-message version 0x31"},
        {"cut", "30" + bitmap.substr(0, 100), U"", -1,
         "the message ends inside an item (type 0x02)"},
        {"no bitmap",
         "30"
         "0000024869",
         U"", -1, "the message carries no picture"},
        {"short bitmap",
         "30"
         "020005"
         "0048"
         "1C0100",
         U"", -1, "the picture is cut short"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i + 1 < c.hex.size(); i += 2) {
            bytes.push_back(static_cast<uint8_t>(std::stoi(c.hex.substr(i, 2), nullptr, 16)));
        }
        std::string error;
        const auto decoded = DecodePictureMessagePayload(bytes, error);
        if (c.setX < 0) {
            EXPECT_FALSE(decoded);
            EXPECT_EQ(error, c.error);
            continue;
        }
        ASSERT_TRUE(decoded) << error;
        EXPECT_EQ(decoded->text, c.text);
        EXPECT_EQ(decoded->picture.SetCount(), 1);
        EXPECT_TRUE(decoded->picture.IsSet(c.setX, 0));
    }
}

// python3-gammu's own picture message: bitmap item first, no text item; as PDUs and as the
// backup file gammu writes.
constexpr const char* kGammuEncoder = R"PY(
import binascii, os, sys, gammu
rows = [''.join('#' if (x + 3 * y) % 11 == 0 else ' ' for x in range(72)) for y in range(28)]
xpm = [b'72 28 2 1', b'  c None', b'# c #000000'] + [r.encode() for r in rows]
bmp = {'Type': 'PictureImage', 'Width': 72, 'Height': 28, 'XPM': xpm, 'Text': ''}
parts = gammu.EncodeSMS({'Class': 1, 'Entries': [{'ID': 'NokiaPictureImageLong', 'Bitmap': [bmp]}]})
for m in parts:
    m['SMSC'] = {'Location': 0, 'Number': '+12345678901'}
    m['Number'] = '+4412345678'
for m in reversed(parts):
    print(binascii.hexlify(gammu.EncodePDU(m)).decode().upper())
for m in parts:
    m.update({'State': 'UnRead', 'Folder': 1, 'Memory': 'SM', 'Location': 0, 'InboxFolder': 1})
gammu.SaveSMSBackup(sys.argv[1] + '.smsbackup', parts)
sys.stdout.write(open(sys.argv[1] + '.smsbackup').read())
os.remove(sys.argv[1] + '.smsbackup')
)PY";

TEST(ReceivedMessageTest, DecodesWhatGammuEncodes) {
    if (!testing::PythonModuleAvailable("gammu")) {
        GTEST_SKIP() << "python3-gammu not installed";
    }
    const std::string output = testing::RunPythonOverLines(kGammuEncoder, {"x"});
    const size_t backupAt = output.find("; This file");
    ASSERT_NE(backupAt, std::string::npos) << output;
    PictureGrid expected;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            expected.Set(x, y, (x + 3 * y) % 11 == 0 ? 1 : 0);
        }
    }
    for (const std::string& input : {output.substr(0, backupAt), output.substr(backupAt)}) {
        std::string error;
        const auto message = DecodeReceivedMessage(input, error);
        ASSERT_TRUE(message) << error << "\n" << input;
        EXPECT_EQ(message->picture, expected);
        EXPECT_EQ(message->text, U"");
        EXPECT_EQ(message->sender, "+4412345678");
    }
}

}  // namespace
}  // namespace pixora
