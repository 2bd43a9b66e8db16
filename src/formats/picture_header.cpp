// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/picture_header.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace pixora {
namespace {

uint8_t At(std::string_view b, size_t at) {
    return static_cast<uint8_t>(b[at]);
}
uint32_t Le16(std::string_view b, size_t at) {
    return At(b, at) | (static_cast<uint32_t>(At(b, at + 1)) << 8);
}
uint32_t Le32(std::string_view b, size_t at) {
    return Le16(b, at) | (Le16(b, at + 2) << 16);
}
uint32_t Be16(std::string_view b, size_t at) {
    return (static_cast<uint32_t>(At(b, at)) << 8) | At(b, at + 1);
}
uint32_t Be32(std::string_view b, size_t at) {
    return (Be16(b, at) << 16) | Be16(b, at + 2);
}
bool StartsWith(std::string_view b, std::initializer_list<uint8_t> magic, size_t at = 0) {
    if (b.size() < at + magic.size()) {
        return false;
    }
    for (uint8_t m : magic) {
        if (At(b, at++) != m) {
            return false;
        }
    }
    return true;
}

std::optional<PictureSize> Positive(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    return PictureSize{width, height};
}

struct BmpHeader {
    int64_t width = 0;
    int64_t height = 0;  // signed as in the file
    uint32_t bits = 0;
    uint32_t compression = 0;
    bool os2 = false;
};

std::optional<BmpHeader> ReadBmpHeader(std::string_view b) {
    if (b.size() < 26 || !StartsWith(b, {'B', 'M'})) {
        return std::nullopt;
    }
    BmpHeader h;
    const uint32_t headerSize = Le32(b, 14);
    if (headerSize == 12) {
        h.os2 = true;
        h.width = static_cast<int16_t>(Le16(b, 18));
        h.height = static_cast<int16_t>(Le16(b, 20));
        h.bits = Le16(b, 24);
        return h;
    }
    if (headerSize < 40 || b.size() < 14 + 40) {
        return std::nullopt;
    }
    h.width = static_cast<int32_t>(Le32(b, 18));
    h.height = static_cast<int32_t>(Le32(b, 22));
    h.bits = Le16(b, 28);
    h.compression = Le32(b, 30);
    return h;
}

bool IsStartOfFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureSize> JpegSize(std::string_view b) {
    size_t at = 2;
    for (;;) {
        // Fill bytes (FF FF ...) may stand before a marker.
        while (at < b.size() && At(b, at) == 0xFF && at + 1 < b.size() && At(b, at + 1) == 0xFF) {
            ++at;
        }
        if (at + 4 > b.size() || At(b, at) != 0xFF) {
            return std::nullopt;
        }
        const uint8_t marker = At(b, at + 1);
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return std::nullopt;  // the picture's data began without a frame
        }
        const size_t length = Be16(b, at + 2);
        if (length < 2) {
            return std::nullopt;
        }
        if (IsStartOfFrame(marker)) {
            if (length < 7 || at + 9 > b.size()) {
                return std::nullopt;
            }
            return Positive(Be16(b, at + 7), Be16(b, at + 5));
        }
        at += 2 + length;
    }
}

bool RleComplete(std::string_view b, size_t at, int64_t rows, bool fourBit) {
    int64_t row = 0;
    for (;;) {
        if (at + 2 > b.size()) {
            // Some writers leave out the end-of-bitmap mark after the last line.
            return row >= rows;
        }
        const uint8_t count = At(b, at);
        const uint8_t code = At(b, at + 1);
        at += 2;
        if (count != 0) {
            continue;
        }
        if (code == 0) {
            ++row;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (at + 2 > b.size()) {
                return false;
            }
            row += At(b, at + 1);
            at += 2;
        } else {
            size_t literal = fourBit ? (code + 1u) / 2u : code;
            literal += literal & 1u;
            if (literal > b.size() - at) {
                return false;
            }
            at += literal;
        }
    }
}

