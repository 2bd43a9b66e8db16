// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader and a keyboard-only user meet: every control has a name, the keyboard
// cursor draws without a mouse, and the own drawing stays readable on a dark palette.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "app/editor_views.h"
#include "app/frm_import_preview.h"
#include "app/frm_open_received.h"
#include "app/frm_reading.h"
#include "app/frm_received_messages.h"
#include "app/frm_send.h"
#include "app/frm_sending.h"
#include "app/pm_text_edit.h"
#include "app/raster_view.h"
#include "formats/import_fit.h"
#include "gui/gui_support.h"
#include "platform/raster_image.h"

namespace pixora::testing {
namespace {

// Controls a user reaches with the keyboard or the pointer; the parts inside a combo or spin
// box, a list or a tab bar are named by their owner.
bool Interactive(QWidget* w) {
    for (QWidget* up = w->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up) ||
            qobject_cast<QAbstractItemView*>(up) || qobject_cast<QTabBar*>(up) ||
            qobject_cast<QPlainTextEdit*>(up)) {
            return false;
        }
    }
    if (qobject_cast<QScrollBar*>(w)) {
        return false;
    }
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QAbstractSlider*>(w) || qobject_cast<QTabWidget*>(w) ||
           qobject_cast<RasterView*>(w);
}

QString AccessibleText(QWidget* w, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face != nullptr ? face->text(kind) : QString();
}

// The object names of the shown controls without an accessible name.
std::vector<std::string> Unnamed(QWidget* root) {
    std::vector<std::string> unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->isVisibleTo(root) && Interactive(w) &&
            AccessibleText(w, QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(w->objectName().toStdString() + " (" + w->metaObject()->className() +
                              ")");
        }
    }
    return unnamed;
}

double Luminance(QColor c) {
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::LinkVisited, QColor(200, 140, 255));
    return dark;
}

// The application's palette for one test, put back afterwards.
struct PaletteScope {
    explicit PaletteScope(const QPalette& p) : saved(QApplication::palette()) {
        QApplication::setPalette(p);
        // The windows hear of the new palette through the event loop.
        QApplication::processEvents();
    }
    ~PaletteScope() {
        QApplication::setPalette(saved);
        QApplication::processEvents();
    }
    QPalette saved;
};

TEST(Accessibility, EveryControlOfTheWindowAndTheDialogsHasAName) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    const Raster image(40, 20, MakeRgb(0, 0, 0));
    std::string folder;
    const std::vector<StoredPicture> stored(2);
    const struct {
        const char* form;
        std::function<QWidget*()> make;
    } forms[] = {
        {"frmEdit", [&] { return static_cast<QWidget*>(h.window.get()); }},
        {"frmOptionsDialog",
         [&] { return static_cast<QWidget*>(&h.window->Phone().OptionsDialog()); }},
        {"frmSend", [&] { return static_cast<QWidget*>(&h.window->Phone().SendDialog()); }},
        {"frmSending", [&] { return static_cast<QWidget*>(new frmSending(h.window.get())); }},
        {"frmReading", [&] { return static_cast<QWidget*>(new frmReading(h.window.get())); }},
        {"frmImportPreview",
         [&] {
             return static_cast<QWidget*>(
                 new frmImportPreview(ImportWorkingCopy(image), Raster(8, 8), 64, h.window.get()));
         }},
        {"frmOpenReceived",
         [&] { return static_cast<QWidget*>(new frmOpenReceived(h.ui, folder, h.window.get())); }},
        {"frmReceivedMessages",
         [&] { return static_cast<QWidget*>(new frmReceivedMessages(stored, h.window.get())); }},
    };
    for (const auto& f : forms) {
        QWidget* form = f.make();
        ASSERT_NE(form, nullptr) << f.form;
        EXPECT_EQ(Unnamed(form), std::vector<std::string>()) << f.form;
    }

    const struct {
        const char* widget;
        const char* name;
    } named[] = {
        {"picMain", "Picture, 72 by 28 cells"},
        {"picDisplay", "Phone display preview"},
        {"txtPMText", "Picture message text"},
        {"txtPos", "Cell position or characters left"},
    };
    for (const auto& n : named) {
        EXPECT_EQ(AccessibleText(h.Find<QWidget>(n.widget), QAccessible::Name), n.name);
    }
    EXPECT_NE(AccessibleText(h.Find<QWidget>("picMain"), QAccessible::Description).indexOf("K"),
              -1);

    // The read-out's value is the count, and it follows the typing.
    auto* text = h.Find<PMTextEdit>("txtPMText");
    auto* readout = h.Find<QLineEdit>("txtPos");
    text->setFocus();
    QTest::keyClicks(text, "abc");
    EXPECT_EQ(AccessibleText(readout, QAccessible::Value).trimmed(), "118");
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(AccessibleText(readout, QAccessible::Value).trimmed(), "119");
}

