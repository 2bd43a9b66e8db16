// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/open_dispatch.h"

#include <gtest/gtest.h>

#include "format_test_util.h"
#include "formats/npm_file.h"
#include "formats/wbmp_file.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::Bytes;
using testing::RandomPicture;

TEST(ChooseReader, FollowsTheExtensionOrderAnywhereInThePath) {
    struct Case {
        const char* path;
        FileKind kind;
    } cases[] = {
        {"/x/logo.nlm", FileKind::Nlm},
        {"/x/pics.nlm/logo.npm", FileKind::Nlm},
        {"/x/a.GMS", FileKind::Gms},
        {"/x/a.nsl", FileKind::Nsl},
        {"/x/a.ngl", FileKind::Ngl},
        {"/x/a.Otb", FileKind::Otb},
        {"/x/a.wbmp", FileKind::Wbmp},
        {"/x/a.wbm", FileKind::Wbmp},
        {"/x/a.i61", FileKind::ImportI61},
        {"/x/a.bmp", FileKind::ImportPicture},
        {"/x/a.gif", FileKind::ImportPicture},
        {"/x/a.JPG", FileKind::ImportPicture},
        {"/x/a.ico", FileKind::ImportPicture},
        {"/x/a.jpeg", FileKind::PictureMessage},
        {"/x/a.ngg", FileKind::GroupGraphic},
        {"/x/a.nol", FileKind::GroupGraphic},
        {"/x/a.npm", FileKind::PictureMessage},
        {"/x/a.rle", FileKind::PictureMessage},
        {"/x/a.wmf", FileKind::PictureMessage},
        {"/x/a.emf", FileKind::PictureMessage},
        {"/x/noextension", FileKind::PictureMessage},
        {"/x/a.otb.nlm", FileKind::Nlm},  // ".NLM" is tested before ".OTB"
        {"/x/a.ngg.bmp", FileKind::ImportPicture},
        {"/x/a.gms.wbmp", FileKind::Gms},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseReader(c.path), c.kind) << c.path;
    }
}

TEST(HandOverNames, MatchExactCase) {
    EXPECT_TRUE(IsSiblingHandOverName("/tmp/GGTMP001.NGG"));
    EXPECT_TRUE(IsSiblingHandOverName("/tmp/OLTMP7.nol"));
    EXPECT_FALSE(IsSiblingHandOverName("/tmp/ggtmp001.ngg"));
    EXPECT_TRUE(IsPictureMessageHandOverName("/tmp/PMTMP001.NPM"));
    EXPECT_FALSE(IsPictureMessageHandOverName("/tmp/pmtmp001.npm"));
    EXPECT_TRUE(IsImportPictureName("/a/b.Jpg"));
    EXPECT_FALSE(IsImportPictureName("/a/b.i61"));
}

std::string GroupFile(int height) {
    std::string file = Bytes({'N', 'G', 'G', 0, 1, 0, 72, 0, height, 0, 0, 0, 0, 0, 0, 0});
    return file + std::string(72 * height, '1');
}

