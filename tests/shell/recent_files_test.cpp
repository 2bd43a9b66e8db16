// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/recent_files.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/settings_keys.h"

namespace pixora {
namespace {

RecentFiles Opened(std::initializer_list<const char*> paths) {
    RecentFiles files;
    for (const char* path : paths) {
        AddRecentFile(files, path);
    }
    return files;
}

TEST(RecentFilesTest, ListOrderAfterOpening) {
    struct Case {
        std::initializer_list<const char*> opened;
        RecentFiles expected;
    };
    const Case cases[] = {
        {{"/a/F1", "/a/F2", "/a/F3", "/a/F4", "/a/F5"}, {"/a/F5", "/a/F4", "/a/F3", "/a/F2"}},
        {{"/a/F1", "/a/F2", "/a/F3", "/a/F4", "/a/F5", "/a/F3"},
         {"/a/F3", "/a/F5", "/a/F4", "/a/F2"}},
        {{"/a/F1", "/a/F2", "/a/F3", "/a/F4", "/a/F2"}, {"/a/F2", "/a/F4", "/a/F3", "/a/F1"}},
        {{"/a/F1", "/a/F2", "/a/F3", "/a/F4", "/a/F1"}, {"/a/F1", "/a/F4", "/a/F3", "/a/F2"}},
        {{"/a/F1", "/a/F2", "/a/F1"}, {"/a/F1", "/a/F2", "", ""}},
        {{"/a/F1", "/a/F1"}, {"/a/F1", "", "", ""}},
        {{"/a/F1", "/a/f1"}, {"/a/f1", "/a/F1", "", ""}},
        {{"/a/F1", "Untitled", ""}, {"/a/F1", "", "", ""}},
        {{"Untitled"}, {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Opened(c.opened), c.expected);
    }
}

TEST(RecentFilesTest, MenuCaptionsStopAtTheFirstGap) {
    struct Case {
        RecentFiles files;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {{"", "", "", ""}, {}},
        {{"/pics/logo.npm", "", "", ""}, {"&1 logo.npm"}},
        {{"/a/x.npm", "/b/y.ngg", "/c/z.otb", "/d/w.nol"},
         {"&1 x.npm", "&2 y.ngg", "&3 z.otb", "&4 w.nol"}},
        {{"/a/x.npm", "", "/c/z.otb", "/d/w.nol"}, {"&1 x.npm"}},
        {{"", "/b/y.ngg", "", ""}, {}},
        {{"logo.npm", "/b/", "", ""}, {"&1 ", "&2 "}},
        // A file name's own "&" is doubled so the menu shows it instead of taking it as a key.
        {{"/a/Tom & Jerry.npm", "/b/&&x&", "", ""}, {"&1 Tom && Jerry.npm", "&2 &&&&x&&"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> captions;
        for (const auto& entry : RecentMenuEntries(c.files)) {
            EXPECT_EQ(entry.path, c.files[entry.index]);
            captions.push_back(entry.caption);
        }
        EXPECT_EQ(captions, c.captions);
    }
}

TEST(RecentFilesTest, SavedListLoadsBack) {
    MemorySettingsStore store;
    const RecentFiles files{"/a/one.npm", "/b/two.npm", "", ""};
    SaveRecentFiles(store, files);
    EXPECT_EQ(store.Read(keys::Recent, "File1"), "/a/one.npm");
    EXPECT_EQ(store.Read(keys::Recent, "File2"), "/b/two.npm");
    EXPECT_EQ(LoadRecentFiles(store), files);

    MemorySettingsStore empty;
    EXPECT_EQ(LoadRecentFiles(empty), RecentFiles{});
}

}  // namespace
}  // namespace pixora
