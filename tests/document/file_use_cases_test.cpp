// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/file_use_cases.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/picture_views.h"
#include "core/settings_keys.h"
#include "formats/npm_file.h"
#include "formats/save_dispatch.h"
#include "formats/wbmp_file.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

PictureGrid Corner() {
    PictureGrid picture;
    picture.Set(0, 0, 1);
    picture.Set(71, 27, 1);
    return picture;
}

struct TempFolder {
    TempFolder() {
        char name[] = "/tmp/pixora-doc-XXXXXX";
        path = mkdtemp(name);
        path += "/";
    }
    ~TempFolder() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string path;
};

// A document with a picture, its text, a name and an undo step, all modified.
Document Edited() {
    Document doc;
    doc.SetText(U"mine", false);
    doc.Edit(Corner(), "Invert");
    doc.SetDocumentName("/pics/old.npm");
    return doc;
}

TEST(FileUseCases, AnOpenedFileBecomesTheDocumentOrLeavesIt) {
    struct Case {
        const char* what;
        OpenAction action;
        bool adopted;
        const char* name;
        ModifiedState state;
        std::u32string text;
        std::size_t steps;
    };
    const Case cases[] = {
        {"adopted", OpenAction::Adopt, true, "/in/logo.nol", ModifiedState::Saved, U"file", 0},
        {"a hand-over file", OpenAction::AdoptAsUntitled, true, UntitledName,
         ModifiedState::Modified, U"file", 0},
        {"rejected", OpenAction::KeepDocument, false, "/pics/old.npm", ModifiedState::Modified,
         U"mine", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = Edited();
        OpenResult result;
        result.action = c.action;
        result.pictureChanged = true;
        result.textChanged = true;
        result.text = U"file";
        EXPECT_EQ(AdoptOpenedFile(doc, result, "/in/logo.nol"), c.adopted);
        EXPECT_EQ(doc.DocumentName(), c.name);
        EXPECT_EQ(doc.Modified(), c.state);
        EXPECT_EQ(doc.Text(), c.text);
        EXPECT_EQ(doc.Picture(), c.adopted ? PictureGrid() : Corner());
        EXPECT_EQ(doc.History().Count(), c.steps);
    }
}

TEST(FileUseCases, SaveAdoptsOnlyAWrittenFileOfItsOwn) {
    TempFolder dir;
    struct Case {
        const char* what;
        std::string file;
        bool written;
        bool adopted;
    };
    const Case cases[] = {
        {"a file", "saved.npm", true, true},
        {"a hand-over file", "PMTMP1.npm", true, false},
        {"a folder that is not there", "missing/saved.npm", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = Edited();
        const std::string path = dir.path + c.file;
        const SaveResult saved = SaveDocument(doc, path, "Tester");
        EXPECT_EQ(saved.status.Ok(), c.written);
        EXPECT_EQ(saved.adopted, c.adopted);
        EXPECT_EQ(doc.DocumentName(), c.adopted ? path : "/pics/old.npm");
        EXPECT_EQ(doc.Modified(), c.adopted ? ModifiedState::Saved : ModifiedState::Modified);
        if (c.written) {
            const ReadResult<LoadedPicture> back = ReadPictureMessageFile(ReadFile(path).bytes);
            ASSERT_TRUE(back.Ok());
            EXPECT_EQ(back->picture, Corner());
            EXPECT_EQ(back->text, U"mine");
        }
    }
}

TEST(FileUseCases, ExportWritesWbmpByNameAndBmpOtherwise) {
    TempFolder dir;
    const Raster output = OutputBitmap(Corner());
    EXPECT_EQ(output.Pixel(0, 0), SetColour);
    EXPECT_EQ(output.Pixel(1, 0), ClearColour);
    ASSERT_TRUE(ExportPicture(dir.path + "a.wbmp", Corner(), output).Ok());
    EXPECT_EQ(ReadWbmpFile(ReadFile(dir.path + "a.wbmp").bytes), Corner());
    ASSERT_TRUE(ExportPicture(dir.path + "a.bmp", Corner(), output).Ok());
    EXPECT_EQ(ReadFile(dir.path + "a.bmp").bytes.substr(0, 2), "BM");
    // Every phone format by its extension, and a BMP for a name Export has no writer for.
    const std::pair<const char*, SaveFormat> names[] = {
        {"b.OTB", SaveFormat::Otb}, {"b.nlm", SaveFormat::Nlm}, {"b.gms", SaveFormat::Gms},
        {"b.png", SaveFormat::Png}, {"b.npm", SaveFormat::Bmp}, {"b", SaveFormat::Bmp}};
    for (const auto& [name, format] : names) {
        ASSERT_TRUE(ExportPicture(dir.path + name, Corner(), output, U"hi").Ok());
        EXPECT_EQ(ReadFile(dir.path + name).bytes,
                  EncodePicture(format, Corner(), U"hi", output, {}))
            << name;
    }
}

TEST(FileUseCases, ImportDecodesFitsAndThresholds) {
    TempFolder dir;
    const std::string file = dir.path + "black.png";
    ASSERT_TRUE(WriteFile(file, "stand-in").Ok());
    struct Case {
        const char* what;
        std::string path;
        bool decodes;
        const char* level;
        ImportedPicture::Outcome outcome;
    };
    const Case cases[] = {
        {"imported", file, true, "4210752", ImportedPicture::Outcome::Imported},
        {"a folder", dir.path, true, "4210752", ImportedPicture::Outcome::NotRegularFile},
        {"not decoded", file, false, "4210752", ImportedPicture::Outcome::NotDecoded},
        {"a level that is no number", file, true, "dark", ImportedPicture::Outcome::LevelRejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemorySettingsStore settings;
        WriteText(settings, keys::ImportLevel, c.level);
        testing::FakeUserInterface ui;
        int decoded = 0;
        const PictureDecoder decode = [&](const std::string&,
                                          std::string&) -> std::optional<ImportedImage> {
            ++decoded;
            if (!c.decodes) {
                return std::nullopt;
            }
            return MakeImportedImage(Raster(20, 10, MakeRgb(0, 0, 0)));
        };
        const ImportedPicture imported = ImportPictureFile(c.path, decode, settings, ui);
        EXPECT_EQ(imported.outcome, c.outcome);
        EXPECT_EQ(decoded, c.outcome == ImportedPicture::Outcome::NotRegularFile ? 0 : 1);
        if (c.outcome == ImportedPicture::Outcome::Imported) {
            EXPECT_EQ(imported.picture.SetCount(), 20 * 10);
            EXPECT_TRUE(imported.picture.IsSet(19, 9));
        }
    }
}

}  // namespace
}  // namespace pixora