TEST(KeyboardCursor, KeysMoveSetAndClearCellsEachOneUndoStep) {
    struct Key {
        int key;
        int times;
    };
    const struct {
        const char* what;
        std::vector<Key> keys;
        bool on;
        CellPoint cursor;
        std::vector<CellPoint> set;
        size_t undoSteps;
    } cases[] = {
        {"K switches it on at the top left", {{Qt::Key_K, 1}}, true, {0, 0}, {}, 0},
        {"Space sets the cell under it",
         {{Qt::Key_K, 1}, {Qt::Key_Right, 3}, {Qt::Key_Down, 2}, {Qt::Key_Space, 1}},
         true,
         {3, 2},
         {{3, 2}},
         1},
        {"held at the top left edge",
         {{Qt::Key_K, 1}, {Qt::Key_Left, 2}, {Qt::Key_Up, 1}, {Qt::Key_Space, 1}},
         true,
         {0, 0},
         {{0, 0}},
         1},
        {"held at the bottom right edge",
         {{Qt::Key_K, 1}, {Qt::Key_Right, 80}, {Qt::Key_Down, 30}, {Qt::Key_Space, 1}},
         true,
         {71, 27},
         {{71, 27}},
         1},
        {"Backspace clears what Space set",
         {{Qt::Key_K, 1},
          {Qt::Key_Space, 1},
          {Qt::Key_Right, 1},
          {Qt::Key_Space, 1},
          {Qt::Key_Backspace, 1}},
         true,
         {1, 0},
         {{0, 0}},
         3},
        {"Esc switches it off, then arrows move the picture",
         {{Qt::Key_K, 1}, {Qt::Key_Space, 1}, {Qt::Key_Escape, 1}, {Qt::Key_Right, 1}},
         false,
         {0, 0},
         {{1, 0}},
         2},
        {"K again switches it off",
         {{Qt::Key_K, 1}, {Qt::Key_Space, 1}, {Qt::Key_K, 1}, {Qt::Key_Down, 1}},
         false,
         {0, 0},
         {{0, 1}},
         2},
    };
    for (const auto& c : cases) {
        EditorHarness h;
        ASSERT_TRUE(h.Start());
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        auto* canvas = h.Find<RasterView>("picMain");
        canvas->setFocus();
        for (const Key& k : c.keys) {
            for (int i = 0; i < k.times; ++i) {
                QTest::keyClick(canvas, static_cast<Qt::Key>(k.key));
            }
        }
        EXPECT_EQ(h.Find<QAction>("mnuKeyboardCursor")->isChecked(), c.on) << c.what;
        EXPECT_EQ(canvas->MarkedCell().has_value(), c.on) << c.what;
        if (c.on) {
            EXPECT_EQ(canvas->MarkedCell(), QPoint(c.cursor.x, c.cursor.y)) << c.what;
            EXPECT_EQ(h.Find<QLabel>("lblStatusCell")->text(),
                      QString("%1, %2").arg(c.cursor.x + 1).arg(c.cursor.y + 1))
                << c.what;
        }
        PictureGrid expected;
        for (const CellPoint& p : c.set) {
            expected.Set(p.x, p.y, 1);
        }
        EXPECT_EQ(h.window->Doc().Picture(), expected) << c.what;
        EXPECT_EQ(h.window->Doc().History().Count(), c.undoSteps) << c.what;
        EXPECT_EQ(ModifiedOf(*h.window), c.undoSteps > 0 ? 1 : 0) << c.what;
        // The phone preview shows what the keys drew.
        const Raster preview = RasterFromImage(h.Find<RasterView>("picDisplay")->grab().toImage());
        for (const CellPoint& p : c.set) {
            EXPECT_EQ(preview.Pixel(p.x + PreviewPictureLeft, p.y + PreviewPictureTop), SetColour)
                << c.what;
        }
    }
}

