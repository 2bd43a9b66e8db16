// SPDX-License-Identifier: GPL-2.0-or-later
// The picture-message text box: text from an input method obeys the rules of typed text, and its
// undo keys and context menu act on the text, while the picture keeps its own keys.

#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "app/pm_text_edit.h"
#include "gui/gui_support.h"

namespace pixora::testing {
namespace {

TEST(TextBoxInputMethod, CommitStringsAreFilteredAndHeldToTheLimit) {
    const QString full(121, 'a');
    struct Case {
        const char* what;
        QString before;
        QString preedit;
        QString commit;
        int replaceFrom;  // relative to the cursor, which stands at the end
        int replaceLength;
        QString after;
    } cases[] = {
        {"allowed", "", "", QString::fromUtf8("Ä€ ok"), 0, 0, QString::fromUtf8("Ä€ ok")},
        {"disallowed dropped", "x", "", QString::fromUtf8("[a]\n{b}|^"), 0, 0, "xab"},
        {"cut at the limit", QString(119, 'a'), "", "xyz", 0, 0, QString(119, 'a') + "xy"},
        {"nothing when full", full, "", "x", 0, 0, full},
        {"composing is no text yet", "ab", QString::fromUtf8("´"), "", 0, 0, "ab"},
        {"dead key replaces its accent", "ab'", "", QString::fromUtf8("é"), -1, 1,
         QString::fromUtf8("abé")},
        {"a replacement makes room", full, "", QString::fromUtf8("é"), -1, 1,
         QString(120, 'a') + QString::fromUtf8("é")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorHarness h;
        ASSERT_TRUE(h.Start());
        auto* box = h.Find<QPlainTextEdit>("txtPMText");
        SetPictureText(*h.window, c.before);
        box->moveCursor(QTextCursor::End);
        QInputMethodEvent event(c.preedit, {});
        event.setCommitString(c.commit, c.replaceFrom, c.replaceLength);
        QApplication::sendEvent(box, &event);
        EXPECT_EQ(box->toPlainText(), c.after);
        // What is shown is what is saved and sent, and the read-out never goes below nothing.
        EXPECT_EQ(PictureTextOf(*h.window), c.after);
        const int left = h.Find<QLineEdit>("txtPos")->text().trimmed().toInt();
        EXPECT_EQ(left, 121 - static_cast<int>(c.after.toStdU32String().size()));
        EXPECT_EQ(ModifiedOf(*h.window), c.after != c.before ? 1 : 0);
    }
}

TEST(TextBoxKeys, UndoKeysUndoTheTypingAndTheOtherKeysStayWithThePicture) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    auto* box = h.Find<QPlainTextEdit>("txtPMText");
    box->setFocus();
    // The picture has a step to undo, so a key that reached the picture's undo would show.
    SetCell(*h.window, 0, 0, 1);
    h.Find<QAction>("mnuFlipY")->trigger();
    const PictureGrid flipped = h.window->Doc().Picture();
    ASSERT_TRUE(flipped.IsSet(0, 27));
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText(), "");
    EXPECT_EQ(PictureTextOf(*h.window), "");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(box->toPlainText(), "abc");
    EXPECT_EQ(h.window->Doc().Picture(), flipped);

    // Ctrl+Y is Flip Vertical wherever the focus is; the Edit menu's undo is the picture's.
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(0, 0));
    EXPECT_EQ(box->toPlainText(), "abc");
    h.Find<QAction>("mnuUndo")->trigger();
    EXPECT_EQ(h.window->Doc().Picture(), flipped);
    EXPECT_EQ(box->toPlainText(), "abc");
}

// Every key the context menu shows beside an entry does in the box what the entry does, and the
// keys the picture owns are shown nowhere.
TEST(TextBoxKeys, TheContextMenuShowsOnlyKeysThatDoItsCommands) {
    auto state = [](EditorHarness& h) {
        auto* box = h.Find<QPlainTextEdit>("txtPMText");
        return std::make_tuple(box->toPlainText(), box->textCursor().selectedText(),
                               h.window->Doc().Picture());
    };
    // Two steps of typing, the second one undone, and a picture step: undo, redo and select-all
    // all have work, and a key that reached the picture would show.
    auto prepare = [](EditorHarness& h) {
        EXPECT_TRUE(h.Start());
        EXPECT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        auto* box = static_cast<PMTextEdit*>(h.Find<QPlainTextEdit>("txtPMText"));
        box->setFocus();
        h.Find<QAction>("mnuInvert")->trigger();
        QTest::keyClicks(box, "abc");
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClicks(box, "d");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        return box;
    };
    EditorHarness probe;
    std::unique_ptr<QMenu> menu(prepare(probe)->CreateContextMenu(nullptr));
    int shown = 0;
    for (int i = 0; i < menu->actions().size(); ++i) {
        const QKeySequence keys = menu->actions()[i]->shortcut();
        const QString caption = menu->actions()[i]->text();
        if (keys.isEmpty()) {
            continue;
        }
        ++shown;
        SCOPED_TRACE(caption.toStdString() + " " + keys.toString().toStdString());
        for (const char* pictureKey : {"Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Y", "Ctrl+I"}) {
            EXPECT_NE(keys, QKeySequence(pictureKey));
        }
        EditorHarness byMenu;
        std::unique_ptr<QMenu> own(prepare(byMenu)->CreateContextMenu(nullptr));
        own->actions()[i]->trigger();
        EditorHarness byKey;
        QTest::keyClick(prepare(byKey), keys[0].key(), keys[0].keyboardModifiers());
        EXPECT_EQ(state(byKey), state(byMenu));
        EXPECT_NE(state(byKey), state(probe));
    }
    EXPECT_EQ(shown, 3);  // undo, redo, select all
}

}  // namespace
}  // namespace pixora::testing
