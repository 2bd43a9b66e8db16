// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/hand_off.h"

#include "core/settings_keys.h"
#include "core/translate.h"

namespace pixora {

namespace {

void PutLe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

uint32_t GetLe32(std::span<const uint8_t> bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeHandOff(std::string_view path) {
    if (path.empty() || path.size() + 1 > MaxHandOffDataSize ||
        path.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    std::vector<uint8_t> message;
    message.reserve(HandOffHeaderSize + path.size() + 1);
    PutLe32(message, HandOffOpenFileTag);
    PutLe32(message, static_cast<uint32_t>(path.size() + 1));
    message.insert(message.end(), path.begin(), path.end());
    message.push_back(0);
    return message;
}

HandOffStatus HandOffDataSize(std::span<const uint8_t> header, size_t& dataSize) {
    if (header.size() < HandOffHeaderSize) {
        return HandOffStatus::TooShort;
    }
    if (GetLe32(header.subspan(0, 4)) != HandOffOpenFileTag) {
        return HandOffStatus::WrongTag;
    }
    const uint32_t length = GetLe32(header.subspan(4, 4));
    if (length == 0) {
        return HandOffStatus::TooShort;
    }
    if (length > MaxHandOffDataSize) {
        return HandOffStatus::TooLong;
    }
    dataSize = length;
    return HandOffStatus::Ok;
}

HandOffStatus DecodeHandOff(std::span<const uint8_t> message, std::string& path) {
    size_t dataSize = 0;
    const HandOffStatus header = HandOffDataSize(message, dataSize);
    if (header != HandOffStatus::Ok) {
        return header;
    }
    const std::span<const uint8_t> data = message.subspan(HandOffHeaderSize);
    if (data.size() != dataSize) {
        return HandOffStatus::WrongLength;
    }
    if (data.back() != 0) {
        return HandOffStatus::NoTerminator;
    }
    const std::span<const uint8_t> bytes = data.first(data.size() - 1);
    for (uint8_t byte : bytes) {
        if (byte == 0) {
            return HandOffStatus::EmbeddedZero;
        }
    }
    if (bytes.empty()) {
        return HandOffStatus::EmptyPath;
    }
    path.assign(bytes.begin(), bytes.end());
    return HandOffStatus::Ok;
}

std::string CommandLinePath(int argc, const char* const* argv) {
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            path += ' ';
        }
        path += argv[i];
    }
    return path;
}

std::string InstanceLockProblemText(std::string_view lockPath) {
    const std::string consequence =
        TranslateText("Shell", ",\r\nso Pixora can't tell whether it is running already.\r\n\r\n");
    if (lockPath.empty()) {
        return TranslateText("Shell",
                             "Can't find a folder for the lock file that only you can use") +
               consequence + TranslateText("Shell", "Every start opens a window of its own.");
    }
    return TranslateText("Shell", "Can't use the lock file ") + std::string(lockPath) +
           consequence +
           TranslateText("Shell",
                         "Please remove it; until then every start opens a window of its own.");
}

std::string AbsoluteCommandLinePath(std::string_view path, std::string_view workingFolder) {
    if (path.empty() || path.front() == '/') {
        return std::string(path);
    }
    std::string absolute(workingFolder);
    if (absolute.empty() || absolute.back() != '/') {
        absolute += '/';
    }
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view segment = path.substr(start, end - start);
        if (!segment.empty() && segment != ".") {
            absolute += segment;
            if (end < path.size()) {
                absolute += '/';
            }
        }
        start = end + 1;
    }
    return absolute;
}

SecondStartAction DecideSecondStart(SettingsStore& store) {
    return ReadBool(store, keys::CurrentBusy) ? SecondStartAction::Beep
                                              : SecondStartAction::HandOff;
}

}  // namespace pixora