bool BmpComplete(std::string_view b) {
    const std::optional<BmpHeader> h = ReadBmpHeader(b);
    if (!h) {
        return false;
    }
    const size_t dataAt = Le32(b, 10);
    const int64_t height = h->height < 0 ? -h->height : h->height;
    if (h->width <= 0 || height <= 0 || h->bits == 0 || h->bits > 32 || dataAt > b.size()) {
        return false;
    }
    constexpr uint32_t kRle8 = 1;
    constexpr uint32_t kRle4 = 2;
    if (h->compression == kRle8 || h->compression == kRle4) {
        return RleComplete(b, dataAt, height, h->compression == kRle4);
    }
    const int64_t rowBytes = (h->width * h->bits + 31) / 32 * 4;
    return rowBytes <= static_cast<int64_t>(b.size() - dataAt) / height;
}

bool SkipSubBlocks(std::string_view b, size_t& at) {
    for (;;) {
        if (at >= b.size()) {
            return false;
        }
        const size_t length = At(b, at++);
        if (length == 0) {
            return true;
        }
        if (length > b.size() - at) {
            return false;
        }
        at += length;
    }
}

size_t ColourTableBytes(uint8_t flags) {
    return (flags & 0x80) != 0 ? 3u * (2u << (flags & 7)) : 0u;
}

bool GifFirstFrameComplete(std::string_view b) {
    if (b.size() < 13 || !StartsWith(b, {'G', 'I', 'F', '8'})) {
        return false;
    }
    size_t at = 13 + ColourTableBytes(At(b, 10));
    for (;;) {
        if (at >= b.size()) {
            return false;
        }
        const uint8_t introducer = At(b, at++);
        if (introducer == 0x21) {
            ++at;  // label
            if (!SkipSubBlocks(b, at)) {
                return false;
            }
        } else if (introducer == 0x2C) {
            if (b.size() - at < 10) {
                return false;
            }
            at += 9 + ColourTableBytes(At(b, at + 8)) + 1;  // descriptor, table, LZW code size
            return SkipSubBlocks(b, at);
        } else {
            return false;  // trailer before any image, or garbage
        }
    }
}

// The offset of the next FF at or after at, or the size when there is none.
size_t NextFf(std::string_view b, size_t at) {
    const size_t found = at < b.size() ? b.find('\xFF', at) : std::string_view::npos;
    return found == std::string_view::npos ? b.size() : found;
}

bool JpegComplete(std::string_view b) {
    const size_t n = b.size();
    if (!StartsWith(b, {0xFF, 0xD8})) {
        return false;
    }
    size_t at = 2;
    bool frame = false;
    for (;;) {
        // libjpeg skips stray bytes before a marker, and so do we.
        at = NextFf(b, at);
        while (at < n && At(b, at) == 0xFF) {
            ++at;
        }
        if (at >= n) {
            return false;
        }
        const uint8_t marker = At(b, at++);
        if (marker == 0xD9) {
            return frame;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x00) {
            continue;
        }
        if (n - at < 2) {
            return false;
        }
        const size_t length = Be16(b, at);
        if (length < 2 || length > n - at) {
            return false;
        }
        frame = frame || IsStartOfFrame(marker);
        at += length;
        if (marker == 0xDA) {
            // Entropy-coded data: FF 00 is a data byte, FF D0..D7 a restart; anything else
            // after FF is the next marker.
            for (;;) {
                at = NextFf(b, at);
                if (at + 1 >= n) {
                    return false;
                }
                const uint8_t after = At(b, at + 1);
                if (after == 0x00 || (after >= 0xD0 && after <= 0xD7)) {
                    at += 2;
                } else if (after == 0xFF) {
                    ++at;
                } else {
                    break;
                }
            }
        }
    }
}

bool IcoComplete(std::string_view b) {
    if (b.size() < 6 || !StartsWith(b, {0x00, 0x00, 0x01, 0x00})) {
        return false;
    }
    const size_t count = Le16(b, 4);
    if (count == 0 || b.size() < 6 + 16 * count) {
        return false;
    }
    // Decoders read the first entry.
    const uint64_t size = Le32(b, 6 + 8);
    const uint64_t offset = Le32(b, 6 + 12);
    return size > 0 && offset + size <= b.size();
}

}  // namespace

