// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/temp_files.h"

#include <cctype>

#include "core/paths.h"

namespace pixora {

int TempFileCounter::Take() {
    const int number = next_;
    next_ = next_ == INT16_MAX ? 0 : static_cast<int16_t>(next_ + 1);
    return number;
}

std::string TempFileName(std::string_view folder, int number, std::string_view extension) {
    std::string name(folder);
    if (!name.empty() && name.back() != PathSeparator) {
        name += PathSeparator;
    }
    std::string digits = std::to_string(number < 0 ? 0 : number);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    name += TempFilePrefix;
    name += digits;
    name += extension;
    return name;
}

std::string NextTempFile(std::string_view folder, TempFileCounter& counter,
                         std::string_view extension) {
    return TempFileName(folder, counter.Take(), extension);
}

bool IsTempFileName(std::string_view fileName) {
    const std::string_view prefix = TempFilePrefix;
    if (fileName.size() < prefix.size() + 3 + 4 || fileName.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view extension = fileName.substr(fileName.size() - 4);
    if (extension != TempPageExtension && extension != TempPictureExtension) {
        return false;
    }
    const std::string_view digits =
        fileName.substr(prefix.size(), fileName.size() - prefix.size() - 4);
    for (char ch : digits) {
        if (!std::isdigit(static_cast<unsigned char>(ch))) {
            return false;
        }
    }
    return true;
}

}  // namespace pixora
