// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/paths.h"

namespace pixora {

std::string FileNameOf(std::string_view path) {
    const auto pos = path.rfind(PathSeparator);
    return pos == std::string_view::npos ? std::string() : std::string(path.substr(pos + 1));
}

std::string FolderOf(std::string_view path) {
    const auto pos = path.rfind(PathSeparator);
    return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string WithoutExtension(std::string_view path) {
    const auto pos = path.rfind('.');
    return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos));
}

}  // namespace pixora
