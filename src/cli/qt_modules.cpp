// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/qt_modules.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <vector>

#include "formats/open_dispatch.h"

namespace pixora::cli {

// The folder of the running executable, from the kernel rather than argv[0], so a call through
// PATH or a symbolic link still finds the modules.
std::string ExecutableFolder() {
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return ".";
    }
    std::string path(buffer.data(), static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

namespace {

// Loaded once and kept until exit: Qt's own clean-up at exit expects its libraries still mapped.
void* FindSymbol(const char* moduleName, const char* symbol, std::string& error) {
    const std::string folder = ExecutableFolder();
    const std::vector<std::string> candidates = {
        folder + "/" + moduleName,
        folder + "/" PIXORA_CLI_BIN_TO_MODULES "/" + moduleName,
    };
    std::string reasons;
    for (const std::string& candidate : candidates) {
        if (access(candidate.c_str(), F_OK) != 0) {
            continue;
        }
        void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            reasons += dlerror();
            continue;
        }
        if (void* entry = dlsym(handle, symbol)) {
            return entry;
        }
        reasons += candidate + ": no " + symbol;
    }
    error = std::string("cannot load ") + moduleName +
            (reasons.empty() ? std::string(": not found beside the program") : ": " + reasons);
    return nullptr;
}

}  // namespace

std::unique_ptr<SettingsStore> OpenUserSettings(std::string& error) {
    using Open = decltype(&PixoraCliOpenSettings);
    auto open =
        reinterpret_cast<Open>(FindSymbol(SettingsModuleName, "PixoraCliOpenSettings", error));
    if (open == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<SettingsStore>(open());
}

std::optional<ImportedImage> LoadPictureForFit(const std::string& path, int maxWidth, int maxHeight,
                                               std::string& error) {
    using Load = decltype(&PixoraCliLoadPicture);
    auto load = reinterpret_cast<Load>(FindSymbol(ImportModuleName, "PixoraCliLoadPicture", error));
    if (load == nullptr) {
        return std::nullopt;
    }
    ImportedImage image;
    ReadError failure = ReadError::None;
    if (!load(path.c_str(), maxWidth, maxHeight, &image, &failure)) {
        if (const std::string why = ImportRefusalReason(failure); !why.empty()) {
            error = why;
        }
        return std::nullopt;
    }
    return image;
}

std::optional<ImportWorkingCopy> LoadWorkingCopy(const std::string& path, std::string& error) {
    using Load = decltype(&PixoraCliLoadWorkingCopy);
    auto load =
        reinterpret_cast<Load>(FindSymbol(ImportModuleName, "PixoraCliLoadWorkingCopy", error));
    if (load == nullptr) {
        return std::nullopt;
    }
    ImportWorkingCopy copy;
    ReadError failure = ReadError::None;
    if (!load(path.c_str(), &copy, &failure)) {
        if (const std::string why = ImportRefusalReason(failure); !why.empty()) {
            error = why;
        }
        return std::nullopt;
    }
    return copy;
}

std::optional<RegionResult> KeyboardRegionThroughModule(std::string& error) {
    using Region = decltype(&PixoraCliKeyboardRegion);
    auto region =
        reinterpret_cast<Region>(FindSymbol(RegionModuleName, "PixoraCliKeyboardRegion", error));
    if (region == nullptr) {
        return std::nullopt;
    }
    RegionResult result;
    region(&result);
    return result;
}

std::optional<int> RunSend(const SendJob& job, std::string& error) {
    using Send = decltype(&PixoraCliSend);
    auto send = reinterpret_cast<Send>(FindSymbol(SendModuleName, "PixoraCliSend", error));
    if (send == nullptr) {
        return std::nullopt;
    }
    return send(&job);
}

std::optional<int> RunPorts(std::ostream& out, std::string& error) {
    using Ports = decltype(&PixoraCliPorts);
    auto ports = reinterpret_cast<Ports>(FindSymbol(SendModuleName, "PixoraCliPorts", error));
    if (ports == nullptr) {
        return std::nullopt;
    }
    return ports(&out);
}

std::optional<int> RunPhonebook(const PhonebookJob& job, std::string& error) {
    using Read = decltype(&PixoraCliPhonebook);
    auto read = reinterpret_cast<Read>(FindSymbol(SendModuleName, "PixoraCliPhonebook", error));
    if (read == nullptr) {
        return std::nullopt;
    }
    return read(&job);
}

std::optional<int> RunReceive(const ReceiveJob& job, std::string& error) {
    using Read = decltype(&PixoraCliReceive);
    auto read = reinterpret_cast<Read>(FindSymbol(SendModuleName, "PixoraCliReceive", error));
    if (read == nullptr) {
        return std::nullopt;
    }
    return read(&job);
}

}  // namespace pixora::cli
