// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/save_dispatch.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/translate.h"
#include "formats/bmp_file.h"
#include "formats/gms_file.h"
#include "formats/ngg_file.h"
#include "formats/ngl_file.h"
#include "formats/npm_file.h"
#include "formats/nsl_file.h"
#include "formats/otb_file.h"
#include "formats/png_file.h"
#include "formats/wbmp_file.h"

namespace pixora {
namespace {

constexpr LogoSize kPicture[] = {{72, 28}};
constexpr LogoSize kNgl[] = {{72, 14}};
constexpr LogoSize kNsl[] = {{84, 48}};
constexpr LogoSize kOtb[] = {{72, 28}, {72, 14}, {72, 21}, {78, 21}, {84, 48}, {96, 65}};
constexpr LogoSize kNlm[] = {{72, 28}, {72, 14}, {78, 21}, {84, 48}, {96, 65}};
constexpr LogoSize kGroup[] = {{72, 28}, {72, 14}, {72, 15}, {72, 16}, {72, 17}, {72, 18},
                               {72, 19}, {72, 20}, {72, 21}, {72, 22}, {72, 23}, {72, 24},
                               {72, 25}, {72, 26}, {72, 27}, {78, 21}};
// Any size a phone logo tool could want; the picture goes top-left.
constexpr LogoSize kBitmap[] = {{72, 28}, {72, 14}, {72, 21}, {78, 21}, {84, 48}, {96, 65}};

constexpr std::string_view kNpmNames[] = {"npm"};
constexpr std::string_view kBmpNames[] = {"bmp"};
constexpr std::string_view kWbmpNames[] = {"wbmp", "wbm"};
constexpr std::string_view kOtbNames[] = {"otb"};
constexpr std::string_view kNlmNames[] = {"nlm"};
constexpr std::string_view kNggNames[] = {"ngg"};
constexpr std::string_view kNolNames[] = {"nol"};
constexpr std::string_view kGmsNames[] = {"gms"};
constexpr std::string_view kNslNames[] = {"nsl"};
constexpr std::string_view kNglNames[] = {"ngl"};
constexpr std::string_view kPngNames[] = {"png"};

// Name lookup walks this order after the ".WBM" rule: the colour BMP before the 1-bit one, which
// only an option picks. The editor's Export lists the formats marked for it in this order, the
// BMP first as its default filter.
const std::array<SaveFormatInfo, 12> kFormats = {{
    {SaveFormat::Bmp, "bmp", kBmpNames, PIXORA_TRANSLATE_NOOP("Files", "Bitmap (*.bmp)|*.bmp"),
     false, kPicture, true},
    {SaveFormat::Wbmp, "wbmp", kWbmpNames,
     PIXORA_TRANSLATE_NOOP("Files", "Wireless Bitmap (*.wbmp)|*.wbmp;*.wbm"), false, kPicture,
     true},
    {SaveFormat::MonoBmp, "mono-bmp", kBmpNames,
     PIXORA_TRANSLATE_NOOP("Files", "Black-and-white Bitmap (*.bmp)|*.bmp"), false, kBitmap, true},
    {SaveFormat::PictureMessage, "npm", kNpmNames,
     PIXORA_TRANSLATE_NOOP("Files", "Nokia Picture Message (*.npm)|*.npm"), true, kPicture, false},
    {SaveFormat::Otb, "otb", kOtbNames,
     PIXORA_TRANSLATE_NOOP("Files", "Over-the-air Bitmap (*.otb)|*.otb"), false, kOtb, true},
    {SaveFormat::Nlm, "nlm", kNlmNames,
     PIXORA_TRANSLATE_NOOP("Files", "Nokia Logo Manager (*.nlm)|*.nlm"), false, kNlm, true},
    {SaveFormat::Ngg, "ngg", kNggNames,
     PIXORA_TRANSLATE_NOOP("Files", "Nokia Group Graphic (*.ngg)|*.ngg"), false, kGroup, true},
    {SaveFormat::Nol, "nol", kNolNames,
     PIXORA_TRANSLATE_NOOP("Files", "Nokia Operator Logo (*.nol)|*.nol"), false, kGroup, true},
    {SaveFormat::Gms, "gms", kGmsNames,
     PIXORA_TRANSLATE_NOOP("Files", "Picture Message Payload (*.gms)|*.gms"), true, kPicture, true},
    {SaveFormat::Nsl, "nsl", kNslNames,
     PIXORA_TRANSLATE_NOOP("Files", "Nokia Startup Logo (*.nsl)|*.nsl"), false, kNsl, true},
    {SaveFormat::Ngl, "ngl", kNglNames,
     PIXORA_TRANSLATE_NOOP("Files", "Nokia Logo Text (*.ngl)|*.ngl"), false, kNgl, true},
    {SaveFormat::Png, "png", kPngNames,
     PIXORA_TRANSLATE_NOOP("Files", "Portable Network Graphics (*.png)|*.png"), false, kBitmap,
     true},
}};

bool EndsWithExtension(std::string_view path, std::string_view extension) {
    if (path.size() <= extension.size() || path[path.size() - extension.size() - 1] != '.') {
        return false;
    }
    return std::equal(
        extension.begin(), extension.end(), path.end() - extension.size(),
        [](char lower, char c) { return lower == std::tolower(static_cast<unsigned char>(c)); });
}

bool Takes(const SaveFormatInfo& info, LogoSize size) {
    return std::find(info.sizes.begin(), info.sizes.end(), size) != info.sizes.end();
}

NlmType NlmTypeForSize(LogoSize size) {
    if (size.width == 72 && size.height == 28) {
        return NlmType::Picture;
    }
    return size.height >= 48 ? NlmType::Startup : NlmType::Operator;
}

LogoSize NlmSizeForType(NlmType type) {
    switch (type) {
        case NlmType::Operator:
        case NlmType::Caller:
            return {72, 14};
        case NlmType::Startup:
            return {84, 48};
        case NlmType::Picture:
            break;
    }
    return {72, 28};
}

}  // namespace

std::span<const SaveFormatInfo> SaveFormats() {
    return kFormats;
}

const SaveFormatInfo& SaveFormatOf(SaveFormat format) {
    return *std::find_if(kFormats.begin(), kFormats.end(),
                         [format](const SaveFormatInfo& info) { return info.format == format; });
}

const SaveFormatInfo* SaveFormatByKey(std::string_view key) {
    const auto* found = std::find_if(kFormats.begin(), kFormats.end(),
                                     [key](const SaveFormatInfo& info) { return info.key == key; });
    return found == kFormats.end() ? nullptr : found;
}

const SaveFormatInfo* SaveFormatForName(std::string_view path) {
    if (IsWbmpExportName(path)) {
        return &SaveFormatOf(SaveFormat::Wbmp);
    }
    for (const SaveFormatInfo& info : kFormats) {
        for (std::string_view name : info.names) {
            if (EndsWithExtension(path, name)) {
                return &info;
            }
        }
    }
    return nullptr;
}

std::string ExportDialogFilter() {
    std::string filter;
    for (const SaveFormatInfo& info : kFormats) {
        if (info.exported) {
            filter += (filter.empty() ? "" : "|") +
                      TranslateText("Files", std::string(info.filter).c_str());
        }
    }
    return filter;
}

SaveFormat ExportFormatFor(std::string_view path, int filterIndex) {
    int index = 0;
    for (const SaveFormatInfo& info : kFormats) {
        if (info.exported && ++index == filterIndex) {
            // The filter decides between formats that share the name's extension (the two BMPs).
            for (std::string_view name : info.names) {
                if (EndsWithExtension(path, name)) {
                    return info.format;
                }
            }
        }
    }
    return ExportFormatForName(path);
}

SaveFormat ExportFormatForName(std::string_view path) {
    const SaveFormatInfo* info = SaveFormatForName(path);
    return info != nullptr && info->exported ? info->format : SaveFormat::Bmp;
}

std::string CheckWriteOptions(SaveFormat format, const WriteOptions& options) {
    const SaveFormatInfo& info = SaveFormatOf(format);
    if (options.nlmType && format != SaveFormat::Nlm) {
        return "a logo type applies to .nlm only";
    }
    if ((options.mcc != 0 || options.mnc != 0) && format != SaveFormat::Nol) {
        return "operator codes apply to .nol only";
    }
    if (options.mcc < 0 || options.mcc > 999 || options.mnc < 0 || options.mnc > 999) {
        return "operator codes are numbers from 0 to 999";
    }
    if (!options.size) {
        return {};
    }
    if (!Takes(info, *options.size)) {
        return "." + std::string(info.names.front()) + " takes no picture of " +
               std::to_string(options.size->width) + "x" + std::to_string(options.size->height);
    }
    // A caller logo comes in the operator logo's sizes.
    const NlmType asked = options.nlmType == NlmType::Caller ? NlmType::Operator
                                                             : options.nlmType.value_or(NlmType{});
    if (format == SaveFormat::Nlm && options.nlmType && NlmTypeForSize(*options.size) != asked) {
        return "that logo type does not come in that size";
    }
    return {};
}

std::string EncodePicture(SaveFormat format, const PictureGrid& picture, std::u32string_view text,
                          const Raster& output, const WriteOptions& options) {
    LogoSize size = options.size.value_or(SaveFormatOf(format).sizes.front());
    switch (format) {
        case SaveFormat::PictureMessage:
            return WritePictureMessageFile(picture, text, {});
        case SaveFormat::Bmp:
            return WriteBmpFile(output);
        case SaveFormat::MonoBmp:
            return WriteMonoBmpFile(picture, size.width, size.height);
        case SaveFormat::Wbmp:
            return WriteWbmpFile(picture);
        case SaveFormat::Otb:
            return WriteOtbFile(picture, size.width, size.height);
        case SaveFormat::Nlm: {
            if (!options.size && options.nlmType) {
                size = NlmSizeForType(*options.nlmType);
            }
            return WriteNlmFile(picture, options.nlmType.value_or(NlmTypeForSize(size)), size.width,
                                size.height);
        }
        case SaveFormat::Ngg:
            return WriteGroupGraphicFile(picture, size.width, size.height);
        case SaveFormat::Nol:
            return WriteOperatorLogoFile(picture, size.width, size.height, options.mcc,
                                         options.mnc);
        case SaveFormat::Gms:
            return WriteGmsFile(picture, text);
        case SaveFormat::Nsl:
            return WriteNslFile(picture);
        case SaveFormat::Ngl:
            return WriteNglFile(picture);
        case SaveFormat::Png:
            return WritePngFile(picture, size.width, size.height);
    }
    return {};
}

}  // namespace pixora
