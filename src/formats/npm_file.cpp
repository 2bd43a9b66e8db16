// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/npm_file.h"

#include <cmath>
#include <random>

#include "core/text.h"
#include "core/utf8.h"
#include "formats/bits.h"

namespace pixora {

namespace {

constexpr std::string_view kMagic("NPM\0", 4);
constexpr size_t kPictureBytes = PictureCells / 8;
// The length byte cannot say more; the editor itself never holds more than 121 characters.
constexpr size_t kMaxStoredText = 255;

}  // namespace

std::u32string MessageTextFromFile(std::string_view bytes) {
    std::u32string text = FilterMessageText(DecodeCp1252(bytes));
    if (text.size() > static_cast<size_t>(MaxTextLength)) {
        text.resize(MaxTextLength);
    }
    return text;
}

std::string WritePictureMessageFile(const PictureGrid& picture, std::u32string_view text,
                                    std::string_view authorName, double random) {
    std::string storedText = EncodeCp1252(text.substr(0, kMaxStoredText));
    if (!(random >= 0.0 && random < 1.0)) {
        random = 0.0;
    }
    const int stamp = static_cast<int>(std::floor(random * 55 + 45));

    std::string bytes(kMagic);
    bytes.push_back(static_cast<char>(storedText.size()));
    bytes += storedText;
    bytes += std::string_view("\x00\x48\x1C\x01\x01", 5);
    bytes.push_back(static_cast<char>(stamp));
    bytes += bits2bytes(PictureBits(picture, '1'));
    bytes += "Picture-Message File, v1.0, ";
    bytes += PictureMessageCredit;
    bytes += "Made by ";
    bytes += EncodeCp1252(Utf8ToU32(authorName));
    bytes.push_back('\r');
    return bytes;
}

std::string WritePictureMessageFile(const PictureGrid& picture, std::u32string_view text,
                                    std::string_view authorName) {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    return WritePictureMessageFile(picture, text, authorName, unit(generator));
}

ReadResult<LoadedPicture> ReadPictureMessageFile(std::string_view bytes) {
    if (const ReadError magic = CheckMagic(bytes, kMagic); magic != ReadError::None) {
        return magic;
    }
    if (bytes.size() < 5) {
        return ReadError::TooShort;
    }
    const size_t length = static_cast<unsigned char>(bytes[4]);
    const size_t header = 5 + length;
    // Text, the six header bytes and the whole picture must be there.
    if (bytes.size() < header + 6 + kPictureBytes) {
        return ReadError::TooShort;
    }
    if (bytes[header] != 0 || ByteAt(bytes, header + 3) != 1) {
        return ReadError::BadField;
    }
    if (ByteAt(bytes, header + 1) != PictureWidth || ByteAt(bytes, header + 2) != PictureHeight) {
        return ReadError::BadSize;
    }
    LoadedPicture loaded;
    const std::string bits = str2bits(bytes.substr(header + 6, kPictureBytes));
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            loaded.picture.Set(x, y, bits[y * PictureWidth + x] == '1' ? 1 : 0);
        }
    }
    loaded.text = MessageTextFromFile(bytes.substr(5, length));
    return loaded;
}

}  // namespace pixora
