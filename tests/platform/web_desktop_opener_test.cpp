// SPDX-License-Identifier: GPL-2.0-or-later
// The desktop opener with QDesktopServices' own hook standing in for the desktop: every URL the
// real implementation hands to Qt is recorded instead of starting a browser.
#include "platform/web_desktop_opener.h"
#include "platform/test_application.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGuiApplication>
#include <QObject>
#include <QUrl>
#include <string>
#include <vector>

namespace pixora {
namespace {}  // namespace

// Receives what QDesktopServices would have given the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const char* scheme : {"file", "http", "https"}) {
            QDesktopServices::setUrlHandler(scheme, this, "Record");
        }
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"file", "http", "https"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    std::vector<QUrl> urls;

public slots:
    void Record(const QUrl& url) { urls.push_back(url); }
};

namespace {

TEST(DesktopOpenerTest, DocumentsGoAsLocalFileUrls) {
    testing::EnsureTestApplication();
    struct Case {
        std::string path;
        bool opened;
        QString localFile;  // what the desktop is asked to open
    };
    const Case cases[] = {
        {"/tmp/pixora-0/PMTMP000.HTM", true, "/tmp/pixora-0/PMTMP000.HTM"},
        {"/tmp/a folder/Grüße #1?.HTM", true, "/tmp/a folder/Grüße #1?.HTM"},
        {"/tmp/100%.HTM", true, "/tmp/100%.HTM"},
        {"PMTMP000.HTM", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        UrlRecorder recorder;
        QtDesktopOpener opener;
        EXPECT_EQ(opener.OpenDocument(c.path), c.opened) << c.path;
        if (c.opened) {
            ASSERT_EQ(recorder.urls.size(), 1u) << c.path;
            EXPECT_EQ(recorder.urls[0].scheme(), "file");
            EXPECT_EQ(recorder.urls[0].toLocalFile(), c.localFile) << c.path;
        } else {
            EXPECT_TRUE(recorder.urls.empty()) << c.path;
        }
    }
}

TEST(DesktopOpenerTest, AddressesArriveAsBuilt) {
    testing::EnsureTestApplication();
    struct Case {
        std::string url;
        bool opened;
    };
    const Case cases[] = {
        {"http://skyrelay.brellow.example/wireless/"
         "update.phtml?app=kdx&ver=0100003&stats=2%7C1&cc=49",
         true},
        {"http://skyrelay.brellow.example/wireless/sendsms.phtml?app=kdx&ver=0100003&mode=blink"
         "&media=a%22b%3Cc%26d%20e",
         true},
        {"http://skyrelay.brellow.example/wireless/index.phtml?media=abc", true},
        {"http://skyrelay.brellow.example/wireless/faq.phtml", true},
        {"", false},
        {"not an address", false},
        {"http://bad host/", false},
    };
    for (const Case& c : cases) {
        UrlRecorder recorder;
        QtDesktopOpener opener;
        EXPECT_EQ(opener.OpenAddress(c.url), c.opened) << c.url;
        if (c.opened) {
            ASSERT_EQ(recorder.urls.size(), 1u) << c.url;
            EXPECT_EQ(recorder.urls[0].toEncoded().toStdString(), c.url);
        } else {
            EXPECT_TRUE(recorder.urls.empty()) << c.url;
        }
    }
}

}  // namespace
}  // namespace pixora

#include "web_desktop_opener_test.moc"
