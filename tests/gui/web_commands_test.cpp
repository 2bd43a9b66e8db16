// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <fstream>

#include "gui/gui_support.h"
#include "web/region.h"

namespace pixora::testing {
namespace {

const std::string Host = std::string("http://") + WebServiceHost;

std::function<void(EditorServices&)> Region(bool offered, const char* code) {
    return [offered, code](EditorServices& s) {
        s.regionCheck = [offered, code] { return RegionResult{offered, code}; };
    };
}

bool WebCommandsShown(EditorHarness& h) {
    const bool shown = h.Find<QAction>("mnuInternet")->isVisible();
    EXPECT_EQ(h.Find<QAction>("Toolbar1_Internet")->isVisible(), shown);
    EXPECT_EQ(h.Find<QAction>("mnuOtherSep")->isVisible(), shown);
    EXPECT_EQ(h.Find<QMenu>("mnuOtherSend")->menuAction()->isVisible(), shown);
    return shown;
}

TEST(WebCommands, TheRegionDecidesWhetherTheyAreOffered) {
    EditorHarness hidden(nullptr, Region(false, "1"));
    ASSERT_TRUE(hidden.Start());
    EXPECT_FALSE(WebCommandsShown(hidden));
    EXPECT_EQ(hidden.window->Phone().KeyboardCountryCode(), "1");
    EditorHarness shown(nullptr, Region(true, "41"));
    ASSERT_TRUE(shown.Start());
    EXPECT_TRUE(WebCommandsShown(shown));
    EXPECT_EQ(shown.window->Web().Context().keyboardCountryCode, "41");
}

TEST(WebCommands, WebSendWritesNumberedPagesAndCountsEachSend) {
    EditorHarness h(nullptr, Region(true, "49"));
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 0, 0, 1);
    SetPictureText(*h.window, "Hi there!");
    h.Find<QAction>("mnuInternet")->trigger();
    h.Find<QAction>("Toolbar1_Internet")->trigger();
    ASSERT_EQ(h.openedDocuments.size(), 2u);
    EXPECT_EQ(h.openedDocuments[0], "/tmp/pixora-test/PMTMP000.HTM");
    EXPECT_EQ(h.openedDocuments[1], "/tmp/pixora-test/PMTMP001.HTM");
    const std::string& first = h.tempWriter.files[h.openedDocuments[0]];
    const std::string& second = h.tempWriter.files[h.openedDocuments[1]];
    const std::string address = Host + "/wireless/sendsms.phtml?data=00481C0180";
    EXPECT_NE(first.find(address), std::string::npos);
    EXPECT_NE(first.find("&mode=send&app=kdx&ver=0100000&stats=0%7C0&cc=49&text=Hi+there%21"),
              std::string::npos);
    EXPECT_NE(second.find("&stats=0%7C1&cc=49"), std::string::npos);
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "StatsInternet"), "2");
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "CurrentBusy").has_value());
}

// A page never lands in the current folder.
TEST(WebCommands, WithoutATemporaryFolderNothingIsWrittenAndTheUserIsTold) {
    EditorHarness h;
    h.tempFolder.clear();
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 0, 0, 1);
    h.Find<QAction>("mnuInternet")->trigger();
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].text, NoTempFolderText);
    EXPECT_TRUE(h.tempWriter.files.empty());
    EXPECT_TRUE(h.openedDocuments.empty());
    EXPECT_EQ(h.settings->Read("Zorvet Settings", "StatsInternet"), std::nullopt);
    // Once there is a folder again, the next send uses it.
    h.tempFolder = "/tmp/pixora-test/";
    h.Find<QAction>("mnuInternet")->trigger();
    EXPECT_EQ(h.openedDocuments, std::vector<std::string>{"/tmp/pixora-test/PMTMP000.HTM"});
}

TEST(WebCommands, AnEmptyPictureAsksAndNoWritesNothing) {
    EditorHarness h(nullptr, Region(true, "49"));
    ASSERT_TRUE(h.Start());
    h.ui.answers = {AnswerNo};
    h.window->mnuInternet_Click();
    EXPECT_EQ(h.ui.messages.size(), 1u);
    EXPECT_TRUE(h.tempWriter.files.empty());
    EXPECT_TRUE(h.openedDocuments.empty());
    EXPECT_FALSE(h.settings->Read("Zorvet Settings", "StatsInternet").has_value());
}

