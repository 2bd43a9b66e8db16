// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/stream_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/strings.h"
#include "formats/open_dispatch.h"
#include "formats/picture_header.h"

namespace pixora::cli {

FileRead ReadStandardInput(size_t maxSize) {
    FileRead read;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            read.status = FileStatus{FileError::ReadFailed, errno};
            read.bytes.clear();
            return read;
        }
        if (got == 0) {
            return read;
        }
        // A stream has no size to judge beforehand; it is refused once it grows past the limit.
        if (read.bytes.size() + static_cast<size_t>(got) > maxSize) {
            read.status = FileStatus{FileError::TooLarge, 0};
            read.bytes.clear();
            return read;
        }
        read.bytes.append(chunk, static_cast<size_t>(got));
    }
}

std::optional<std::string> SniffedType(std::string_view bytes) {
    static constexpr std::pair<std::string_view, const char*> kTags[] = {
        {std::string_view("NPM\0", 4), "npm"},
        {"NLM ", "nlm"},
        {std::string_view("NGG\0", 4), "ngg"},
        {std::string_view("NCG\0", 4), "ngg"},
        {std::string_view("NOL\0", 4), "nol"},
        {"FORM", "nsl"},
        {"NGL ", "ngl"},
    };
    for (const auto& [tag, type] : kTags) {
        if (bytes.substr(0, tag.size()) == tag) {
            return type;
        }
    }
    switch (SniffPictureKind(bytes)) {
        case PictureKind::Bmp:
            return "bmp";
        case PictureKind::Gif:
            return "gif";
        case PictureKind::Jpeg:
            return "jpg";
        case PictureKind::Ico:
            return "ico";
        default:
            return std::nullopt;
    }
}

std::optional<std::string> StandInName(std::string_view type) {
    const bool plain = !type.empty() && std::all_of(type.begin(), type.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0;
    });
    if (!plain) {
        return std::nullopt;
    }
    const std::string name = "-." + std::string(type);
    // Every name no reader claims falls to the picture-message reader; only "npm" means it.
    if (ChooseReader(name) == FileKind::PictureMessage && !UpperPathContains(name, ".NPM")) {
        return std::nullopt;
    }
    return name;
}

std::string BatchOutputPath(const std::string& folder, const std::string& input,
                            std::string_view type) {
    std::string base = input.substr(input.rfind('/') + 1);
    if (const size_t dot = base.rfind('.'); dot != std::string::npos && dot > 0) {
        base.resize(dot);
    }
    std::string path = folder;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path + base + "." + std::string(type);
}

PrivateTempFile::PrivateTempFile(std::string_view suffix, std::string_view bytes) {
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                          "/pixora-cli-XXXXXX" + std::string(suffix);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkstemps creates the file with mode 0600: no other user sees what came down the pipe.
    const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0) {
        status_ = FileStatus{FileError::WriteFailed, errno};
        return;
    }
    path_ = name.data();
    if (!WriteAllToDescriptor(fd, bytes)) {
        status_ = FileStatus{FileError::WriteFailed, errno};
    }
    ::close(fd);
}

PrivateTempFile::~PrivateTempFile() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

std::string MessageName(std::string_view path) {
    const bool printable = !path.empty() && std::none_of(path.begin(), path.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
    return printable ? std::string(path) : QuotedName(path);
}

std::string NamedMessage(std::string_view path, std::string_view text) {
    const std::string prefix = "pixora-cli: " + MessageName(path) + ": ";
    std::string message;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        message += prefix + std::string(text.substr(0, end)) + "\n";
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return message;
}

}  // namespace pixora::cli
