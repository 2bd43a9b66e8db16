// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture message as it travels over the air: the OTA bitmap of the picture and the
// Smart Messaging payload around it (version, text item, bitmap item), as bytes and as the
// upper-case hex text the PDUs and the web gateway are built from.
//
// OTA bitmap (256 bytes):
//   00            info field
//   48            width, 72 pixels
//   1C            height, 28 pixels
//   01            depth: monochrome
//   252 bytes     rows top to bottom, 9 bytes a row, leftmost pixel in the most significant bit,
//                 bit set = black
//
// Picture-message payload (263 + T bytes, T = text length):
//   30            version "0"
//   00 TTTT       text item: type 00, big-endian length, one Windows-1252 byte per character
//   02 0100       bitmap item: type 02, length 256
//   ...           the OTA bitmap

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture.h"

namespace pixora {

inline constexpr int OtaBitmapSize = 4 + PictureWidth / 8 * PictureHeight;  // 256

// Hex text, upper case. HexByte pads to two digits but lets larger values grow ("100");
// HexWord pads to four. Both take the value as a 16-bit quantity, as the phone protocol does.
std::string HexByte(int n);
std::string HexWord(int n);

// The 252 row bytes of the picture as 504 hex digits.
std::string PictureToHex(const PictureGrid& picture);
// The text's Windows-1252 codes as hex; characters outside that code page become "?".
std::string TextToHex(std::u32string_view text);

std::vector<uint8_t> OtaBitmap(const PictureGrid& picture);
// The text is cut to MaxTextLength characters: a longer one would not fit three segments.
std::vector<uint8_t> PictureMessagePayload(const PictureGrid& picture, std::u32string_view text);

// The same two structures as hex text, the form the PDU builder and the web send use.
std::string OtaBitmapHex(const PictureGrid& picture);
std::string PictureMessagePayloadHex(const PictureGrid& picture, std::u32string_view text);

std::string BytesToHex(const std::vector<uint8_t>& bytes);

}  // namespace pixora
