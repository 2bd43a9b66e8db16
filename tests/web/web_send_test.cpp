// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/web_send.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/settings_keys.h"
#include "web/usage_counters.h"

namespace pixora {
namespace {

class RecordingWriter : public TempFileWriter {
public:
    bool WriteNewFile(const std::string& path, std::string_view bytes) override {
        paths.push_back(path);
        pages.emplace_back(bytes);
        return succeed;
    }
    bool succeed = true;
    std::vector<std::string> paths;
    std::vector<std::string> pages;
};

WebContext Context() {
    WebContext context;
    context.versionCode = VersionCode(1, 0, 3);
    context.keyboardCountryCode = "49";
    return context;
}

TEST(UsageCountersTest, CountsTheRightKeyAndStopsAtTheTop) {
    struct Case {
        const char* sendBefore;  // nullptr = absent
        const char* internetBefore;
        int which;
        std::string report;
    };
    const Case cases[] = {
        {nullptr, nullptr, UsageInternet, "0|1"},
        {nullptr, nullptr, UsageSms, "1|0"},
        {"2", "0", UsageInternet, "2|1"},
        {"5", "7", 1, "5|7"},  // unknown counter: nothing counts
        {"5", "7", -1, "5|7"},
        {"32766", "0", UsageSms, "32767|0"},
        {"32767", "0", UsageSms, "32767|0"},
        {"0", "99999", UsageInternet, "0|32767"},
        {"junk", "", UsageSms, "1|0"},
        {"-3", "0", UsageSms, "-2|0"},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        if (c.sendBefore)
            store.Write(keys::Editor, "StatsSend", c.sendBefore);
        if (c.internetBefore)
            store.Write(keys::Editor, "StatsInternet", c.internetBefore);
        CountUsage(store, c.which);
        EXPECT_EQ(myGetCount(store), c.report) << c.sendBefore << " " << c.which;
    }
}

TEST(UsageCountersTest, ReadOnlyStoreKeepsItsValue) {
    MemorySettingsStore store;
    store.Write(keys::Editor, "StatsSend", "4");
    store.SetWritable(false);
    CountUsage(store, UsageSms);
    EXPECT_EQ(myGetCount(store), "4|0");
}

TEST(WebSendTest, TwoSendsWriteNumberedPagesAndReportEarlierCounts) {
    MemorySettingsStore store;
    TempFileCounter counter;
    RecordingWriter writer;
    const PictureGrid picture;

    auto first = WriteWebSendPage(Context(), picture, U"Hi there!", store, "/tmp/pixora-1000",
                                  counter, writer);
    auto second =
        WriteWebSendPage(Context(), picture, U"", store, "/tmp/pixora-1000/", counter, writer);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, "/tmp/pixora-1000/PMTMP000.HTM");
    EXPECT_EQ(*second, "/tmp/pixora-1000/PMTMP001.HTM");
    EXPECT_EQ(writer.paths, (std::vector<std::string>{*first, *second}));
    EXPECT_NE(writer.pages[0].find("&stats=0%7C0&cc=49&text=Hi+there%21\""), std::string::npos);
    EXPECT_NE(writer.pages[1].find("&stats=0%7C1&cc=49\""), std::string::npos);
    EXPECT_EQ(writer.pages[1].find("text="), std::string::npos);
    EXPECT_EQ(myGetCount(store), "0|2");
}

TEST(WebSendTest, SiblingFileInBetweenTakesTheNextNumber) {
    MemorySettingsStore store;
    TempFileCounter counter;
    RecordingWriter writer;
    const PictureGrid picture;
    WriteWebSendPage(Context(), picture, U"", store, "/t", counter, writer);
    EXPECT_EQ(NextTempFile("/t", counter, TempPictureExtension), "/t/PMTMP001.NPM");
    EXPECT_EQ(WriteWebSendPage(Context(), picture, U"", store, "/t", counter, writer),
              "/t/PMTMP002.HTM");
}

TEST(WebSendTest, FailedWriteCountsNothingButUsesTheName) {
    MemorySettingsStore store;
    TempFileCounter counter;
    RecordingWriter writer;
    writer.succeed = false;
    EXPECT_EQ(WriteWebSendPage(Context(), PictureGrid(), U"x", store, "/t", counter, writer),
              std::nullopt);
    EXPECT_EQ(myGetCount(store), "0|0");
    EXPECT_EQ(counter.Peek(), 1);
}

TEST(WebSendTest, WithoutAFolderNothingIsWrittenNorCounted) {
    MemorySettingsStore store;
    TempFileCounter counter;
    RecordingWriter writer;
    // An empty folder would put the page in the current folder.
    EXPECT_EQ(WriteWebSendPage(Context(), PictureGrid(), U"x", store, "", counter, writer),
              std::nullopt);
    EXPECT_TRUE(writer.paths.empty());
    EXPECT_EQ(myGetCount(store), "0|0");
    EXPECT_EQ(counter.Peek(), 0);
}

TEST(TempFileTest, NamesHaveAtLeastThreeDigits) {
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"/tmp/p", 0, ".HTM", "/tmp/p/PMTMP000.HTM"},
        {"/tmp/p/", 7, ".NPM", "/tmp/p/PMTMP007.NPM"},
        {"/tmp/p", 99, ".HTM", "/tmp/p/PMTMP099.HTM"},
        {"/tmp/p", 999, ".HTM", "/tmp/p/PMTMP999.HTM"},
        {"/tmp/p", 1000, ".NPM", "/tmp/p/PMTMP1000.NPM"},
        {"/tmp/p", 32767, ".HTM", "/tmp/p/PMTMP32767.HTM"},
    };
    for (const auto& [folder, number, extension, name] : cases) {
        EXPECT_EQ(TempFileName(folder, number, extension), name);
    }
}

TEST(TempFileTest, CounterStartsAgainAfterTheTop) {
    TempFileCounter counter;
    for (int expected = 0; expected <= 32767; ++expected) {
        ASSERT_EQ(counter.Take(), expected);
    }
    EXPECT_EQ(counter.Take(), 0);
    EXPECT_EQ(counter.Take(), 1);
}

TEST(TempFileTest, RecognisesOnlyItsOwnNames) {
    const std::pair<const char*, bool> cases[] = {
        {"PMTMP000.HTM", true},  {"PMTMP1234.NPM", true},
        {"PMTMP000.htm", false}, {"pmtmp000.HTM", false},
        {"PMTMP.HTM", false},    {"PMTMP00.HTM", false},
        {"PMTMP0a0.HTM", false}, {"PMTMP000.NPM.x", false},
        {"GGTMP000.NPM", false}, {"", false},
        {"PMTMP000.BMP", false},
    };
    for (const auto& [name, ours] : cases) {
        EXPECT_EQ(IsTempFileName(name), ours) << name;
    }
}

}  // namespace
}  // namespace pixora
