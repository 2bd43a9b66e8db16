// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/submit_pdu.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings_keys.h"
#include "sms/ota_payload.h"

namespace pixora {
namespace {

struct HexCase {
    int value;
    const char* byte;
    const char* word;
};

TEST(HexTest, PadsAndGrowsAsTheProtocolNeeds) {
    const HexCase cases[] = {
        {0, "00", "0000"},       {9, "09", "0009"},      {15, "0F", "000F"},
        {16, "10", "0010"},      {255, "FF", "00FF"},    {256, "100", "0100"},
        {4095, "FFF", "0FFF"},   {4096, "1000", "1000"}, {0x158A, "158A", "158A"},
        {65535, "FFFF", "FFFF"}, {-1, "FFFF", "FFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(HexByte(c.value), c.byte);
        EXPECT_EQ(HexWord(c.value), c.word);
    }
}

struct AddressCase {
    const char* digits;
    const char* smsc;
    const char* destination;
};

TEST(AddressFieldTest, SwapsPairsAndFillsOddCounts) {
    const AddressCase cases[] = {
        {"12345678901", "07912143658709F1", "0B912143658709F1"},
        {"4412345678", "06914421436587", "0A914421436587"},
        {"1", "0291F1", "0191F1"},
        {"", "0191", "0091"},
        // Only digits reach the wire, whatever the settings hold.
        {"+49 (171) 23", "0591947121F3", "0791947121F3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(SmscAddressField(c.digits), c.smsc);
        EXPECT_EQ(DestinationAddressField(c.digits), c.destination);
    }
}

TEST(UserDataHeaderTest, CarriesPortReferenceAndPart) {
    EXPECT_EQ(UserDataHeader(0, 1), "0B0504158A00000003000301");
    EXPECT_EQ(UserDataHeader(255, 3), "0B0504158A00000003FF0303");
}

PictureMessageRequest WorkedExample() {
    PictureMessageRequest request;
    request.text = U"Hi";
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = 0;
    return request;
}

TEST(PictureMessagePdusTest, WorkedExampleByteForByte) {
    const PictureMessagePdus pdus = BuildPictureMessagePdus(WorkedExample());
    const std::string payload = PictureMessagePayloadHex(PictureGrid(), U"Hi");
    ASSERT_EQ(payload.size(), 265u * 2);
    EXPECT_EQ(payload.substr(0, 26), "30000002486902010000481C01");

    EXPECT_EQ(pdus.smscField, "07912143658709F1");
    const SubmitSegment& first = pdus.segments[0];
    EXPECT_EQ(first.pdu.substr(0, 50), "51000A91442143658700F5A78C0B0504158A00000003000301");
    EXPECT_EQ(first.pdu.substr(50), payload.substr(0, 256));
    EXPECT_EQ(first.length, 153);
    EXPECT_EQ(first.pdu.size(), 153u * 2);

    const SubmitSegment& second = pdus.segments[1];
    EXPECT_EQ(second.pdu.substr(0, 50), "51000A91442143658700F5A78C0B0504158A00000003000302");
    EXPECT_EQ(second.pdu.substr(50), payload.substr(256, 256));

    // The last nine payload bytes are the bottom of a blank bitmap.
    EXPECT_EQ(pdus.segments[2].pdu,
              "51000A91442143658700F5A7150B0504158A00000003000303"
              "000000000000000000");
    EXPECT_EQ(pdus.segments[2].length, 34);

    for (const SubmitSegment& segment : pdus.segments) {
        EXPECT_EQ(segment.line, "07912143658709F1" + segment.pdu + "\x1A");
    }
}

struct TextCase {
    std::u32string text;
    int payloadBytes;
    const char* lastUdl;
    size_t lastChunkHex;
};

TEST(PictureMessagePdusTest, TextLengthDecidesTheLastSegment) {
    const TextCase cases[] = {
        {U"", 263, "13", 14},
        {U"Hi", 265, "15", 18},
        {std::u32string(121, U'x'), 384, "8C", 256},
        // A longer text is cut, it could not fit three segments.
        {std::u32string(130, U'x'), 384, "8C", 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.size());
        PictureMessageRequest request = WorkedExample();
        request.text = c.text;
        EXPECT_EQ(PictureMessagePayload(request.picture, request.text).size(),
                  static_cast<size_t>(c.payloadBytes));
        const PictureMessagePdus pdus = BuildPictureMessagePdus(request);
        const std::string& last = pdus.segments[2].pdu;
        // First octet, MR, destination (7 octets), PID, DCS, VP: the UDL sits at octet 12.
        EXPECT_EQ(last.substr(24, 2), c.lastUdl);
        EXPECT_EQ(last.size(), 26 + 24 + c.lastChunkHex);
        EXPECT_EQ(pdus.segments[0].length, 153);
        EXPECT_EQ(pdus.segments[1].length, 153);
        EXPECT_EQ(pdus.segments[2].length, static_cast<int>(last.size() / 2));
    }
}

TEST(PictureMessagePdusTest, StatusReportOnlyOnTheLastSegment) {
    PictureMessageRequest request = WorkedExample();
    request.statusReport = true;
    const PictureMessagePdus pdus = BuildPictureMessagePdus(request);
    EXPECT_EQ(pdus.segments[0].pdu.substr(0, 2), "51");
    EXPECT_EQ(pdus.segments[1].pdu.substr(0, 2), "51");
    EXPECT_EQ(pdus.segments[2].pdu.substr(0, 2), "71");
}

TEST(OtaBitmapTest, CornerPixelsLandInTheOuterBits) {
    PictureGrid picture;
    picture.Set(0, 0, 1);
    picture.Set(PictureWidth - 1, PictureHeight - 1, 1);
    const std::vector<uint8_t> bitmap = OtaBitmap(picture);
    ASSERT_EQ(bitmap.size(), 256u);
    EXPECT_EQ(bitmap[4], 0x80);
    EXPECT_EQ(bitmap[255], 0x01);
    const std::string hex = PictureToHex(picture);
    ASSERT_EQ(hex.size(), 504u);
    EXPECT_EQ(hex.substr(0, 2), "80");
    EXPECT_EQ(hex.substr(502), "01");
    // Only the value 1 counts as black.
    picture.Set(1, 0, 2);
    EXPECT_EQ(OtaBitmap(picture)[4], 0x80);
}

TEST(OtaBitmapTest, HexAndByteFormsAgree) {
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, ((x * 7 + y * 13) % 5 == 0) ? 1 : 0);
        }
    }
    const std::u32string text = U"Grüße €";
    EXPECT_EQ(BytesToHex(PictureMessagePayload(picture, text)),
              PictureMessagePayloadHex(picture, text));
    EXPECT_EQ(BytesToHex(OtaBitmap(picture)), OtaBitmapHex(picture));
}

TEST(TextToHexTest, UsesWindows1252Codes) {
    EXPECT_EQ(TextToHex(U"Hi"), "4869");
    EXPECT_EQ(TextToHex(U"\u20ACä"), "80E4");
    EXPECT_EQ(TextToHex(U"\u4E2D"), "3F");
    EXPECT_EQ(TextToHex(U""), "");
}

struct ReferenceCase {
    const char* stored;  // nullptr: never stored
    int reference;
    const char* next;
};

TEST(ConcatReferenceTest, AdvancesAndWraps) {
    const ReferenceCase cases[] = {
        {nullptr, 0, "1"}, {"0", 0, "1"},   {"254", 254, "255"}, {"255", 255, "0"},
        {"x", 0, "1"},     {"300", 0, "1"}, {"-4", 0, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        MemorySettingsStore settings;
        if (c.stored) {
            WriteText(settings, {keys::ConcatCount.section, keys::ConcatCount.key, ""}, c.stored);
        }
        EXPECT_EQ(TakeConcatReference(settings), c.reference);
        EXPECT_EQ(settings.Read(keys::ConcatCount.section, keys::ConcatCount.key), c.next);
    }
}

TEST(BuildSendTest, ReadsSettingsAndUsesConsecutiveReferences) {
    MemorySettingsStore settings;
    WriteText(settings, keys::LastDA, "4412345678");
    WriteInt(settings, keys::ConcatCount, 255);
    WriteInt(settings, keys::StatusReport, 1);
    PictureGrid picture;
    const PictureMessagePdus first = BuildSend(settings, picture, U"Hi", "12345678901");
    const PictureMessagePdus second = BuildSend(settings, picture, U"Hi", "12345678901");
    // The UDL is octet 12; the header follows and its reference is octet 22.
    EXPECT_EQ(first.segments[0].pdu.substr(44, 2), "FF");
    EXPECT_EQ(second.segments[0].pdu.substr(44, 2), "00");
    EXPECT_EQ(first.segments[2].pdu.substr(0, 18), "71000A914421436587");
    EXPECT_EQ(ReadInt(settings, keys::ConcatCount), 1);
}

TEST(BuildSendTest, MissingDestinationFallsBackToZero) {
    MemorySettingsStore settings;
    const PictureMessagePdus pdus = BuildSend(settings, PictureGrid(), U"", "1");
    EXPECT_EQ(pdus.segments[0].pdu.substr(4, 6), "0191F0");
}

}  // namespace
}  // namespace pixora