TEST(OpenGraphicFile, Outcomes) {
    const std::string npm = WritePictureMessageFile(RandomPicture(3), U"hello", "", 0.1);
    const std::string wbmp = WriteWbmpFile(RandomPicture(4));
    const std::string wbmpMessage =
        "Can't read this WBMP file.\r\nMaximum supported size is 127x127 pixel.";
    struct Case {
        const char* name;
        const char* path;
        std::optional<std::string> bytes;
        OpenAction action;
        bool pictureChanged;
        bool textChanged;
        std::string message;
        bool beep;
        ReadError error;
    } cases[] = {
        {"npm", "/d/a.npm", npm, OpenAction::Adopt, true, true, "", false, ReadError::None},
        {"npm hand-over", "/tmp/PMTMP001.NPM", npm, OpenAction::AdoptAsUntitled, true, true, "",
         false, ReadError::None},
        {"npm lower-case marker", "/tmp/pmtmp001.npm", npm, OpenAction::Adopt, true, true, "",
         false, ReadError::None},
        {"npm rejected", "/d/a.npm", "junk", OpenAction::KeepDocument, false, true,
         CantReadFileMessage, false, ReadError::BadMagic},
        {"npm unreadable", "/d/a.npm", std::nullopt, OpenAction::KeepDocument, false, true, "",
         false, ReadError::ReadFailed},
        {"emf goes to the npm reader", "/d/a.emf", "\x01\x00\x00\x00", OpenAction::KeepDocument,
         false, true, CantReadFileMessage, false, ReadError::BadMagic},
        {"wbmp", "/d/a.wbmp", wbmp, OpenAction::Adopt, true, true, "", false, ReadError::None},
        {"wbmp 128 wide", "/d/a.wbm", Bytes({0, 0, 128, 1}), OpenAction::KeepDocument, true, true,
         wbmpMessage, false, ReadError::BadSize},
        {"wbmp unreadable", "/d/a.wbm", std::nullopt, OpenAction::KeepDocument, false, false,
         CantReadFileMessage, false, ReadError::ReadFailed},
        {"nlm rejected", "/d/a.nlm", "NLM", OpenAction::KeepDocument, true, true,
         "Can't read this NLM file. Try another file.", false, ReadError::TooShort},
        {"gms rejected", "/d/a.gms", "", OpenAction::KeepDocument, true, true,
         "Can't read this GMS file. Try another file.", false, ReadError::TooShort},
        {"nsl rejected", "/d/a.nsl", "", OpenAction::KeepDocument, true, true,
         "Can't read this NSL file. Try another file.", false, ReadError::TooShort},
        {"ngl rejected", "/d/a.ngl", "", OpenAction::KeepDocument, true, true,
         "Can't read this NGL file. Try another file.", false, ReadError::TooShort},
        {"otb rejected", "/d/a.otb", "", OpenAction::KeepDocument, true, true,
         "Can't read this OTB file. Try another file.", false, ReadError::TooShort},
        {"ngg", "/d/a.ngg", GroupFile(14), OpenAction::Adopt, true, true, "", false,
         ReadError::None},
        {"ngg sibling hand-over", "/tmp/GGTMP001.NGG", GroupFile(14), OpenAction::AdoptAsUntitled,
         true, true, "", false, ReadError::None},
        {"nol sibling hand-over", "/tmp/OLTMP001.NOL", GroupFile(14), OpenAction::AdoptAsUntitled,
         true, true, "", false, ReadError::None},
        {"ngg 72x13 beeps, still adopted", "/d/a.ngg", GroupFile(13), OpenAction::Adopt, true, true,
         "", true, ReadError::None},
        {"ngg bad magic", "/d/a.ngg", "NPM", OpenAction::KeepDocument, false, true,
         CantReadFileMessage, false, ReadError::BadMagic},
        {"ngg negative size ends quietly", "/d/a.ngg",
         Bytes({'N', 'G', 'G', 0, 1, 0, 0xB8, 0xFF, 14, 0}), OpenAction::KeepDocument, false, true,
         "", false, ReadError::BadDimension},
        {"ngg unreadable ends quietly", "/d/a.ngg", std::nullopt, OpenAction::KeepDocument, false,
         true, "", false, ReadError::ReadFailed},
        {"jpg goes to import", "/d/a.jpg", std::nullopt, OpenAction::Import, false, false, "",
         false, ReadError::None},
        {"i61 goes to import", "/d/a.i61", "x", OpenAction::Import, false, false, "", false,
         ReadError::None},
    };
    for (const auto& c : cases) {
        std::optional<std::string_view> bytes;
        if (c.bytes) {
            bytes = *c.bytes;
        }
        const OpenResult r = OpenGraphicFile(c.path, bytes);
        EXPECT_EQ(r.action, c.action) << c.name;
        EXPECT_EQ(r.pictureChanged, c.pictureChanged) << c.name;
        EXPECT_EQ(r.textChanged, c.textChanged) << c.name;
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(r.beep, c.beep) << c.name;
        EXPECT_EQ(r.error, c.error) << c.name;
        EXPECT_EQ(r.title, "Pixora") << c.name;
        EXPECT_EQ(r.icon, MessageIcon::Warning) << c.name;
        if (r.action == OpenAction::KeepDocument && r.pictureChanged) {
            // A rejected read that had cleared the picture hands back the cleared picture.
            EXPECT_EQ(r.picture.SetCount(), 0) << c.name;
            EXPECT_TRUE(r.text.empty()) << c.name;
        }
    }
}

TEST(ReadErrorMessage, EveryFailureHasWordsForAScript) {
    // Quiet in the editor or not, pixora-cli prints the message: it must never be empty.
    for (int e = static_cast<int>(ReadError::NotFound);
         e <= static_cast<int>(ReadError::TooManyPixels); ++e) {
        for (int k = static_cast<int>(FileKind::Nlm);
             k <= static_cast<int>(FileKind::PictureMessage); ++k) {
            const auto error = static_cast<ReadError>(e);
            const auto kind = static_cast<FileKind>(k);
            EXPECT_FALSE(ReadErrorMessage(error, kind).empty()) << e << " " << k;
        }
        EXPECT_EQ(ReadErrorMessage(static_cast<ReadError>(e), FileKind::Nlm),
                  e < static_cast<int>(ReadError::TooShort)
                      ? std::string(CantReadFileMessage)
                      : "Can't read this NLM file. Try another file.")
            << e;
    }
    EXPECT_EQ(ReadErrorMessage(ReadError::None, FileKind::Otb), "");
    EXPECT_EQ(ImportRefusalReason(ReadError::NotRegularFile), "not a regular file");
    EXPECT_EQ(ImportRefusalReason(ReadError::Damaged), "");
}

TEST(OpenGraphicFile, CarriesPictureAndText) {
    const std::string npm = WritePictureMessageFile(RandomPicture(5), U"Text!", "", 0.1);
    const OpenResult r = OpenGraphicFile("/d/x.NPM", npm);
    EXPECT_EQ(r.picture, RandomPicture(5));
    EXPECT_EQ(r.text, U"Text!");
    const OpenResult ngg = OpenGraphicFile("/d/x.ngg", GroupFile(28));
    EXPECT_EQ(ngg.picture.SetCount(), PictureCells);
    EXPECT_TRUE(ngg.text.empty());
}

TEST(ReportOpenResult, BeepsAndShowsTheMessage) {
    testing::FakeUserInterface ui;
    ReportOpenResult(OpenGraphicFile("/d/a.ngg", GroupFile(13)), ui);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(ui.messages.empty());
    ReportOpenResult(OpenGraphicFile("/d/a.otb", std::string_view("x")), ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Can't read this OTB file. Try another file.");
    EXPECT_EQ(ui.messages[0].title, "Pixora");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace pixora
