// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/file_info.h"

#include <array>
#include <cstdio>

#include "core/text.h"
#include "core/utf8.h"
#include "formats/picture_header.h"

namespace pixora {
namespace {

std::optional<uint8_t> Byte(std::string_view b, size_t at) {
    if (at >= b.size()) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(b[at]);
}

std::optional<int> Le16(std::string_view b, size_t at) {
    const std::optional<uint8_t> low = Byte(b, at);
    const std::optional<uint8_t> high = Byte(b, at + 1);
    if (!low || !high) {
        return std::nullopt;
    }
    return static_cast<int16_t>(static_cast<uint16_t>(*low | (*high << 8)));
}

// One line per field: a control character would break the "key: value" form.
std::string OneLine(std::string_view cp1252) {
    const std::string utf8 = U32ToUtf8(DecodeCp1252(cp1252));
    std::string line;
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            line += "\\\\";
        } else if (u < 0x20 || u == 0x7F) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\x%02X", u);
            line += escape.data();
        } else {
            line += c;
        }
    }
    return line;
}

void SetSize(FileInfo& info, std::optional<int64_t> width, std::optional<int64_t> height) {
    info.width = width;
    info.height = height;
}

// A text of length byte at lengthAt, starting right after it; nothing when it is cut short.
std::optional<std::string_view> CountedText(std::string_view b, size_t lengthAt) {
    const std::optional<uint8_t> length = Byte(b, lengthAt);
    if (!length || b.size() - lengthAt - 1 < *length) {
        return std::nullopt;
    }
    return b.substr(lengthAt + 1, *length);
}

void AddNlm(FileInfo& info, std::string_view b) {
    info.format = "NLM";
    const auto byteSize = [&](size_t at) -> std::optional<int64_t> {
        if (const std::optional<uint8_t> v = Byte(b, at)) {
            return *v;
        }
        return std::nullopt;
    };
    SetSize(info, byteSize(7), byteSize(8));
    static constexpr std::array<const char*, 4> kTypes = {"operator", "group", "startup",
                                                          "picture"};
    if (const std::optional<uint8_t> type = Byte(b, 5)) {
        info.fields.emplace_back("nlm-type", *type < kTypes.size()
                                                 ? std::string(kTypes[*type])
                                                 : "unknown " + std::to_string(*type));
    }
}

void AddGroupGraphic(FileInfo& info, std::string_view b) {
    const bool nol = b.substr(0, 4) == std::string_view("NOL\0", 4);
    info.format = nol ? "NOL" : b.substr(0, 3) == "NCG" ? "NCG" : "NGG";
    const size_t sizeAt = nol ? 10 : 6;
    SetSize(info, Le16(b, sizeAt), Le16(b, sizeAt + 2));
    if (nol) {
        const std::optional<int> country = Le16(b, 6);
        const std::optional<int> network = Le16(b, 8);
        if (country && network) {
            std::array<char, 24> code{};
            std::snprintf(code.data(), code.size(), "%d %02d", *country, *network);
            info.fields.emplace_back("operator", code.data());
        }
    }
}

void AddPictureMessage(FileInfo& info, std::string_view b) {
    info.format = "NPM";
    const std::optional<std::string_view> text = CountedText(b, 4);
    if (!text) {
        return;
    }
    const size_t after = 5 + text->size();
    const std::optional<uint8_t> width = Byte(b, after + 1);
    const std::optional<uint8_t> height = Byte(b, after + 2);
    if (width && height) {
        SetSize(info, *width, *height);
    }
    info.fields.emplace_back("text", OneLine(*text));
    // The trailer follows the 252 picture bytes: credit, "Made by ", the author, 0D.
    const size_t trailerAt = after + 6 + 252;
    if (trailerAt > b.size()) {
        return;
    }
    const std::string_view trailer = b.substr(trailerAt);
    constexpr std::string_view madeBy = "Made by ";
    const size_t by = trailer.find(madeBy);
    if (by == std::string_view::npos) {
        return;
    }
    std::string_view author = trailer.substr(by + madeBy.size());
    author = author.substr(0, author.find('\r'));
    if (!author.empty()) {
        info.fields.emplace_back("author", OneLine(author));
    }
}

void AddGms(FileInfo& info, std::string_view b) {
    info.format = "GMS";
    const std::optional<std::string_view> text = CountedText(b, 3);
    if (!text) {
        return;
    }
    const size_t after = 4 + text->size();
    const std::optional<uint8_t> width = Byte(b, after + 4);
    const std::optional<uint8_t> height = Byte(b, after + 5);
    if (width && height) {
        SetSize(info, *width, *height);
    }
    info.fields.emplace_back("text", OneLine(*text));
}

void AddTwoBytes(FileInfo& info, std::string_view b, const char* format, size_t widthAt) {
    info.format = format;
    const std::optional<uint8_t> width = Byte(b, widthAt);
    const std::optional<uint8_t> height = Byte(b, widthAt + 1);
    if (width && height) {
        SetSize(info, *width, *height);
    }
}

void AddImport(FileInfo& info, std::string_view b) {
    static constexpr std::array<const char*, 8> kNames = {"unknown", "BMP", "GIF", "JPEG",
                                                          "PNG",     "ICO", "WMF", "EMF"};
    info.format = kNames[static_cast<size_t>(SniffPictureKind(b))];
    if (const std::optional<PictureSize> size = DeclaredPictureSize(b)) {
        SetSize(info, size->width, size->height);
    }
}

}  // namespace

FileInfo ReadFileInfo(std::string_view bytes, FileKind kind) {
    FileInfo info;
    switch (kind) {
        case FileKind::Nlm:
            AddNlm(info, bytes);
            break;
        case FileKind::GroupGraphic:
            AddGroupGraphic(info, bytes);
            break;
        case FileKind::PictureMessage:
            AddPictureMessage(info, bytes);
            break;
        case FileKind::Gms:
            AddGms(info, bytes);
            break;
        case FileKind::Otb:
            AddTwoBytes(info, bytes, "OTB", 1);
            break;
        case FileKind::Wbmp:
            AddTwoBytes(info, bytes, "WBMP", 2);
            break;
        case FileKind::Nsl:
            info.format = "NSL";
            SetSize(info, 84, 48);
            break;
        case FileKind::Ngl:
            info.format = "NGL";
            SetSize(info, 72, 14);
            break;
        case FileKind::ImportPicture:
        case FileKind::ImportI61:
            AddImport(info, bytes);
            break;
    }
    return info;
}

std::string FileInfoText(const FileInfo& info) {
    std::string text = "format: " + info.format + "\n";
    if (info.width && info.height) {
        text += "width: " + std::to_string(*info.width) + "\n";
        text += "height: " + std::to_string(*info.height) + "\n";
    }
    for (const auto& [key, value] : info.fields) {
        text += key + ": " + value + "\n";
    }
    return text;
}

}  // namespace pixora
