// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/bits.h"

#include <algorithm>

#include "core/document.h"
#include "core/translate.h"

namespace pixora {

std::string dec2bits(int n, UserInterface* ui) {
    if (n >= 256) {
        n = 255;
        if (ui != nullptr) {
            ui->MessageBox(TranslateText("Bits", "error dec2bits overflow"), ProductName,
                           MessageIcon::None, MessageButtons::Ok);
        }
    }
    std::string bits;
    bits.reserve(8);
    for (int weight = 128; weight >= 2; weight /= 2) {
        if (n < weight) {
            bits.push_back('0');
        } else {
            bits.push_back('1');
            n -= weight;
        }
    }
    bits.push_back(n <= 0 ? '0' : '1');
    return bits;
}

int bits2dec(std::string_view s) {
    // Seven zeros in front make a short text read right-aligned; only the last eight count.
    std::string padded = "0000000";
    padded.append(s);
    // An empty s leaves only the seven zeros, which read as 0.
    const std::string_view last =
        std::string_view(padded).substr(padded.size() >= 8 ? padded.size() - 8 : 0);
    int value = 0;
    for (char c : last) {
        value = value * 2 + (c == '1' ? 1 : 0);
    }
    return value;
}

namespace {

int HexDigitValue(char c) {
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    const size_t at = HexDigits.find(upper);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

int hex2dec(std::string_view t) {
    if (t.empty()) {
        return 0;
    }
    const int high = HexDigitValue(t.front());
    const int low = HexDigitValue(t.back());
    return (high < 0 ? 0 : 16 * high) + (low < 0 ? 0 : low);
}

std::string hex2bits(std::string_view h) {
    std::string bits;
    bits.reserve((h.size() + 1) / 2 * 8);
    for (size_t i = 0; i < h.size(); i += 2) {
        // hex2dec never exceeds 255, so dec2bits has nothing to report here.
        bits += dec2bits(hex2dec(h.substr(i, 2)));
    }
    return bits;
}

std::string str2bits(std::string_view bytes) {
    std::string bits;
    bits.reserve(bytes.size() * 8);
    for (char b : bytes) {
        const int value = static_cast<unsigned char>(b);
        for (int bit = 7; bit >= 0; --bit) {
            bits.push_back(((value >> bit) & 1) != 0 ? '1' : '0');
        }
    }
    return bits;
}

std::string bits2bytes(std::string_view bits) {
    std::string bytes;
    bytes.reserve(bits.size() / 8);
    for (size_t i = 0; i + 8 <= bits.size(); i += 8) {
        bytes.push_back(static_cast<char>(bits2dec(bits.substr(i, 8))));
    }
    return bytes;
}

std::string PictureBits(const PictureGrid& picture, char setChar) {
    const char clearChar = setChar == '1' ? '0' : '1';
    std::string bits;
    bits.reserve(PictureCells);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            bits.push_back(picture.At(x, y) == 1 ? setChar : clearChar);
        }
    }
    return bits;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

ReadError CheckMagic(std::string_view bytes, std::string_view magic) {
    const size_t common = std::min(bytes.size(), magic.size());
    if (bytes.substr(0, common) != magic.substr(0, common)) {
        return ReadError::BadMagic;
    }
    return common < magic.size() ? ReadError::TooShort : ReadError::None;
}

int ByteAt(std::string_view bytes, size_t offset) {
    return offset < bytes.size() ? static_cast<unsigned char>(bytes[offset]) : 0;
}

bool PlacedPixel(const PictureGrid& picture, int x, int y) {
    return PictureGrid::Contains(x, y) && picture.IsSet(x, y);
}

std::string PlacedRows(const PictureGrid& picture, int width, int height, bool packed) {
    std::string bits;
    bits.reserve(static_cast<size_t>(width + 7) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bits.push_back(PlacedPixel(picture, x, y) ? '1' : '0');
        }
        if (!packed) {
            bits.append((8 - width % 8) % 8, '0');
        }
    }
    bits.append((8 - bits.size() % 8) % 8, '0');
    return bits2bytes(bits);
}

}  // namespace pixora
