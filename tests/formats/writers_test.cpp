// SPDX-License-Identifier: GPL-2.0-or-later
// Every writer against its own reader over the phone sizes, and against independent tools that
// read the same files (gammu, ImageMagick, netpbm), skipped where a tool is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/picture_views.h"
#include "format_test_util.h"
#include "formats/gms_file.h"
#include "formats/ngg_file.h"
#include "formats/ngl_file.h"
#include "formats/nlm_file.h"
#include "formats/nsl_file.h"
#include "formats/otb_file.h"
#include "formats/save_dispatch.h"
#include "formats/wbmp_file.h"

namespace pixora {
namespace {

using testing::RandomPicture;

// The picture a reader should give back: the written top-left width x height part, moved down by
// firstRow.
PictureGrid Expected(const PictureGrid& picture, LogoSize size, int firstRow) {
    PictureGrid expected;
    for (int y = 0; y < std::min(size.height, PictureHeight); ++y) {
        for (int x = 0; x < std::min(size.width, PictureWidth); ++x) {
            if (y + firstRow < PictureHeight) {
                expected.Set(x, y + firstRow, picture.At(x, y));
            }
        }
    }
    return expected;
}

std::optional<PictureGrid> ReadBack(SaveFormat format, const std::string& bytes) {
    auto picture = [](const auto& result) -> std::optional<PictureGrid> {
        if (!result.Ok()) {
            return std::nullopt;
        }
        if constexpr (requires { result.value.picture; }) {
            return result.value.picture;
        } else {
            return result.value;
        }
    };
    switch (format) {
        case SaveFormat::Otb:
            return picture(ReadOtbFile(bytes));
        case SaveFormat::Nlm:
            return picture(ReadNlmFile(bytes));
        case SaveFormat::Ngg:
        case SaveFormat::Nol:
            return picture(ReadGroupGraphicFile(bytes));
        case SaveFormat::Gms:
            return picture(ReadGmsFile(bytes));
        case SaveFormat::Nsl:
            return picture(ReadNslFile(bytes));
        case SaveFormat::Ngl:
            return picture(ReadNglFile(bytes));
        case SaveFormat::Wbmp:
            return picture(ReadWbmpFile(bytes));
        default:
            return std::nullopt;
    }
}

struct RoundTrip {
    SaveFormat format;
    LogoSize size;
    int firstRow;  // where the reader puts the written top row
};

TEST(Writers, EveryReaderReadsBackWhatItsWriterWrote) {
    const RoundTrip cases[] = {
        {SaveFormat::Otb, {72, 28}, 0}, {SaveFormat::Otb, {72, 14}, 0},
        {SaveFormat::Otb, {78, 21}, 0}, {SaveFormat::Otb, {84, 48}, 0},
        {SaveFormat::Otb, {96, 65}, 0}, {SaveFormat::Nlm, {72, 28}, 0},
        {SaveFormat::Nlm, {72, 14}, 0}, {SaveFormat::Nlm, {78, 21}, 0},
        {SaveFormat::Nlm, {84, 48}, 0}, {SaveFormat::Nlm, {96, 65}, 0},
        {SaveFormat::Ngg, {72, 28}, 0}, {SaveFormat::Ngg, {72, 14}, 7},
        {SaveFormat::Ngg, {72, 21}, 3}, {SaveFormat::Ngg, {78, 21}, 3},
        {SaveFormat::Nol, {72, 15}, 6}, {SaveFormat::Nol, {78, 21}, 3},
        {SaveFormat::Gms, {72, 28}, 0}, {SaveFormat::Nsl, {84, 48}, 0},
        {SaveFormat::Ngl, {72, 14}, 0}, {SaveFormat::Wbmp, {72, 28}, 0},
    };
    const PictureGrid picture = RandomPicture(19);
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(std::string(SaveFormatOf(c.format).key) + " " + std::to_string(c.size.width) +
                     "x" + std::to_string(c.size.height));
        const WriteOptions options{c.size, std::nullopt, 0, 0};
        ASSERT_EQ(CheckWriteOptions(c.format, options), "");
        const std::optional<PictureGrid> back =
            ReadBack(c.format, EncodePicture(c.format, picture, U"", {}, options));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, Expected(picture, c.size, c.firstRow));
    }
}

