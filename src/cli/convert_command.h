// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "pixora-cli convert": the options that choose how an ordinary picture becomes the 72 x 28
// picture, the choices the editor's Import with Preview offers. Without them a conversion is
// exactly the editor's plain Open or Import.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/image_adjust.h"
#include "formats/save_dispatch.h"

namespace pixora::cli {

inline constexpr const char* ConvertOperands =
    "INPUT OUTPUT [--from TYPE] [--to TYPE] [--fit stretch|contain|cover|none] [--threshold N] "
    "[--dither none|floyd-steinberg|atkinson|bayer] [--invert] [--size WxH] "
    "[--type operator|caller|startup|picture] [--operator MCC MNC] [--mono]\n"
    "       pixora-cli convert --to TYPE --out-dir DIR [OPTIONS] INPUT...";

struct ConvertOptions {
    std::string input;
    std::string output;
    // With --out-dir: every input, each written as DIR/<name without extension>.<--to>.
    std::optional<std::string> outDir;
    std::vector<std::string> inputs;
    std::optional<std::string> from;  // the type of "-" as input
    std::optional<std::string> to;    // the type of the output, whatever its name
    // Each nullopt when not given; with none of them the import is the editor's plain one.
    std::optional<FitMode> fit;
    std::optional<int> threshold;
    std::optional<DitherMethod> dither;
    bool invert = false;
    // How the output is written: its size, NLM type, NOL operator, and BMP as 1-bit.
    WriteOptions write;
    bool mono = false;

    bool Adjusted() const { return fit || threshold || dither || invert; }
};

// Both "--opt value" and "--opt=value"; nullopt with the reason in error when the operands are
// not usable.
std::optional<ConvertOptions> ParseConvertOptions(std::span<const std::string> operands,
                                                  std::string& error);

// The adjustment the options ask for: fit Stretch, no dither and the "ImportLevel" threshold
// unless they say otherwise. nullopt when the threshold is needed from a level that is no number.
std::optional<AdjustSettings> ConvertAdjustment(const ConvertOptions& options,
                                                SettingsStore& settings);

}  // namespace pixora::cli
