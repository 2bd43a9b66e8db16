// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/document.h"

#include <gtest/gtest.h>

#include "core/paths.h"

namespace pixora {
namespace {

TEST(ShortenPath, KeepsUpToTheLimitAndCutsTheMiddleBeyond) {
    const std::string path38 = "/home/user/pictures/messages/hello.npm";
    ASSERT_EQ(path38.size(), 38u);
    EXPECT_EQ(ShortenPath(path38, 38), path38);

    const std::string path39 = "/home/user/pictures/messages/hello2.npm";
    ASSERT_EQ(path39.size(), 39u);
    const std::string shortened = ShortenPath(path39, 38);
    EXPECT_EQ(shortened, "/ho..." + path39.substr(39 - 35));
    EXPECT_EQ(shortened.size(), 41u);
}

TEST(ShortenPath, CountsCharactersNotBytes) {
    // 38 characters, more bytes: still whole.
    const std::string umlauts = "/home/jürgen/bilder/grüße/äöü/bild.npm";
    ASSERT_GT(umlauts.size(), 38u);
    EXPECT_EQ(ShortenPath(umlauts, 38), umlauts);
    // Cutting never splits a character in two.
    const std::string longer = "/home/jürgen/bilder/grüße/äöü/ein-bild.npm";
    const std::string cut = ShortenPath(longer, 38);
    EXPECT_EQ(cut.substr(0, 6), "/ho...");
    EXPECT_EQ(cut.substr(cut.size() - 12), "ein-bild.npm");
}

TEST(TitleFor, MarksUnsavedDocumentsWithAnAsterisk) {
    EXPECT_EQ(TitleFor("Untitled", true), "Pixora [Untitled]");
    EXPECT_EQ(TitleFor("Untitled", false), "Pixora [Untitled*]");
    EXPECT_EQ(TitleFor("/a/very/long/folder/name/for/a/picture/file.npm", false),
              "Pixora [/a/.../folder/name/for/a/picture/file.npm*]");
}

TEST(PositionReadout, HasASignPlaceBeforeEachNumber) {
    EXPECT_EQ(PositionReadout(0, 0), " 1/ 1");
    EXPECT_EQ(PositionReadout(71, 27), " 72/ 28");
    EXPECT_EQ(PositionReadout(8, 12), " 9/ 13");
}

TEST(TwoDigits, PadsToTwoDigits) {
    EXPECT_EQ(TwoDigits(1), "01");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(12), "12");
    EXPECT_EQ(TwoDigits(123), "123");
}

TEST(PathHelpers, SplitAtTheLastSeparatorAndDot) {
    struct Case {
        const char* path;
        const char* name;
        const char* folder;
        const char* stem;
    } cases[] = {
        {"/pics/logo.npm", "logo.npm", "/pics/", "/pics/logo"},
        {"logo.npm", "", "", "logo"},
        {"/pics/logo", "logo", "/pics/", ""},
        {"/pics.old/logo", "logo", "/pics.old/", "/pics"},
        {"", "", "", ""},
        {"/", "", "/", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(WithoutExtension(c.path), c.stem) << c.path;
    }
}

}  // namespace
}  // namespace pixora
