#include "formats/picture_header.h"

#include <algorithm>
#include <initializer_list>
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

}  // namespace

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
