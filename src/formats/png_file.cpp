// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/png_file.h"

#include <algorithm>
#include <array>

#include "formats/bits.h"

namespace pixora {
namespace {

void PutBigEndian32(std::string& out, uint32_t value) {
    out += static_cast<char>(value >> 24);
    out += static_cast<char>(value >> 16);
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value);
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
    PutBigEndian32(out, static_cast<uint32_t>(data.size()));
    std::string body(type);
    body += data;
    out += body;
    PutBigEndian32(out, Crc32(body));
}

uint32_t Adler32(std::string_view bytes) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (const char c : bytes) {
        a = (a + static_cast<uint8_t>(c)) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// The zlib wrapper around stored blocks of at most 65535 bytes each.
std::string StoredZlib(std::string_view raw) {
    std::string out("\x78\x01", 2);
    size_t at = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - at, 65535);
        const bool last = at + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw.substr(at, length));
        at += length;
    } while (at < raw.size());
    PutBigEndian32(out, Adler32(raw));
    return out;
}

}  // namespace

uint32_t Crc32(std::string_view bytes, uint32_t crc) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (const char ch : bytes) {
        crc = table[(crc ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

int ThumbnailScale(int size) {
    return std::clamp(size / std::max(PictureWidth, PictureHeight), 1, 64);
}

std::string WritePngFile(const PictureGrid& picture, int cellsWide, int cellsHigh, int scale) {
    scale = std::clamp(scale, 1, 64);
    cellsWide = std::clamp(cellsWide, 1, 255);
    cellsHigh = std::clamp(cellsHigh, 1, 255);
    const uint32_t width = cellsWide * scale;
    const uint32_t height = cellsHigh * scale;
    const size_t rowBytes = (width + 7) / 8;

    // Each row is a filter byte (0, none) and the packed pixels; grey 1 is white, 0 black.
    std::string raw;
    raw.reserve((rowBytes + 1) * height);
    std::string row(rowBytes + 1, '\0');
    for (int y = 0; y < cellsHigh; ++y) {
        std::fill(row.begin(), row.end(), '\0');
        for (uint32_t x = 0; x < width; ++x) {
            if (!PlacedPixel(picture, static_cast<int>(x) / scale, y)) {
                row[1 + x / 8] = static_cast<char>(row[1 + x / 8] | (0x80 >> (x % 8)));
            }
        }
        for (int repeat = 0; repeat < scale; ++repeat) {
            raw += row;
        }
    }

    std::string header;
    PutBigEndian32(header, width);
    PutBigEndian32(header, height);
    header +=
        std::string("\x01\x00\x00\x00\x00", 5);  // depth 1, grey, deflate, filter 0, no interlace

    std::string png("\x89PNG\r\n\x1A\n", 8);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace pixora