PictureKind PictureKindFromName(std::string_view path) {
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return PictureKind::Unknown;
    }
    std::string ext(name.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    static const std::pair<std::string_view, PictureKind> kNames[] = {
        {"bmp", PictureKind::Bmp},  {"dib", PictureKind::Bmp},   {"rle", PictureKind::Bmp},
        {"gif", PictureKind::Gif},  {"jpg", PictureKind::Jpeg},  {"jpeg", PictureKind::Jpeg},
        {"jpe", PictureKind::Jpeg}, {"jfif", PictureKind::Jpeg}, {"ico", PictureKind::Ico},
        {"wmf", PictureKind::Wmf},  {"emf", PictureKind::Emf},   {"png", PictureKind::Png},
    };
    for (const auto& [extension, kind] : kNames) {
        if (ext == extension) {
            return kind;
        }
    }
    return PictureKind::Unknown;
}

PictureKind ProbePictureKind(std::string_view bytes, std::string_view path) {
    const PictureKind kind = SniffPictureKind(bytes);
    if (kind != PictureKind::Unknown) {
        return kind;
    }
    const PictureKind named = PictureKindFromName(path);
    return named == PictureKind::Wmf || named == PictureKind::Emf ? named : PictureKind::Unknown;
}

bool PictureDataComplete(std::string_view bytes, PictureKind kind) {
    switch (kind) {
        case PictureKind::Bmp:
            return BmpComplete(bytes);
        case PictureKind::Gif:
            return GifFirstFrameComplete(bytes);
        case PictureKind::Jpeg:
            return JpegComplete(bytes);
        case PictureKind::Ico:
            return IcoComplete(bytes);
        default:
            return true;
    }
}

