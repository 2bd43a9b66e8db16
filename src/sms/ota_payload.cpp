// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/ota_payload.h"

#include "core/text.h"
#include "formats/bits.h"

namespace pixora {

namespace {

// Plain upper-case hex without padding, "0" for zero.
std::string PlainHex(unsigned value) {
    if (value == 0) {
        return "0";
    }
    std::string out;
    while (value != 0) {
        out.insert(out.begin(), HexDigits[value & 0xF]);
        value >>= 4;
    }
    return out;
}

unsigned As16Bit(int n) {
    return static_cast<unsigned>(n) & 0xFFFFu;
}

// One row byte: the pixels x0..x0+7 of row y, leftmost in the most significant bit.
uint8_t RowByte(const PictureGrid& picture, int x0, int y) {
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (picture.IsSet(x0 + bit, y)) {
            byte |= static_cast<uint8_t>(0x80u >> bit);
        }
    }
    return byte;
}

std::u32string_view LimitText(std::u32string_view text) {
    return text.substr(0, static_cast<size_t>(MaxTextLength));
}

}  // namespace

std::string HexByte(int n) {
    std::string hex = PlainHex(As16Bit(n));
    return hex.size() < 2 ? "0" + hex : hex;
}

std::string HexWord(int n) {
    std::string hex = PlainHex(As16Bit(n));
    return hex.size() < 4 ? std::string(4 - hex.size(), '0') + hex : hex;
}

std::string PictureToHex(const PictureGrid& picture) {
    std::string hex;
    hex.reserve(2 * PictureWidth / 8 * PictureHeight);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; x += 8) {
            hex += HexByte(RowByte(picture, x, y));
        }
    }
    return hex;
}

std::string TextToHex(std::u32string_view text) {
    std::string hex;
    for (char c : EncodeCp1252(text)) {
        hex += HexByte(static_cast<unsigned char>(c));
    }
    return hex;
}

std::vector<uint8_t> OtaBitmap(const PictureGrid& picture) {
    std::vector<uint8_t> bytes;
    bytes.reserve(OtaBitmapSize);
    bytes.insert(bytes.end(), {0x00, PictureWidth, PictureHeight, 0x01});
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; x += 8) {
            bytes.push_back(RowByte(picture, x, y));
        }
    }
    return bytes;
}

std::vector<uint8_t> PictureMessagePayload(const PictureGrid& picture, std::u32string_view text) {
    const std::string code = EncodeCp1252(LimitText(text));
    const auto textLength = static_cast<uint16_t>(code.size());
    std::vector<uint8_t> bytes;
    // The size is known up front: text item, bitmap item and their headers.
    bytes.reserve(7 + code.size() + OtaBitmapSize);
    bytes.push_back(0x30);  // version "0"
    // Text item, present even when empty.
    bytes.push_back(0x00);
    bytes.push_back(static_cast<uint8_t>(textLength >> 8));
    bytes.push_back(static_cast<uint8_t>(textLength & 0xFF));
    bytes.insert(bytes.end(), code.begin(), code.end());
    // Bitmap item.
    bytes.push_back(0x02);
    bytes.push_back(static_cast<uint8_t>(OtaBitmapSize >> 8));
    bytes.push_back(static_cast<uint8_t>(OtaBitmapSize & 0xFF));
    const std::vector<uint8_t> bitmap = OtaBitmap(picture);
    bytes.insert(bytes.end(), bitmap.begin(), bitmap.end());
    return bytes;
}

std::string OtaBitmapHex(const PictureGrid& picture) {
    return "00" + HexByte(PictureWidth) + HexByte(PictureHeight) + "01" + PictureToHex(picture);
}

std::string PictureMessagePayloadHex(const PictureGrid& picture, std::u32string_view text) {
    const std::string bitmap = OtaBitmapHex(picture);
    const std::string bitmapItem = "02" + HexWord(static_cast<int>(bitmap.size() / 2)) + bitmap;
    const std::string textHex = TextToHex(LimitText(text));
    const std::string textItem = "00" + HexWord(static_cast<int>(textHex.size() / 2)) + textHex;
    return "30" + textItem + bitmapItem;
}

std::string BytesToHex(const std::vector<uint8_t>& bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        hex += HexByte(b);
    }
    return hex;
}

}  // namespace pixora
