// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTranslator>

#include "app/translations.h"
#include "core/translate.h"
#include "gui/gui_support.h"

namespace pixora::testing {
namespace {

// Takes the German translation out again, so the other tests of this process see the source
// texts they compare with.
struct GermanForThisTest {
    GermanForThisTest() {
        TestApplication();
        const QString programFolder = QFileInfo(QStringLiteral(PIXORA_EDITOR_PATH)).absolutePath();
        loaded = InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany),
                                     TranslationFolders(programFolder));
    }
    ~GermanForThisTest() {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        SetTextTranslator(nullptr);
    }
    bool loaded = false;
};

TEST(Translation, GermanLocaleGivesGermanMenusAndMessages) {
    GermanForThisTest german;
    ASSERT_TRUE(german.loaded);
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Find<QMenu>("mnuFile")->title(), "&Datei");
    EXPECT_EQ(h.Find<QAction>("mnuKeyboardCursor")->text(), "&Tastaturcursor");

    // A message the document layer composes goes through the same translation.
    h.Find<QAction>("mnuInvert")->trigger();
    h.ui.answers.push_back(AnswerNo);
    h.Find<QAction>("mnuNew")->trigger();
    ASSERT_EQ(h.ui.messages.size(), 1u);
    const std::string& text = h.ui.messages[0].text;
    EXPECT_EQ(text.rfind("Untitled", 0), 0u) << text;
    EXPECT_EQ(text.find("has not been saved"), std::string::npos) << text;
    EXPECT_NE(text.find("gespeichert"), std::string::npos) << text;
}

TEST(Translation, TheCLocaleLoadsNothing) {
    TestApplication();
    EXPECT_FALSE(
        InstallTranslations(*qApp, QLocale::c(), TranslationFolders(qApp->applicationDirPath())));
    EXPECT_EQ(TranslateText("FileCommands", "&File"), "&File");
}

}  // namespace
}  // namespace pixora::testing