TEST(Writers, HeaderFieldsReadBack) {
    const PictureGrid picture = RandomPicture(3);
    const ReadResult<GroupGraphic> nol = ReadGroupGraphicFile(
        EncodePicture(SaveFormat::Nol, picture, U"", {}, {LogoSize{72, 14}, {}, 244, 91}));
    ASSERT_TRUE(nol.Ok());
    EXPECT_EQ(std::make_pair(nol.value.mcc, nol.value.mnc), std::make_pair(244, 91));

    const ReadResult<LoadedPicture> gms =
        ReadGmsFile(EncodePicture(SaveFormat::Gms, picture, U"Caf\u00e9 at 8", {}, {}));
    ASSERT_TRUE(gms.Ok());
    EXPECT_EQ(gms.value.text, U"Caf\u00e9 at 8");

    // The type follows the size, or the size the type when only the type is given.
    const struct {
        WriteOptions options;
        int type, width, height;
    } nlm[] = {{{}, 3, 72, 28},
               {{LogoSize{78, 21}, {}, 0, 0}, 0, 78, 21},
               {{LogoSize{96, 65}, {}, 0, 0}, 2, 96, 65},
               {{std::nullopt, NlmType::Caller, 0, 0}, 1, 72, 14},
               {{std::nullopt, NlmType::Startup, 0, 0}, 2, 84, 48}};
    for (const auto& c : nlm) {
        const std::string bytes = EncodePicture(SaveFormat::Nlm, picture, U"", {}, c.options);
        EXPECT_EQ(std::vector<int>({bytes[5], bytes[7], bytes[8]}),
                  std::vector<int>({c.type, c.width, c.height}));
        EXPECT_TRUE(ReadNlmFile(bytes).Ok());
    }
}

TEST(Writers, OptionsAFormatCannotCarryAreRefused) {
    const struct {
        SaveFormat format;
        WriteOptions options;
        bool accepted;
    } cases[] = {
        {SaveFormat::Nlm, {LogoSize{84, 48}, NlmType::Startup, 0, 0}, true},
        {SaveFormat::Nlm, {LogoSize{78, 21}, NlmType::Caller, 0, 0}, true},
        {SaveFormat::Nlm, {LogoSize{72, 28}, NlmType::Startup, 0, 0}, false},
        {SaveFormat::Otb, {LogoSize{72, 27}, {}, 0, 0}, false},
        {SaveFormat::Ngg, {LogoSize{72, 27}, {}, 0, 0}, true},
        {SaveFormat::Ngg, {LogoSize{72, 13}, {}, 0, 0}, false},
        {SaveFormat::Ngg, {{}, {}, 244, 5}, false},
        {SaveFormat::Nol, {{}, {}, 1000, 5}, false},
        {SaveFormat::Wbmp, {LogoSize{96, 65}, {}, 0, 0}, false},
        {SaveFormat::Otb, {{}, NlmType::Picture, 0, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SaveFormatOf(c.format).key);
        EXPECT_EQ(CheckWriteOptions(c.format, c.options).empty(), c.accepted);
    }
}

TEST(Writers, NamesPickTheFormat) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.NLM", "nlm"}, {"/x.wbm/a.bmp", "wbmp"}, {"logo.Nol", "nol"},
        {"p.gms", "gms"}, {"b.bmp", "bmp"},         {"x.png", "png"}};
    for (const auto& [name, key] : cases) {
        const SaveFormatInfo* info = SaveFormatForName(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->key, key);
    }
    EXPECT_EQ(SaveFormatForName("nlm"), nullptr);
    EXPECT_EQ(SaveFormatForName("picture.txt"), nullptr);
}

// --- Independent readers --------------------------------------------------------------------

