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
    QMenu* file = AddMenu(bar, nullptr, "mnuFile", "&File");
    a.mnuNew = AddItem(file, "mnuNew", "&New", QKeySequence("Ctrl+N"));
    Separator(file);
    a.mnuOpen = AddItem(file, "mnuOpen", "&Open...", QKeySequence("Ctrl+O"));
    a.mnuOpenReceived = AddItem(file, "mnuOpenReceived", "Open &Received Message...");
    a.mnuReadMessages = AddItem(file, "mnuReadMessages", "Read &Messages from Phone...");
    a.mnuSave = AddItem(file, "mnuSave", "&Save", QKeySequence("Ctrl+S"));
    a.mnuSaveAs = AddItem(file, "mnuSaveAs", "Save &As...");
    Separator(file);
    a.mnuSend = AddItem(file, "mnuSend", "Sen&d as SMS...", QKeySequence("Ctrl+D"));
    a.mnuInternet = AddItem(file, "mnuInternet", "Send via In&ternet", QKeySequence("Ctrl+T"));
    Separator(file);
    a.mnuImport = AddItem(file, "mnuImport", "Im&port BMP, GIF, JPG...", QKeySequence("Ctrl+P"));
    a.mnuImportPreview =
        AddItem(file, "mnuImportPreview", "Import with Pre&view...", QKeySequence("Ctrl+Shift+P"));
    a.mnuExport = AddItem(file, "mnuExport", "&Export BMP, WBMP...", QKeySequence("Ctrl+E"));
    a.mnuRecentSep = Separator(file, "mnuRecentSep");
    a.mnuRecentSep->setVisible(false);
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = "mnuRecent" + QByteArray::number(i);
        QAction* recent = AddItem(file, name.constData(), QString("&%1 ").arg(i));
        recent->setVisible(false);
        a.mnuRecent[static_cast<size_t>(i - 1)] = recent;
    }
    Separator(file);
    a.mnuExit = AddItem(file, "mnuExit", "E&xit");

    QMenu* edit = AddMenu(bar, nullptr, "mnuEdit", "&Edit");
    a.mnuEdit = edit;
    a.mnuUndo = AddItem(edit, "mnuUndo", "&Undo", QKeySequence("Ctrl+Z"));
    a.mnuRedo = AddItem(edit, "mnuRedo", "&Redo", QKeySequence("Ctrl+Shift+Z"));
    a.mnuUndo->setEnabled(false);
    a.mnuRedo->setEnabled(false);
    Separator(edit);
    QMenu* move = AddMenu(bar, edit, "mnuMove", "&Move");
    a.mnuMoveUp = AddItem(move, "mnuMoveUp", "&Up");
    a.mnuMoveDown = AddItem(move, "mnuMoveDown", "&Down");
    a.mnuMoveLeft = AddItem(move, "mnuMoveLeft", "&Left");
    a.mnuMoveRight = AddItem(move, "mnuMoveRight", "&Right");
    a.mnuInvert = AddItem(edit, "mnuInvert", "&Invert", QKeySequence("Ctrl+I"));
    a.mnuFlipX = AddItem(edit, "mnuFlipX", "Flip &Horizontal", QKeySequence("Ctrl+X"));
    a.mnuFlipY = AddItem(edit, "mnuFlipY", "Flip &Vertical", QKeySequence("Ctrl+Y"));
    Separator(edit);
    a.mnuCopy = AddItem(edit, "mnuCopy", "&Copy", QKeySequence("Ctrl+C"));
    a.mnuPaste = AddItem(edit, "mnuPaste", "&Paste", QKeySequence("Ctrl+V"));
    a.mnuMonitor = AddItem(edit, "mnuMonitor", "Mo&nitor Clipboard", QKeySequence("Ctrl+M"));
    a.mnuMonitor->setCheckable(true);
    Separator(edit);
    a.mnuOptions = AddItem(edit, "mnuOptions", "&Options...");

    QMenu* view = AddMenu(bar, nullptr, "mnuView", "&View");
    a.mnuView = view;
    a.mnuZoomIn = AddItem(view, "mnuZoomIn", "Zoom &In", QKeySequence("Ctrl++"));
    // Ctrl+= is Ctrl++ without Shift on most layouts.
    a.mnuZoomIn->setShortcuts({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
    a.mnuZoomOut = AddItem(view, "mnuZoomOut", "Zoom &Out", QKeySequence("Ctrl+-"));
    a.mnuZoomReset = AddItem(view, "mnuZoomReset", "&Actual Size", QKeySequence("Ctrl+0"));
    a.mnuZoomFit = AddItem(view, "mnuZoomFit", "&Fit to Window", QKeySequence("Ctrl+9"));
    a.mnuZoomFit->setCheckable(true);
    a.mnuZoomFit->setChecked(true);
    Separator(view);
    a.mnuGrid = AddItem(view, "mnuGrid", "&Grid");
    a.mnuGrid->setCheckable(true);
    a.mnuGrid->setChecked(true);
    a.mnuKeyboardCursor = AddItem(view, "mnuKeyboardCursor", "&Keyboard Cursor");
    a.mnuKeyboardCursor->setCheckable(true);
    // A plain letter: only on the canvas, so K still types into the text box.
    a.mnuKeyboardCursor->setShortcut(QKeySequence(Qt::Key_K));
    a.mnuKeyboardCursor->setShortcutContext(Qt::WidgetShortcut);

    QMenu* tools = AddMenu(bar, nullptr, "mnuTools", "T&ools");
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
        {"mnuToolPencil", "&Pencil", "B", &a.mnuToolPencil},
        {"mnuToolLine", "&Line", "L", &a.mnuToolLine},
        {"mnuToolRectangle", "&Rectangle", "R", &a.mnuToolRectangle},
        {"mnuToolFilledRectangle", "F&illed Rectangle", "Shift+R", &a.mnuToolFilledRectangle},
        {"mnuToolEllipse", "&Ellipse", "E", &a.mnuToolEllipse},
        {"mnuToolFilledEllipse", "Filled Elli&pse", "Shift+E", &a.mnuToolFilledEllipse},
        {"mnuToolFill", "&Fill", "F", &a.mnuToolFill},
        {"mnuToolText", "&Text", "T", &a.mnuToolText},
    };
    for (const ToolItem& t : toolItems) {
        QAction* action = tools->addAction(t.caption);
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
    a.mnuTextFont = AddMenu(bar, tools, "mnuTextFont", "Text &Font");
    a.fontGroup = new QActionGroup(a.mnuTextFont);
    a.fontGroup->setExclusive(true);
    const std::pair<const char*, const char*> fonts[] = {
        {"mnuFontTiny", "&Tiny (4 x 6)"},
        {"mnuFontNormal", "&Normal (5 x 7)"},
        {"mnuFontBold", "&Bold (6 x 8)"},
    };
    for (const auto& [name, caption] : fonts) {
        QAction* action = AddItem(a.mnuTextFont, name, caption);
        action->setCheckable(true);
        a.fontGroup->addAction(action);
    }
    a.mnuFontTiny = a.fontGroup->actions()[0];
    a.mnuFontNormal = a.fontGroup->actions()[1];
    a.mnuFontBold = a.fontGroup->actions()[2];
    a.mnuFontNormal->setChecked(true);

    QMenu* extras = AddMenu(bar, nullptr, "mnuExtras", "Ex&tras");
    a.mnuSendNGG = AddItem(extras, "mnuSendNGG", "Send to &Tamsel Editor");
    a.mnuSendNOL = AddItem(extras, "mnuSendNOL", "Send to &Vornik Uploader");
    for (int i = 0; i < 2; ++i) {
        const QByteArray name = "mnuSendToAdd" + QByteArray::number(i + 1);
        QAction* item = AddItem(extras, name.constData(), "Send to ...");
        item->setVisible(false);
        item->setEnabled(false);
        a.mnuSendToAdd[static_cast<size_t>(i)] = item;
    }
    a.mnuOtherSep = Separator(extras, "mnuOtherSep");
    QMenu* other = AddMenu(bar, extras, "mnuOtherSend", "Send other SMS via Internet");
    a.mnuOtherSend = other;
    const char* otherCaptions[] = {"Flash SMS (160 chars)", "Blink SMS (70 chars)",
                                   "Extralarge SMS (459 chars)", "Special SMS (\"SMS Virus\")"};
    for (int i = 0; i < 4; ++i) {
        QAction* entry = AddItem(other, "mnuOther", otherCaptions[i]);
        entry->setProperty("index", i);
        a.mnuOther[static_cast<size_t>(i)] = entry;
    }
    // The partner page is a web command too, so it lives in the submenu and hides with it.
    Separator(other, "mnuSep20");
    a.mnuOtherPartner = AddItem(other, "mnuOtherPartner", "Partnerprogram for Webmasters");

    QMenu* help = AddMenu(bar, nullptr, "mnuHelp", "&Help");
    a.mnuHelpInformation = AddItem(help, "mnuHelpInformation", "&Information");
    Separator(help);
    a.mnuHelpFAQ = AddItem(help, "mnuHelpFAQ", "&Help on Website");
    a.mnuNewsletter = AddItem(help, "mnuNewsletter", "&Free Newsletter");
    a.mnuHelpSamples = AddItem(help, "mnuHelpSamples", "&Download Samples");
    a.mnuHelpUpdates = AddItem(help, "mnuHelpUpdates", "&Check for Updates");
    Separator(help);
    a.mnuAbout = AddItem(help, "mnuAbout", "&About");

    a.mnuMonitoring = bar->addAction("Monitoring clipboard");
    a.mnuMonitoring->setObjectName("mnuMonitoring");
    a.mnuMonitoring->setVisible(false);
}

void BuildToolbar(QMainWindow& window, EditorActions& a) {
    a.Toolbar1 = window.addToolBar("Toolbar");
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
        {"New", "New", QStyle::SP_FileIcon, a.mnuNew, &a.Toolbar1_New},
        {"Open", "Open", QStyle::SP_DialogOpenButton, a.mnuOpen, &a.Toolbar1_Open},
        {"Save", "Save", QStyle::SP_DialogSaveButton, a.mnuSave, &a.Toolbar1_Save},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr, nullptr},
        {"Send", "Send as SMS", QStyle::SP_ArrowForward, a.mnuSend, &a.Toolbar1_Send},
        {"Internet", "Send via Internet", QStyle::SP_DriveNetIcon, a.mnuInternet,
         &a.Toolbar1_Internet},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr, nullptr},
        {"Options", "Options", QStyle::SP_FileDialogDetailedView, a.mnuOptions,
         &a.Toolbar1_Options},
    };
    for (const Button& b : buttons) {
        if (b.key == nullptr) {
            a.Toolbar1->addSeparator();
            continue;
        }
        QAction* action = a.Toolbar1->addAction(window.style()->standardIcon(b.icon), b.key);
        action->setObjectName(QString("Toolbar1_") + b.key);
        action->setProperty("key", QString(b.key));
        action->setToolTip(b.tip);
        // A button is its menu item's second face: it runs the same action.
        QObject::connect(action, &QAction::triggered, b.menuItem, &QAction::trigger);
        *b.button = action;
    }

    a.ToolbarTools = window.addToolBar("Tools");
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