PictureKind SniffPictureKind(std::string_view b) {
    if (StartsWith(b, {'B', 'M'})) {
        return PictureKind::Bmp;
    }
    if (StartsWith(b, {'G', 'I', 'F', '8'})) {
        return PictureKind::Gif;
    }
    if (StartsWith(b, {0xFF, 0xD8})) {
        return PictureKind::Jpeg;
    }
    if (StartsWith(b, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) {
        return PictureKind::Png;
    }
    if (StartsWith(b, {0x00, 0x00, 0x01, 0x00})) {
        return PictureKind::Ico;
    }
    if (StartsWith(b, {0xD7, 0xCD, 0xC6, 0x9A}) || StartsWith(b, {0x01, 0x00, 0x09, 0x00}) ||
        StartsWith(b, {0x02, 0x00, 0x09, 0x00})) {
        return PictureKind::Wmf;
    }
    if (StartsWith(b, {0x01, 0x00, 0x00, 0x00}) && StartsWith(b, {' ', 'E', 'M', 'F'}, 40)) {
        return PictureKind::Emf;
    }
    return PictureKind::Unknown;
}

std::optional<PictureSize> DeclaredPictureSize(std::string_view b) {
    switch (SniffPictureKind(b)) {
        case PictureKind::Bmp: {
            const std::optional<BmpHeader> h = ReadBmpHeader(b);
            if (!h) {
                return std::nullopt;
            }
            return Positive(h->width, h->height < 0 ? -h->height : h->height);
        }
        case PictureKind::Gif:
            if (b.size() < 10) {
                return std::nullopt;
            }
            return Positive(Le16(b, 6), Le16(b, 8));
        case PictureKind::Jpeg:
            return JpegSize(b);
        case PictureKind::Png:
            if (b.size() < 24 || !StartsWith(b, {'I', 'H', 'D', 'R'}, 12)) {
                return std::nullopt;
            }
            return Positive(Be32(b, 16), Be32(b, 20));
        case PictureKind::Ico:
            if (b.size() < 6 + 16 || Le16(b, 4) == 0) {
                return std::nullopt;
            }
            return PictureSize{At(b, 6) == 0 ? 256 : At(b, 6), At(b, 7) == 0 ? 256 : At(b, 7)};
        default:
            return std::nullopt;
    }
}

std::optional<BmpRows> FindBmpRows(std::string_view b) {
    const std::optional<BmpHeader> h = ReadBmpHeader(b);
    constexpr uint32_t kBitFields = 3;
    if (!h || (h->compression != 0 && h->compression != kBitFields) || h->bits == 0 ||
        h->bits > 32) {
        return std::nullopt;
    }
    BmpRows rows;
    rows.os2 = h->os2;
    rows.width = h->width;
    rows.height = h->height < 0 ? -h->height : h->height;
    rows.topDown = h->height < 0;
    rows.heightAt = h->os2 ? 20 : 22;
    rows.headerBytes = Le32(b, 10);
    if (rows.width <= 0 || rows.height <= 0 || rows.headerBytes < 26 ||
        rows.headerBytes > b.size()) {
        return std::nullopt;
    }
    const int64_t rowBytes = (rows.width * h->bits + 31) / 32 * 4;
    if (rowBytes > static_cast<int64_t>(b.size() - rows.headerBytes) / rows.height) {
        return std::nullopt;
    }
    rows.rowBytes = static_cast<size_t>(rowBytes);
    return rows;
}

std::optional<PictureSize> RleBitmapSize(std::string_view b) {
    const std::optional<BmpHeader> h = ReadBmpHeader(b);
    if (!h || h->os2 ||
        !((h->compression == 1 && h->bits == 8) || (h->compression == 2 && h->bits == 4))) {
        return std::nullopt;
    }
    return Positive(h->width, h->height);  // RLE bitmaps are always stored bottom-up
}

bool ReadRleBitmapRows(std::string_view b,
                       const std::function<void(int y, const uint32_t* pixels)>& row) {
    const std::optional<PictureSize> size = RleBitmapSize(b);
    if (!size || size->width > (int64_t{1} << 24) || size->height > (int64_t{1} << 30)) {
        return false;
    }
    const bool fourBit = Le32(b, 30) == 2;
    const auto width = static_cast<size_t>(size->width);
    const auto height = static_cast<int64_t>(size->height);
    // The colour table follows the DIB header: blue, green, red, reserved.
    const size_t tableAt = 14 + static_cast<size_t>(Le32(b, 14));
    const size_t used = b.size() >= 50 ? Le32(b, 46) : 0;
    const size_t entries = std::min<size_t>(used != 0 ? used : (fourBit ? 16u : 256u), 256u);
    std::vector<uint32_t> colours(256, 0);
    for (size_t i = 0; i < entries && tableAt + 4 * i + 3 < b.size(); ++i) {
        const size_t at = tableAt + 4 * i;
        colours[i] = (static_cast<uint32_t>(At(b, at + 2)) << 16) |
                     (static_cast<uint32_t>(At(b, at + 1)) << 8) | At(b, at);
    }
    std::vector<uint32_t> line(width, colours[0]);
    int64_t fileRow = 0;
    size_t x = 0;
    const auto put = [&](uint8_t index) {
        if (x < width) {
            line[x] = colours[index];
        }
        ++x;
    };
    const auto endRow = [&] {
        if (fileRow < height) {
            row(static_cast<int>(height - 1 - fileRow), line.data());
        }
        ++fileRow;
        x = 0;
        std::fill(line.begin(), line.end(), colours[0]);
    };
    size_t at = Le32(b, 10);
    while (fileRow < height) {
        if (at + 2 > b.size()) {
            // Some writers leave out the end-of-bitmap mark after the last line.
            return fileRow >= height;
        }
        const uint8_t count = At(b, at);
        const uint8_t code = At(b, at + 1);
        at += 2;
        if (count != 0) {
            for (int i = 0; i < count; ++i) {
                put(fourBit ? ((i & 1) == 0 ? code >> 4 : code & 0x0F) : code);
            }
        } else if (code == 0) {
            endRow();
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (at + 2 > b.size()) {
                return false;
            }
            const uint8_t dx = At(b, at);
            const uint8_t dy = At(b, at + 1);
            at += 2;
            const size_t column = x + dx;
            for (int i = 0; i < dy && fileRow < height; ++i) {
                endRow();
            }
            x = column;
        } else {
            size_t literal = fourBit ? (code + 1u) / 2u : code;
            if (literal > b.size() - at) {
                return false;
            }
            for (int i = 0; i < code; ++i) {
                const uint8_t byte = At(b, at + (fourBit ? static_cast<size_t>(i) / 2 : i));
                put(fourBit ? ((i & 1) == 0 ? byte >> 4 : byte & 0x0F) : byte);
            }
            literal += literal & 1u;
            at += std::min(literal, b.size() - at);
        }
    }
    // The end-of-bitmap mark: the rows not reached are colour 0.
    while (fileRow < height) {
        endRow();
    }
    return true;
}

}  // namespace pixora
