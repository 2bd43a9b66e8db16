// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every menu item and toolbar button of the main window, made once and handed to the commands,
// so nothing looks an item up by its name. Each action's objectName is its name here.

#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace pixora {

struct EditorActions {
    // File
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuSend = nullptr;
    QAction* mnuInternet = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuImportPreview = nullptr;
    QAction* mnuOpenReceived = nullptr;
    QAction* mnuReadMessages = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuRecentSep = nullptr;
    std::array<QAction*, 4> mnuRecent{};
    QAction* mnuExit = nullptr;
    // Edit
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuMoveUp = nullptr;
    QAction* mnuMoveDown = nullptr;
    QAction* mnuMoveLeft = nullptr;
    QAction* mnuMoveRight = nullptr;
    QAction* mnuInvert = nullptr;
    QAction* mnuFlipX = nullptr;
    QAction* mnuFlipY = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuMonitor = nullptr;
    QAction* mnuOptions = nullptr;
    // View: the canvas' cell size and its grid.
    QMenu* mnuView = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuZoomReset = nullptr;
    QAction* mnuZoomFit = nullptr;  // the cells follow the window until the user zooms
    QAction* mnuGrid = nullptr;
    // A cell cursor on the canvas for drawing with the keys; K while the canvas has the focus.
    QAction* mnuKeyboardCursor = nullptr;
    // Tools: one checked at a time, the pencil first. Their single-key shortcuts act while
    // the canvas has the focus (the window adds them to the canvas).
    QMenu* mnuTools = nullptr;
    QActionGroup* toolGroup = nullptr;
    QAction* mnuToolPencil = nullptr;
    QAction* mnuToolLine = nullptr;
    QAction* mnuToolRectangle = nullptr;
    QAction* mnuToolFilledRectangle = nullptr;
    QAction* mnuToolEllipse = nullptr;
    QAction* mnuToolFilledEllipse = nullptr;
    QAction* mnuToolFill = nullptr;
    QAction* mnuToolText = nullptr;
    // The text tool's fonts, one checked at a time, Normal first.
    QMenu* mnuTextFont = nullptr;
    QActionGroup* fontGroup = nullptr;
    QAction* mnuFontTiny = nullptr;
    QAction* mnuFontNormal = nullptr;
    QAction* mnuFontBold = nullptr;
    // Extras
    QAction* mnuSendNGG = nullptr;
    QAction* mnuSendNOL = nullptr;
    std::array<QAction*, 2> mnuSendToAdd{};
    QAction* mnuOtherSep = nullptr;
    QMenu* mnuOtherSend = nullptr;
    std::array<QAction*, 4> mnuOther{};
    QAction* mnuOtherPartner = nullptr;
    // Help
    QAction* mnuHelpInformation = nullptr;
    QAction* mnuHelpFAQ = nullptr;
    QAction* mnuNewsletter = nullptr;
    QAction* mnuHelpSamples = nullptr;
    QAction* mnuHelpUpdates = nullptr;
    QAction* mnuAbout = nullptr;
    // The blinking indicator of the clipboard monitor on the menu bar.
    QAction* mnuMonitoring = nullptr;
    // The toolbar's buttons; each triggers its menu item.
    QToolBar* Toolbar1 = nullptr;
    QAction* Toolbar1_New = nullptr;
    QAction* Toolbar1_Open = nullptr;
    QAction* Toolbar1_Save = nullptr;
    QAction* Toolbar1_Send = nullptr;
    QAction* Toolbar1_Internet = nullptr;
    QAction* Toolbar1_Options = nullptr;
    // The tools' own toolbar, showing the Tools menu's items.
    QToolBar* ToolbarTools = nullptr;
};

// Builds the menu bar and the toolbar of window. The actions do nothing yet; the window
// connects them to its commands.
EditorActions BuildEditorActions(QMainWindow& window);

}  // namespace pixora
