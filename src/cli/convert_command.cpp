// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/convert_command.h"

#include <array>
#include <charconv>
#include <utility>

namespace pixora::cli {
namespace {

template <class T>
using Names = std::array<std::pair<std::string_view, T>, 4>;

constexpr Names<FitMode> FitNames = {{{"stretch", FitMode::Stretch},
                                      {"contain", FitMode::KeepProportions},
                                      {"cover", FitMode::FillAndCrop},
                                      {"none", FitMode::TopLeft}}};
constexpr Names<DitherMethod> DitherNames = {{{"none", DitherMethod::None},
                                              {"floyd-steinberg", DitherMethod::FloydSteinberg},
                                              {"atkinson", DitherMethod::Atkinson},
                                              {"bayer", DitherMethod::Ordered}}};

constexpr Names<NlmType> TypeNames = {{{"operator", NlmType::Operator},
                                       {"caller", NlmType::Caller},
                                       {"startup", NlmType::Startup},
                                       {"picture", NlmType::Picture}}};

// A whole decimal number from lowest to highest.
std::optional<int> Number(std::string_view value, int lowest, int highest) {
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size() ||
        number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

std::optional<LogoSize> SizeNamed(std::string_view value) {
    const size_t x = value.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> width = Number(value.substr(0, x), 1, 255);
    const std::optional<int> height = Number(value.substr(x + 1), 1, 255);
    if (!width || !height) {
        return std::nullopt;
    }
    return LogoSize{*width, *height};
}

template <class T>
std::optional<T> Named(const Names<T>& names, std::string_view value) {
    for (const auto& [name, item] : names) {
        if (name == value) {
            return item;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ConvertOptions> ParseConvertOptions(std::span<const std::string> operands,
                                                  std::string& error) {
    ConvertOptions options;
    std::vector<std::string> files;
    for (size_t i = 0; i < operands.size(); ++i) {
        std::string word = operands[i];
        if (word == "--invert") {
            options.invert = true;
            continue;
        }
        if (word == "--mono") {
            options.mono = true;
            continue;
        }
        if (word == "--operator") {
            // Two values, so no "=" form.
            const std::optional<int> mcc =
                i + 1 < operands.size() ? Number(operands[i + 1], 0, 999) : std::nullopt;
            const std::optional<int> mnc =
                i + 2 < operands.size() ? Number(operands[i + 2], 0, 999) : std::nullopt;
            if (!mcc || !mnc) {
                error = "--operator takes two numbers from 0 to 999, MCC and MNC";
                return std::nullopt;
            }
            options.write.mcc = *mcc;
            options.write.mnc = *mnc;
            i += 2;
            continue;
        }
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            files.push_back(word);
            continue;
        }
        std::string value;
        if (const size_t equals = word.find('='); equals != std::string::npos) {
            value = word.substr(equals + 1);
            word.resize(equals);
        } else if (word == "--fit" || word == "--threshold" || word == "--dither" ||
                   word == "--size" || word == "--type" || word == "--from" || word == "--to" ||
                   word == "--out-dir") {
            if (i + 1 >= operands.size()) {
                error = word + " needs a value";
                return std::nullopt;
            }
            value = operands[++i];
        }
        if (word == "--from" || word == "--to" || word == "--out-dir") {
            if (value.empty()) {
                error = word + " needs a value";
                return std::nullopt;
            }
            (word == "--from" ? options.from
             : word == "--to" ? options.to
                              : options.outDir) = value;
        } else if (word == "--fit") {
            options.fit = Named(FitNames, value);
            if (!options.fit) {
                error = "--fit takes stretch, contain, cover or none";
                return std::nullopt;
            }
        } else if (word == "--dither") {
            options.dither = Named(DitherNames, value);
            if (!options.dither) {
                error = "--dither takes none, floyd-steinberg, atkinson or bayer";
                return std::nullopt;
            }
        } else if (word == "--type") {
            options.write.nlmType = Named(TypeNames, value);
            if (!options.write.nlmType) {
                error = "--type takes operator, caller, startup or picture";
                return std::nullopt;
            }
        } else if (word == "--size") {
            options.write.size = SizeNamed(value);
            if (!options.write.size) {
                error = "--size takes WIDTHxHEIGHT, such as 72x14";
                return std::nullopt;
            }
        } else if (word == "--threshold") {
            options.threshold = Number(value, 0, 255);
            if (!options.threshold) {
                error = "--threshold takes a number from 0 to 255";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + word;
            return std::nullopt;
        }
    }
    if (options.outDir) {
        if (!options.to || files.empty()) {
            error = "--out-dir needs --to TYPE and at least one INPUT";
            return std::nullopt;
        }
        options.inputs = std::move(files);
        return options;
    }
    if (files.size() != 2) {
        error = "INPUT and OUTPUT are needed";
        return std::nullopt;
    }
    options.input = files[0];
    options.output = files[1];
    return options;
}

std::optional<AdjustSettings> ConvertAdjustment(const ConvertOptions& options,
                                                SettingsStore& settings) {
    AdjustSettings adjust;
    adjust.fit = options.fit.value_or(FitMode::Stretch);
    adjust.dither = options.dither.value_or(DitherMethod::None);
    adjust.invert = options.invert;
    if (options.threshold) {
        adjust.threshold = *options.threshold;
    } else if (const std::optional<int> level = ImportPreviewThreshold(settings)) {
        adjust.threshold = *level;
    } else {
        return std::nullopt;
    }
    return adjust;
}

}  // namespace pixora::cli
