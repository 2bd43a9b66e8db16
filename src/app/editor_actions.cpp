// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/editor_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace pixora {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = QKeySequence()) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Shortcuts act on the picture wherever the focus is inside the window.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

QMenu* AddMenu(QMenuBar* bar, QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Action");
    return menu;
}

QAction* Separator(QMenu* menu, const char* name = nullptr) {
    QAction* s = menu->addSeparator();
    if (name != nullptr) {
        s->setObjectName(name);
    }
    return s;
}

void BuildMenus(QMenuBar* bar, EditorActions& a) {
    QMenu* file = AddMenu(bar, nullptr, "mnuFile", QCoreApplication::translate("frmEdit", "&File"));
    a.mnuNew = AddItem(file, "mnuNew", QCoreApplication::translate("frmEdit", "&New"),
                       QKeySequence("Ctrl+N"));
    Separator(file);
    a.mnuOpen = AddItem(file, "mnuOpen", QCoreApplication::translate("frmEdit", "&Open..."),
                        QKeySequence("Ctrl+O"));
    a.mnuOpenReceived =
        AddItem(file, "mnuOpenReceived",
                QCoreApplication::translate("frmEdit", "Open &Received Message..."));
    a.mnuReadMessages =
        AddItem(file, "mnuReadMessages",
                QCoreApplication::translate("frmEdit", "Read &Messages from Phone..."));
    a.mnuSave = AddItem(file, "mnuSave", QCoreApplication::translate("frmEdit", "&Save"),
                        QKeySequence("Ctrl+S"));
    a.mnuSaveAs = AddItem(file, "mnuSaveAs", QCoreApplication::translate("frmEdit", "Save &As..."));
    Separator(file);
    a.mnuSend = AddItem(file, "mnuSend", QCoreApplication::translate("frmEdit", "Sen&d as SMS..."),
                        QKeySequence("Ctrl+D"));
    a.mnuInternet =
        AddItem(file, "mnuInternet", QCoreApplication::translate("frmEdit", "Send via In&ternet"),
                QKeySequence("Ctrl+T"));
    Separator(file);
    a.mnuImport = AddItem(file, "mnuImport",
                          QCoreApplication::translate("frmEdit", "Im&port BMP, GIF, JPG..."),
                          QKeySequence("Ctrl+P"));
    a.mnuImportPreview = AddItem(file, "mnuImportPreview",
                                 QCoreApplication::translate("frmEdit", "Import with Pre&view..."),
                                 QKeySequence("Ctrl+Shift+P"));
    a.mnuExport =
        AddItem(file, "mnuExport", QCoreApplication::translate("frmEdit", "&Export BMP, WBMP..."),
                QKeySequence("Ctrl+E"));
    a.mnuRecentSep = Separator(file, "mnuRecentSep");
    a.mnuRecentSep->setVisible(false);
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = "mnuRecent" + QByteArray::number(i);
        QAction* recent = AddItem(file, name.constData(), QString("&%1 ").arg(i));
        recent->setVisible(false);
        a.mnuRecent[static_cast<size_t>(i - 1)] = recent;
    }
    Separator(file);
    a.mnuExit = AddItem(file, "mnuExit", QCoreApplication::translate("frmEdit", "E&xit"));

    QMenu* edit = AddMenu(bar, nullptr, "mnuEdit", QCoreApplication::translate("frmEdit", "&Edit"));
    a.mnuEdit = edit;
    a.mnuUndo = AddItem(edit, "mnuUndo", QCoreApplication::translate("frmEdit", "&Undo"),
                        QKeySequence("Ctrl+Z"));
    a.mnuRedo = AddItem(edit, "mnuRedo", QCoreApplication::translate("frmEdit", "&Redo"),
                        QKeySequence("Ctrl+Shift+Z"));
    a.mnuUndo->setEnabled(false);
    a.mnuRedo->setEnabled(false);
    Separator(edit);
    QMenu* move = AddMenu(bar, edit, "mnuMove", QCoreApplication::translate("frmEdit", "&Move"));
    a.mnuMoveUp = AddItem(move, "mnuMoveUp", QCoreApplication::translate("frmEdit", "&Up"));
    a.mnuMoveDown = AddItem(move, "mnuMoveDown", QCoreApplication::translate("frmEdit", "&Down"));
    a.mnuMoveLeft = AddItem(move, "mnuMoveLeft", QCoreApplication::translate("frmEdit", "&Left"));
    a.mnuMoveRight =
        AddItem(move, "mnuMoveRight", QCoreApplication::translate("frmEdit", "&Right"));
    a.mnuInvert = AddItem(edit, "mnuInvert", QCoreApplication::translate("frmEdit", "&Invert"),
                          QKeySequence("Ctrl+I"));
    a.mnuFlipX =
        AddItem(edit, "mnuFlipX", QCoreApplication::translate("frmEdit", "Flip &Horizontal"),
                QKeySequence("Ctrl+X"));
    a.mnuFlipY = AddItem(edit, "mnuFlipY", QCoreApplication::translate("frmEdit", "Flip &Vertical"),
                         QKeySequence("Ctrl+Y"));
    Separator(edit);
    a.mnuCopy = AddItem(edit, "mnuCopy", QCoreApplication::translate("frmEdit", "&Copy"),
                        QKeySequence("Ctrl+C"));
    a.mnuPaste = AddItem(edit, "mnuPaste", QCoreApplication::translate("frmEdit", "&Paste"),
                         QKeySequence("Ctrl+V"));
    a.mnuMonitor =
        AddItem(edit, "mnuMonitor", QCoreApplication::translate("frmEdit", "Mo&nitor Clipboard"),
                QKeySequence("Ctrl+M"));
    a.mnuMonitor->setCheckable(true);
    Separator(edit);
    a.mnuOptions =
        AddItem(edit, "mnuOptions", QCoreApplication::translate("frmEdit", "&Options..."));

    QMenu* view = AddMenu(bar, nullptr, "mnuView", QCoreApplication::translate("frmEdit", "&View"));
    a.mnuView = view;
    a.mnuZoomIn = AddItem(view, "mnuZoomIn", QCoreApplication::translate("frmEdit", "Zoom &In"),
                          QKeySequence("Ctrl++"));
    // Ctrl+= is Ctrl++ without Shift on most layouts.
    a.mnuZoomIn->setShortcuts({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
    a.mnuZoomOut = AddItem(view, "mnuZoomOut", QCoreApplication::translate("frmEdit", "Zoom &Out"),
                           QKeySequence("Ctrl+-"));
    a.mnuZoomReset =
        AddItem(view, "mnuZoomReset", QCoreApplication::translate("frmEdit", "&Actual Size"),
                QKeySequence("Ctrl+0"));
    a.mnuZoomFit =
        AddItem(view, "mnuZoomFit", QCoreApplication::translate("frmEdit", "&Fit to Window"),
                QKeySequence("Ctrl+9"));
    a.mnuZoomFit->setCheckable(true);
    a.mnuZoomFit->setChecked(true);
    Separator(view);
    a.mnuGrid = AddItem(view, "mnuGrid", QCoreApplication::translate("frmEdit", "&Grid"));
    a.mnuGrid->setCheckable(true);
    a.mnuGrid->setChecked(true);
    a.mnuKeyboardCursor = AddItem(view, "mnuKeyboardCursor",
                                  QCoreApplication::translate("frmEdit", "&Keyboard Cursor"));
    a.mnuKeyboardCursor->setCheckable(true);
    // A plain letter: only on the canvas, so K still types into the text box.
    a.mnuKeyboardCursor->setShortcut(QKeySequence(Qt::Key_K));
    a.mnuKeyboardCursor->setShortcutContext(Qt::WidgetShortcut);

    QMenu* tools =
        AddMenu(bar, nullptr, "mnuTools", QCoreApplication::translate("frmEdit", "T&ools"));
    a.mnuTools = tools;
    a.toolGroup = new QActionGroup(tools);
    a.toolGroup->setExclusive(true);
    struct ToolItem {
        const char* name;
        const char* caption;
        const char* key;
        QAction** action;
    };
    const ToolItem toolItems[] = {
        {"mnuToolPencil", QT_TRANSLATE_NOOP("frmEdit", "&Pencil"), "B", &a.mnuToolPencil},
        {"mnuToolLine", QT_TRANSLATE_NOOP("frmEdit", "&Line"), "L", &a.mnuToolLine},
        {"mnuToolRectangle", QT_TRANSLATE_NOOP("frmEdit", "&Rectangle"), "R", &a.mnuToolRectangle},
        {"mnuToolFilledRectangle", QT_TRANSLATE_NOOP("frmEdit", "F&illed Rectangle"), "Shift+R",
         &a.mnuToolFilledRectangle},
        {"mnuToolEllipse", QT_TRANSLATE_NOOP("frmEdit", "&Ellipse"), "E", &a.mnuToolEllipse},
        {"mnuToolFilledEllipse", QT_TRANSLATE_NOOP("frmEdit", "Filled Elli&pse"), "Shift+E",
         &a.mnuToolFilledEllipse},
        {"mnuToolFill", QT_TRANSLATE_NOOP("frmEdit", "&Fill"), "F", &a.mnuToolFill},
        {"mnuToolText", QT_TRANSLATE_NOOP("frmEdit", "&Text"), "T", &a.mnuToolText},
    };
    for (const ToolItem& t : toolItems) {
        QAction* action = tools->addAction(QCoreApplication::translate("frmEdit", t.caption));
        action->setObjectName(t.name);
        action->setCheckable(true);
        // A plain letter must not be taken from the text box: it counts only on the canvas.
        action->setShortcut(QKeySequence(t.key));
        action->setShortcutContext(Qt::WidgetShortcut);
        a.toolGroup->addAction(action);
        *t.action = action;
    }
    a.mnuToolPencil->setChecked(true);
    Separator(tools);
    a.mnuTextFont =
        AddMenu(bar, tools, "mnuTextFont", QCoreApplication::translate("frmEdit", "Text &Font"));
    a.fontGroup = new QActionGroup(a.mnuTextFont);
    a.fontGroup->setExclusive(true);
    const std::pair<const char*, const char*> fonts[] = {
        {"mnuFontTiny", QT_TRANSLATE_NOOP("frmEdit", "&Tiny (4 x 6)")},
        {"mnuFontNormal", QT_TRANSLATE_NOOP("frmEdit", "&Normal (5 x 7)")},
        {"mnuFontBold", QT_TRANSLATE_NOOP("frmEdit", "&Bold (6 x 8)")},
    };
    for (const auto& [name, caption] : fonts) {
        QAction* action =
            AddItem(a.mnuTextFont, name, QCoreApplication::translate("frmEdit", caption));
        action->setCheckable(true);
        a.fontGroup->addAction(action);
    }
    a.mnuFontTiny = a.fontGroup->actions()[0];
    a.mnuFontNormal = a.fontGroup->actions()[1];
    a.mnuFontBold = a.fontGroup->actions()[2];
    a.mnuFontNormal->setChecked(true);

    QMenu* extras =
        AddMenu(bar, nullptr, "mnuExtras", QCoreApplication::translate("frmEdit", "Ex&tras"));
    a.mnuSendNGG = AddItem(extras, "mnuSendNGG",
                           QCoreApplication::translate("frmEdit", "Send to &Tamsel Editor"));
    a.mnuSendNOL = AddItem(extras, "mnuSendNOL",
                           QCoreApplication::translate("frmEdit", "Send to &Vornik Uploader"));
    for (int i = 0; i < 2; ++i) {
        const QByteArray name = "mnuSendToAdd" + QByteArray::number(i + 1);
        QAction* item = AddItem(extras, name.constData(),
                                QCoreApplication::translate("frmEdit", "Send to ..."));
        item->setVisible(false);
        item->setEnabled(false);
        a.mnuSendToAdd[static_cast<size_t>(i)] = item;
    }
    a.mnuOtherSep = Separator(extras, "mnuOtherSep");
    QMenu* other = AddMenu(bar, extras, "mnuOtherSend",
                           QCoreApplication::translate("frmEdit", "Send other SMS via Internet"));
    a.mnuOtherSend = other;
    const char* otherCaptions[] = {QT_TRANSLATE_NOOP("frmEdit", "Flash SMS (160 chars)"),
                                   QT_TRANSLATE_NOOP("frmEdit", "Blink SMS (70 chars)"),
                                   QT_TRANSLATE_NOOP("frmEdit", "Extralarge SMS (459 chars)"),
                                   QT_TRANSLATE_NOOP("frmEdit", "Special SMS (\"SMS Virus\")")};
    for (int i = 0; i < 4; ++i) {
        QAction* entry =
            AddItem(other, "mnuOther", QCoreApplication::translate("frmEdit", otherCaptions[i]));
        entry->setProperty("index", i);
        a.mnuOther[static_cast<size_t>(i)] = entry;
    }
    // The partner page is a web command too, so it lives in the submenu and hides with it.
    Separator(other, "mnuSep20");
    a.mnuOtherPartner =
        AddItem(other, "mnuOtherPartner",
                QCoreApplication::translate("frmEdit", "Partnerprogram for Webmasters"));

    QMenu* help = AddMenu(bar, nullptr, "mnuHelp", QCoreApplication::translate("frmEdit", "&Help"));
    a.mnuHelpInformation =
        AddItem(help, "mnuHelpInformation", QCoreApplication::translate("frmEdit", "&Information"));
    Separator(help);
    a.mnuHelpFAQ =
        AddItem(help, "mnuHelpFAQ", QCoreApplication::translate("frmEdit", "&Help on Website"));
    a.mnuNewsletter =
        AddItem(help, "mnuNewsletter", QCoreApplication::translate("frmEdit", "&Free Newsletter"));
    a.mnuHelpSamples = AddItem(help, "mnuHelpSamples",
                               QCoreApplication::translate("frmEdit", "&Download Samples"));
    a.mnuHelpUpdates = AddItem(help, "mnuHelpUpdates",
                               QCoreApplication::translate("frmEdit", "&Check for Updates"));
    Separator(help);
    a.mnuAbout = AddItem(help, "mnuAbout", QCoreApplication::translate("frmEdit", "&About"));

    a.mnuMonitoring =
        bar->addAction(QCoreApplication::translate("frmEdit", "Monitoring clipboard"));
    a.mnuMonitoring->setObjectName("mnuMonitoring");
    a.mnuMonitoring->setVisible(false);
}

void BuildToolbar(QMainWindow& window, EditorActions& a) {
    a.Toolbar1 = window.addToolBar(QCoreApplication::translate("frmEdit", "Toolbar"));
    a.Toolbar1->setObjectName("Toolbar1");
    a.Toolbar1->setMovable(false);
    a.Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
        QAction* menuItem;
        QAction** button;
    };
    const Button buttons[] = {
        {"New", QT_TRANSLATE_NOOP("frmEdit", "New"), QStyle::SP_FileIcon, a.mnuNew,
         &a.Toolbar1_New},
        {"Open", QT_TRANSLATE_NOOP("frmEdit", "Open"), QStyle::SP_DialogOpenButton, a.mnuOpen,
         &a.Toolbar1_Open},
        {"Save", QT_TRANSLATE_NOOP("frmEdit", "Save"), QStyle::SP_DialogSaveButton, a.mnuSave,
         &a.Toolbar1_Save},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("frmEdit", "Send"), QT_TRANSLATE_NOOP("frmEdit", "Send as SMS"),
         QStyle::SP_ArrowForward, a.mnuSend, &a.Toolbar1_Send},
        {QT_TRANSLATE_NOOP("frmEdit", "Internet"),
         QT_TRANSLATE_NOOP("frmEdit", "Send via Internet"), QStyle::SP_DriveNetIcon, a.mnuInternet,
         &a.Toolbar1_Internet},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr, nullptr},
        {"Options", QT_TRANSLATE_NOOP("frmEdit", "Options"), QStyle::SP_FileDialogDetailedView,
         a.mnuOptions, &a.Toolbar1_Options},
    };
    for (const Button& b : buttons) {
        if (b.key == nullptr) {
            a.Toolbar1->addSeparator();
            continue;
        }
        QAction* action = a.Toolbar1->addAction(window.style()->standardIcon(b.icon),
                                                QCoreApplication::translate("frmEdit", b.key));
        action->setObjectName(QString("Toolbar1_") + b.key);
        action->setProperty("key", QString(b.key));
        action->setToolTip(QCoreApplication::translate("frmEdit", b.tip));
        // A button is its menu item's second face: it runs the same action.
        QObject::connect(action, &QAction::triggered, b.menuItem, &QAction::trigger);
        *b.button = action;
    }

    a.ToolbarTools = window.addToolBar(QCoreApplication::translate("frmEdit", "Tools"));
    a.ToolbarTools->setObjectName("ToolbarTools");
    a.ToolbarTools->setMovable(false);
    a.ToolbarTools->addActions(a.toolGroup->actions());
    // The button that shows the buttons a narrow window has no room for.
    for (QToolBar* bar : {a.Toolbar1, a.ToolbarTools}) {
        if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button")) {
            more->setAccessibleName(
                QCoreApplication::translate("EditorActions", "More toolbar buttons"));
        }
    }
}

}  // namespace

EditorActions BuildEditorActions(QMainWindow& window) {
    EditorActions actions;
    BuildMenus(window.menuBar(), actions);
    BuildToolbar(window, actions);
    return actions;
}

}  // namespace pixora