// The first of the candidates that is an executable file.
std::string Tool(std::initializer_list<const char*> candidates) {
    for (const char* path : candidates) {
        if (std::filesystem::exists(path)) {
            return path;
        }
    }
    return {};
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Width, height and '1' / '0' per pixel from a plain or raw PBM.
struct Pixels {
    int width = 0, height = 0;
    std::string set;
};

Pixels FromPbm(const std::string& pbm) {
    Pixels pixels;
    std::istringstream in(pbm);
    std::string magic;
    in >> magic >> pixels.width >> pixels.height;
    in.get();
    const int rowBytes = (pixels.width + 7) / 8;
    for (int y = 0; y < pixels.height; ++y) {
        std::string row(rowBytes, '\0');
        in.read(row.data(), rowBytes);
        for (int x = 0; x < pixels.width; ++x) {
            pixels.set.push_back(
                ((static_cast<unsigned char>(row[x / 8]) >> (7 - x % 8)) & 1) ? '1' : '0');
        }
    }
    return pixels;
}

// gammu's XPM: "W H colours 1", the colour lines, then the rows; black is set.
Pixels FromXpm(const std::string& xpm) {
    std::vector<std::string> quoted;
    const std::regex string("\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(xpm.begin(), xpm.end(), string);
         it != std::sregex_iterator(); ++it) {
        quoted.push_back((*it)[1]);
    }
    Pixels pixels;
    int colours = 0;
    if (quoted.empty() ||
        std::sscanf(quoted[0].c_str(), "%d %d %d", &pixels.width, &pixels.height, &colours) != 3) {
        return {};
    }
    std::string black;
    for (int i = 1; i <= colours && i < static_cast<int>(quoted.size()); ++i) {
        if (quoted[i].find("#000000") != std::string::npos) {
            black.push_back(quoted[i][0]);
        }
    }
    for (size_t row = colours + 1; row < quoted.size(); ++row) {
        for (char c : quoted[row]) {
            pixels.set.push_back(black.find(c) != std::string::npos ? '1' : '0');
        }
    }
    return pixels;
}

// Every pixel the tool decoded against the picture placed top-left.
void ExpectPlaced(const Pixels& pixels, const PictureGrid& picture) {
    ASSERT_GT(pixels.width, 0);
    ASSERT_EQ(pixels.set.size(), static_cast<size_t>(pixels.width) * pixels.height);
    int wrong = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const bool expected = PictureGrid::Contains(x, y) && picture.IsSet(x, y);
            wrong += (pixels.set[y * pixels.width + x] == '1') != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

struct PeerCase {
    SaveFormat format;
    WriteOptions options;
    const char* tool;  // "gammu", "convert" or a netpbm program
    const char* extension;
};

TEST(Writers, IndependentToolsReadOurFiles) {
    const std::string gammu = Tool({"/usr/bin/gammu"});
    // Debian's ImageMagick; another "convert" on the PATH may be something else entirely.
    const std::string magick = Tool({"/usr/bin/convert-im6.q16", "/usr/bin/convert"});
    const std::string netpbm = Tool({"/usr/bin/bmptopnm"}).empty() ? "" : "/usr/bin";
    if (gammu.empty() && magick.empty() && netpbm.empty()) {
        GTEST_SKIP() << "none of gammu, ImageMagick and netpbm is installed";
    }
    const PeerCase cases[] = {
        {SaveFormat::Nlm, {}, "gammu", "nlm"},
        {SaveFormat::Nlm, {LogoSize{78, 21}, {}, 0, 0}, "gammu", "nlm"},
        {SaveFormat::Nlm, {LogoSize{96, 65}, {}, 0, 0}, "gammu", "nlm"},
        {SaveFormat::Ngg, {LogoSize{72, 14}, {}, 0, 0}, "gammu", "ngg"},
        {SaveFormat::Nol, {LogoSize{72, 14}, {}, 244, 5}, "gammu", "nol"},
        {SaveFormat::Nsl, {}, "gammu", "nsl"},
        {SaveFormat::MonoBmp, {}, "gammu", "bmp"},
        {SaveFormat::MonoBmp, {LogoSize{84, 48}, {}, 0, 0}, "gammu", "bmp"},
        {SaveFormat::Otb, {}, "convert", "otb"},
        {SaveFormat::Otb, {LogoSize{96, 65}, {}, 0, 0}, "convert", "otb"},
        {SaveFormat::Wbmp, {}, "convert", "wbmp"},
        {SaveFormat::Bmp, {}, "convert", "bmp"},
        {SaveFormat::MonoBmp, {LogoSize{78, 21}, {}, 0, 0}, "convert", "bmp"},
        {SaveFormat::Wbmp, {}, "wbmptopbm", "wbmp"},
        {SaveFormat::Bmp, {}, "bmptopnm", "bmp"},
        {SaveFormat::MonoBmp, {LogoSize{72, 21}, {}, 0, 0}, "bmptopnm", "bmp"},
    };
    const PictureGrid picture = RandomPicture(7);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("pixora-writers-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(std::rand()));
    std::filesystem::create_directories(dir);
    int run = 0;
    for (const PeerCase& c : cases) {
        const std::string tool = c.tool;
        const std::string program = tool == "gammu"     ? gammu
                                    : tool == "convert" ? magick
                                    : netpbm.empty()    ? ""
                                                        : netpbm + "/" + tool;
        if (program.empty()) {
            continue;
        }
        SCOPED_TRACE(tool + " " + std::string(SaveFormatOf(c.format).key));
        // gammu picks its writer by any extension in the name, so the names carry one only.
        const std::filesystem::path in = dir / ("in" + std::to_string(run) + "." + c.extension);
        const std::filesystem::path out = dir / ("out" + std::to_string(run++));
        {
            std::ofstream file(in, std::ios::binary);
            file << EncodePicture(c.format, picture, U"", OutputBitmap(picture), c.options);
        }
        std::string command;
        if (tool == "gammu") {
            command = program + " copybitmap " + in.string() + " " + out.string() + ".xpm";
        } else if (tool == "convert") {
            command = program + " " + std::string(c.extension) + ":" + in.string() + " " +
                      out.string() + ".pbm";
        } else {
            command = program + " " + in.string() +
                      " | /usr/bin/ppmtopgm | /usr/bin/pgmtopbm "
                      "-threshold > " +
                      out.string() + ".pbm";
        }
        command = "(" + command + ") >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const Pixels pixels = tool == "gammu" ? FromXpm(Slurp(out.string() + ".xpm"))
                                              : FromPbm(Slurp(out.string() + ".pbm"));
        ExpectPlaced(pixels, picture);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pixora
