#include "formats/picture_header.h"

#include <initializer_list>

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

}  // namespace pixora