TEST(WebCommands, OtherModesAndLinksOpenTheirAddresses) {
    EditorHarness h(nullptr, Region(true, ""));
    ASSERT_TRUE(h.Start());
    QMenu* other = h.Find<QMenu>("mnuOtherSend");
    other->actions()[1]->trigger();
    h.Find<QAction>("mnuOtherPartner")->trigger();
    h.window->mnuOther_Click(OtherSend{5});
    EXPECT_EQ(h.ui.beeps, 1);
    h.Find<QAction>("mnuHelpFAQ")->trigger();
    h.settings->Write("Zorvet Settings", "StatsSend", "2");
    h.settings->Write("Zorvet Settings", "StatsInternet", "1");
    h.Find<QAction>("mnuHelpUpdates")->trigger();
    const std::vector<std::string> expected = {
        Host + "/wireless/sendsms.phtml?app=kdx&ver=0100000&mode=blink",
        Host + "/wireless/sendsms.phtml?app=kdx&ver=0100000&mode=partner",
        Host + "/wireless/faq.phtml",
        Host + "/wireless/update.phtml?app=kdx&ver=0100000&stats=2%7C1&cc=",
    };
    EXPECT_EQ(h.openedAddresses, expected);

    auto* link = h.Find<QLabel>("lblURL");
    EXPECT_EQ(link->text().toStdString(), WebServiceHost);
    QTest::mousePress(link, Qt::LeftButton);
    EXPECT_NE(link->styleSheet().indexOf("192, 0, 0"), -1);
    QTest::mouseRelease(link, Qt::LeftButton);
    EXPECT_NE(link->styleSheet().indexOf("0, 0, 192"), -1);
    EXPECT_EQ(h.openedAddresses.back(), Host + "/wireless/index.phtml");

    h.Find<QAction>("mnuHelpInformation")->trigger();
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(h.ui.messages[0].text.substr(0, 27), "All important objects of th");
}

struct BrandingCase {
    const char* file;
    bool region;
    bool smsShown;
    bool webShown;
    const char* media;
};

TEST(Branding, SwitchesCommandsAndTagsAddresses) {
    const BrandingCase cases[] = {
        {"[Branding]\r\nSendViaSMS=no\r\nMedia= abc \r\n", false, false, false, "abc"},
        {"[branding]\nSENDVIAINTERNET=YES\n", false, true, true, ""},
        {"[Branding]\nSendViaInternet=NO\n", true, true, false, ""},
        {"[Other]\nSendViaSMS=NO\n", true, true, true, ""},
        {"\x00\xff\x13[Branding\x01garbage", true, true, true, ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        std::ofstream(folder + "KALDRIX.INI", std::ios::binary) << c.file;
        EditorHarness h(nullptr, [&](EditorServices& s) {
            Region(c.region, "49")(s);
            s.programPath = folder + "pixora";
        });
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.Find<QAction>("mnuSend")->isVisible(), c.smsShown) << c.file;
        EXPECT_EQ(h.Find<QAction>("Toolbar1_Send")->isVisible(), c.smsShown) << c.file;
        EXPECT_EQ(WebCommandsShown(h), c.webShown) << c.file;
        EXPECT_EQ(h.window->Web().Context().media, c.media) << c.file;
        if (!c.smsShown) {
            QTabWidget* tabs =
                h.window->Phone().OptionsDialog().findChild<QTabWidget*>("TabStrip1");
            ASSERT_EQ(tabs->count(), 1);
            EXPECT_EQ(tabs->tabText(0), "Warnings");
        }
        if (std::string(c.media) == "abc") {
            h.window->mnuOther_Click(OtherSend::Flash);
            h.window->Web().lblURL_Click();
            EXPECT_EQ(h.openedAddresses[0],
                      Host + "/wireless/sendsms.phtml?app=kdx&ver=0100000&mode=flash&media=abc");
            EXPECT_EQ(h.openedAddresses[1], Host + "/wireless/index.phtml?media=abc");
        }
    }
}

TEST(Branding, APictureIsShownOnlyWhenItDecodes) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    std::ofstream(folder + "KALDRIX.INI") << "[Branding]\nBackgroundPic=logo.gif\n"
                                             "BackgroundPicX=12\nBackgroundPicY=34\n";
    std::ofstream(folder + "logo.gif") << "GIF89a";
    for (bool decodes : {false, true}) {
        EditorHarness h(nullptr, [&](EditorServices& s) {
            s.programPath = folder + "pixora";
            s.loadImage = [decodes](const std::string&) -> std::optional<Raster> {
                if (!decodes) {
                    return std::nullopt;
                }
                return Raster(40, 20, MakeRgb(10, 20, 30));
            };
        });
        ASSERT_TRUE(h.Start());
        auto* picture = h.Find<QLabel>("picBranding");
        EXPECT_EQ(picture->isVisibleTo(h.window.get()), decodes);
        if (decodes) {
            EXPECT_EQ(picture->pos(), QPoint(12, 34));
        }
    }
}

}  // namespace
}  // namespace pixora::testing
