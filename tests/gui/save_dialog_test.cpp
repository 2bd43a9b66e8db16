// SPDX-License-Identifier: GPL-2.0-or-later
// The real save dialog: a name typed without an extension takes the one of the filter the user
// picked, so Export's "Wireless Bitmap" gives a .wbmp file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "formats/file_names.h"
#include "formats/save_dispatch.h"
#include "gui_support.h"
#include "platform/qt_user_interface.h"

namespace pixora {
namespace {

TEST(SaveDialog, ANameWithoutExtensionTakesThePickedFiltersExtension) {
    testing::TestApplication();
    struct Case {
        int filterIndex;  // given to the dialog
        int picked;       // the filter the user then picks, 0-based; -1: none
        const char* typed;
        const char* saved;
    } cases[] = {
        {1, -1, "pic", "pic.bmp"}, {1, 1, "pic", "pic.wbmp"},    {2, -1, "pic", "pic.wbmp"},
        {2, 0, "pic", "pic.bmp"},  {1, 1, "pic.wbm", "pic.wbm"}, {1, 1, "pic.bmp", "pic.bmp"},
        {1, 5, "pic", "pic.ngg"},  {4, -1, "pic", "pic.otb"},    {1, 2, "pic", "pic.bmp"},
    };
    QTemporaryDir dir;
    QtUserInterface ui;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " under filter " + std::to_string(c.picked));
        // Plays the user once the dialog is up.
        QTimer user;
        user.setInterval(10);
        QObject::connect(&user, &QTimer::timeout, [&c, &user] {
            QFileDialog* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<QFileDialog*>(w); d != nullptr && d->isVisible()) {
                    dialog = d;
                }
            }
            if (dialog == nullptr) {
                return;
            }
            user.stop();
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (c.picked >= 0 && types != nullptr) {
                types->setCurrentIndex(c.picked);
                // What a click in the list sends.
                emit types->activated(c.picked);
                emit types->textActivated(types->itemText(c.picked));
            }
            if (name != nullptr) {
                name->setText(c.typed);
            }
            QMetaObject::invokeMethod(dialog, "accept");
        });
        user.start();
        int chosen = 0;
        const std::string path = ui.SaveFile("", ExportDialogFilter(), c.filterIndex,
                                             dir.path().toStdString(), ExportExtension, &chosen);
        EXPECT_EQ(path, dir.filePath(c.saved).toStdString());
        // The filter left selected, which tells the two ".bmp" formats apart.
        EXPECT_EQ(chosen, c.picked >= 0 ? c.picked + 1 : c.filterIndex);
    }
}

}  // namespace
}  // namespace pixora