TEST(KeyboardCursor, KStillTypesIntoTheTextBoxAndThePendingText) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    auto* text = h.Find<PMTextEdit>("txtPMText");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_K);
    EXPECT_EQ(PictureTextOf(*h.window), "k");
    EXPECT_FALSE(h.Find<QAction>("mnuKeyboardCursor")->isChecked());

    auto* canvas = h.Find<RasterView>("picMain");
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_T);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(canvas, Qt::Key_K, Qt::ShiftModifier);
    EXPECT_FALSE(h.Find<QAction>("mnuKeyboardCursor")->isChecked());
    QTest::keyClick(canvas, Qt::Key_Return);
    EXPECT_NE(h.window->Doc().Picture(), PictureGrid());
}

TEST(KeyboardCursor, TheOutlineShowsOnSetAndClearCellsAndStartsWhereThePointerWas) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 5, 4, 1);
    auto* canvas = h.Find<RasterView>("picMain");
    h.window->picMain_MouseMove(0, 5 * CellSize + 3, 4 * CellSize + 3);
    h.Find<QAction>("mnuKeyboardCursor")->trigger();
    ASSERT_EQ(canvas->MarkedCell(), QPoint(5, 4));
    const int n = canvas->CellPixels();
    for (const QPoint cell : {QPoint(5, 4), QPoint(6, 4)}) {
        canvas->SetMarkedCell(cell);
        const Raster drawn = RasterFromImage(canvas->grab().toImage());
        const int left = n * cell.x();
        const int middle = n * cell.y() + n / 2;
        const Rgb own = drawn.Pixel(left + n / 2, middle);
        // The cell's own border pixel and the grid line beside it both differ from what an
        // unmarked cell shows there.
        EXPECT_NE(drawn.Pixel(left + 1, middle), own);
        EXPECT_NE(drawn.Pixel(left, middle), ThinGridColour);
    }
}

TEST(DarkPalette, PhoneFrontAndLinkStandOutOnTheWindowColour) {
    const struct {
        const char* palette;
        QPalette colours;
        bool dark;
    } cases[] = {
        {"light", std::unique_ptr<QStyle>(QStyleFactory::create("Fusion"))->standardPalette(),
         false},
        {"dark", DarkPalette(), true},
    };
    for (const auto& c : cases) {
        PaletteScope scope(c.colours);
        EditorHarness h;
        ASSERT_TRUE(h.Start());
        const QColor window = c.colours.color(QPalette::Window);
        EXPECT_EQ(IsDarkPalette(h.window->palette()), c.dark) << c.palette;

        const Raster preview = RasterFromImage(h.Find<RasterView>("picDisplay")->grab().toImage());
        // The corner blends into the window; the edge beside it stands out.
        EXPECT_EQ(QColor::fromRgb(preview.Pixel(0, 0)), window) << c.palette;
        const double edge = Luminance(QColor::fromRgb(preview.Pixel(PreviewWidth / 2, 0)));
        EXPECT_GT(std::abs(edge - Luminance(window)), 0.25) << c.palette;

        // Some pixel of the link's text stands out from the window around it.
        auto* link = h.Find<QLabel>("lblURL");
        const QImage drawn = link->grab().toImage();
        double strongest = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                strongest = std::max(
                    strongest, std::abs(Luminance(drawn.pixelColor(x, y)) - Luminance(window)));
            }
        }
        EXPECT_GT(strongest, 0.3) << c.palette;
        const QString style = link->styleSheet();
        if (c.dark) {
            EXPECT_NE(style.indexOf("110, 170, 255"), -1) << c.palette;
            QTest::mousePress(link, Qt::LeftButton);
            EXPECT_NE(link->styleSheet().indexOf("200, 140, 255"), -1) << c.palette;
            QTest::mouseRelease(link, Qt::LeftButton);
        } else {
            EXPECT_NE(style.indexOf("0, 0, 192"), -1) << c.palette;
        }
    }
}

TEST(DarkPalette, SwitchingWhileRunningRecoloursLinkAndPhoneFront) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 0, 0, 1);
    {
        PaletteScope scope(DarkPalette());
        EXPECT_NE(h.Find<QLabel>("lblURL")->styleSheet().indexOf("110, 170, 255"), -1);
        const Raster preview = h.window->Views().Preview();
        EXPECT_EQ(preview.Pixel(0, 0), MakeRgb(45, 45, 48));
        // The screen keeps the picture through the new front.
        EXPECT_EQ(preview.Pixel(PreviewPictureLeft, PreviewPictureTop), SetColour);
    }
    EXPECT_NE(h.Find<QLabel>("lblURL")->styleSheet().indexOf("0, 0, 192"), -1);
}

}  // namespace
}  // namespace pixora::testing
