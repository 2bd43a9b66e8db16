// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_edit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QSessionManager>
#include <QTimer>

#include "app/canvas_area.h"
#include "app/editor_views.h"
#include "app/phone_commands.h"
#include "app/pm_text_edit.h"
#include "app/raster_view.h"
#include "app/web_commands.h"
#include "app/window_placement.h"
#include "core/document.h"
#include "core/output_checks.h"
#include "core/paths.h"
#include "core/picture_views.h"
#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/text.h"
#include "core/translate.h"
#include "document/file_use_cases.h"
#include "formats/file_io.h"
#include "formats/open_dispatch.h"
#include "shell/hand_off.h"

namespace pixora {

frmEdit::frmEdit(EditorServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      settings_(*services_.settings),
      ui_(*services_.ui) {
    setObjectName("frmEdit");
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { SessionEnding(manager); });
    actions_ = BuildEditorActions(*this);
    PhoneCommandHost phoneHost;
    phoneHost.picture = [this] { return doc_.Picture(); };
    phoneHost.text = [this] { return doc_.Text(); };
    phoneHost.checkBeforeOutput = [this] { return CheckBeforeOutput(); };
    phoneHost.setBusy = [this](bool flag) { SetBusy(flag); };
    phoneHost.openReceived = [this](const ReceivedMessage& message) {
        if (files_->AskSaveChanges() != AnswerCancel) {
            files_->AdoptReceivedMessage(message);
        }
    };
    phone_ = std::make_unique<PhoneCommands>(settings_, ui_, *services_.phone,
                                             services_.phonebookCachePath, phoneHost, this);
    WebCommandHost webHost;
    webHost.picture = [this] { return doc_.Picture(); };
    webHost.text = [this] { return doc_.Text(); };
    webHost.confirmNotEmpty = [this] { return ConfirmNotEmpty(); };
    webHost.tempFolder = [this] { return CurrentTempFolder(); };
    webHost.openDocument = services_.openDocument;
    webHost.openAddress = services_.openAddress;
    webHost.loadImage = services_.loadImage;
    webHost.tempWriter = services_.tempWriter;
    webHost.hideSmsSend = [this] { phone_->HideSmsSend(); };
    web_ = std::make_unique<WebCommands>(settings_, ui_, *this, webHost, actions_);
    BuildViews();
    files_ = std::make_unique<FileCommands>(doc_, settings_, ui_, actions_, views_, *this,
                                            services_.loadPicture, services_.importExtensions,
                                            services_.loadPreview);
    edits_ = std::make_unique<EditCommands>(doc_, settings_, ui_, actions_, views_,
                                            services_.clipboard, *this, *this);
    canvas_ = std::make_unique<CanvasController>(
        doc_, *txtPos_,
        [this](int key) {
            switch (key) {
                case Qt::Key_Up:
                    edits_->mnuMoveUp_Click();
                    break;
                case Qt::Key_Down:
                    edits_->mnuMoveDown_Click();
                    break;
                case Qt::Key_Left:
                    edits_->mnuMoveLeft_Click();
                    break;
                default:
                    edits_->mnuMoveRight_Click();
                    break;
            }
        },
        [this](const std::optional<PictureGrid>& preview) { ShowToolPreview(preview); });
    ConnectActions();
    doc_.OnPictureChanged([this] { RedrawViews(); });
    doc_.OnCellChanged([this](int px, int py) {
        views_.PaintCell(doc_.Picture(), px, py);
        RepaintViews();
    });
    doc_.OnTextChanged([this] { ShowText(); });
    doc_.OnStateChanged([this] { ShowTitle(); });
    doc_.OnHistoryChanged([this] { ShowHistory(); });
}

frmEdit::~frmEdit() = default;

void frmEdit::ConnectActions() {
    const EditorActions& a = actions_;
    // Every command but the view's and the font's first puts a text being typed into the
    // picture: New, Open or Undo must not find it hanging over the next picture.
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, [this, handler] {
            canvas_->CommitPendingText();
            handler();
        });
    };
    const auto onView = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    FileCommands& f = *files_;
    EditCommands& e = *edits_;
    on(a.mnuNew, [&f] { f.mnuNew_Click(); });
    on(a.mnuOpen, [&f] { f.mnuOpen_Click(); });
    on(a.mnuOpenReceived, [&f] { f.mnuOpenReceived_Click(); });
    on(a.mnuSave, [&f] { f.mnuSave_Click(); });
    on(a.mnuSaveAs, [&f] { f.mnuSaveAs_Click(); });
    on(a.mnuImport, [&f] { f.mnuImport_Click(); });
    on(a.mnuImportPreview, [&f] { f.mnuImportPreview_Click(); });
    on(a.mnuExport, [&f] { f.mnuExport_Click(); });
    for (int i = 0; i < 4; ++i) {
        on(a.mnuRecent[static_cast<size_t>(i)], [&f, i] { f.OpenRecentFile(i); });
    }
    on(a.mnuExit, [this] { mnuExit_Click(); });
    connect(a.mnuEdit, &QMenu::aboutToShow, this, [&e] { e.mnuEdit_Click(); });
    on(a.mnuUndo, [&e] { e.mnuUndo_Click(); });
    on(a.mnuRedo, [&e] { e.mnuRedo_Click(); });
    on(a.mnuMoveUp, [&e] { e.mnuMoveUp_Click(); });
    on(a.mnuMoveDown, [&e] { e.mnuMoveDown_Click(); });
    on(a.mnuMoveLeft, [&e] { e.mnuMoveLeft_Click(); });
    on(a.mnuMoveRight, [&e] { e.mnuMoveRight_Click(); });
    on(a.mnuInvert, [&e] { e.mnuInvert_Click(); });
    on(a.mnuFlipX, [&e] { e.mnuFlipX_Click(); });
    on(a.mnuFlipY, [&e] { e.mnuFlipY_Click(); });
    on(a.mnuCopy, [&e] { e.mnuCopy_Click(); });
    on(a.mnuPaste, [&e] { e.mnuPaste_Click(); });
    on(a.mnuMonitor, [&e] { e.mnuMonitor_Click(); });
    on(a.mnuOptions, [this] { mnuOptions_Click(); });
    const std::pair<QAction*, ToolKind> tools[] = {
        {a.mnuToolPencil, ToolKind::Pencil},
        {a.mnuToolLine, ToolKind::Line},
        {a.mnuToolRectangle, ToolKind::Rectangle},
        {a.mnuToolFilledRectangle, ToolKind::FilledRectangle},
        {a.mnuToolEllipse, ToolKind::Ellipse},
        {a.mnuToolFilledEllipse, ToolKind::FilledEllipse},
        {a.mnuToolFill, ToolKind::Fill},
        {a.mnuToolText, ToolKind::Text},
    };
    for (const auto& [action, kind] : tools) {
        const ToolKind tool = kind;
        on(action, [this, tool] { canvas_->SetTool(tool); });
        // The tools' letters count while the canvas has the focus.
        picMain_->addAction(action);
    }
    const std::pair<QAction*, PixelFontId> fonts[] = {
        {a.mnuFontTiny, PixelFontId::Tiny},
        {a.mnuFontNormal, PixelFontId::Normal},
        {a.mnuFontBold, PixelFontId::Bold},
    };
    for (const auto& [action, id] : fonts) {
        const PixelFontId font = id;
        onView(action, [this, font] { canvas_->SetTextFont(font); });
    }
    PhoneCommands& p = *phone_;
    WebCommands& w = *web_;
    on(a.mnuSend, [&p] { p.mnuSend_Click(); });
    on(a.mnuReadMessages, [&p] { p.mnuReadMessages_Click(); });
    on(a.mnuInternet, [&w] { w.mnuInternet_Click(); });
    on(a.mnuSendNGG, [&w] { w.mnuSendNGG_Click(); });
    on(a.mnuSendNOL, [&w] { w.mnuSendNOL_Click(); });
    for (int i = 0; i < 2; ++i) {
        on(a.mnuSendToAdd[static_cast<size_t>(i)], [&w, i] { w.mnuSendToAdd_Click(i); });
    }
    const OtherSend otherModes[] = {OtherSend::Flash, OtherSend::Blink, OtherSend::Long,
                                    OtherSend::Special};
    for (size_t i = 0; i < a.mnuOther.size(); ++i) {
        const OtherSend mode = otherModes[i];
        on(a.mnuOther[i], [&w, mode] { w.mnuOther_Click(mode); });
    }
    on(a.mnuOtherPartner, [&w] { w.mnuOtherPartner_Click(); });
    on(a.mnuHelpInformation, [&w] { w.mnuHelpInformation_Click(); });
    on(a.mnuHelpFAQ, [&w] { w.mnuHelpFAQ_Click(); });
    on(a.mnuNewsletter, [&w] { w.mnuNewsletter_Click(); });
    on(a.mnuHelpSamples, [&w] { w.mnuHelpSamples_Click(); });
    on(a.mnuHelpUpdates, [&w] { w.mnuHelpUpdates_Click(); });
    on(a.mnuAbout, [this] { mnuAbout_Click(); });
    // A zoom the user picks stays put; Fit to Window lets the cells follow the window again.
    const auto zoomTo = [this](int cellPixels) {
        canvasArea_->SetFollowsWindow(false);
        actions_.mnuZoomFit->setChecked(false);
        picMain_->SetCellPixels(cellPixels);
        statusViews_.lblStatusZoom->setText(ZoomText(picMain_->CellPixels()));
    };
    onView(a.mnuZoomIn, [this, zoomTo] { zoomTo(ZoomedIn(picMain_->CellPixels())); });
    onView(a.mnuZoomOut, [this, zoomTo] { zoomTo(ZoomedOut(picMain_->CellPixels())); });
    onView(a.mnuZoomReset, [zoomTo] { zoomTo(CellSize); });
    canvasArea_->OnFitted(
        [this](int cellPixels) { statusViews_.lblStatusZoom->setText(ZoomText(cellPixels)); });
    connect(a.mnuZoomFit, &QAction::toggled, this, [this](bool follows) {
        canvasArea_->SetFollowsWindow(follows);
        statusViews_.lblStatusZoom->setText(ZoomText(picMain_->CellPixels()));
    });
    connect(a.mnuGrid, &QAction::toggled, this, [this](bool on) { picMain_->SetGridShown(on); });
    connect(a.mnuKeyboardCursor, &QAction::toggled, this,
            [this](bool on) { canvas_->SetKeyboardCursor(on); });
    picMain_->addAction(a.mnuKeyboardCursor);
    canvas_->OnKeyboardCursor([this](const std::optional<CellPoint>& cell) {
        // Esc on the canvas switches the cursor off without the menu item.
        actions_.mnuKeyboardCursor->setChecked(cell.has_value());
        picMain_->SetMarkedCell(cell ? std::optional<QPoint>(QPoint(cell->x, cell->y))
                                     : std::nullopt);
        if (cell) {
            ShowStatusCell(cell->x, cell->y);
        }
    });
    connect(a.toolGroup, &QActionGroup::triggered, this, [this](QAction* tool) {
        statusViews_.lblStatusTool->setText(tool->text().remove('&'));
    });
    statusViews_.lblStatusTool->setText(a.mnuToolPencil->text().remove('&'));
}

void frmEdit::ShowStatusCell(int px, int py) {
    // Numbered from 1, as the read-out below the canvas counts them.
    statusViews_.lblStatusCell->setText(QString("%1, %2").arg(px + 1).arg(py + 1));
}

void frmEdit::BuildViews() {
    const EditorViews built =
        BuildEditorViews(*this, views_, actions_, QString::fromStdString(web_->Context().host));
    picMain_ = built.picMain;
    canvasArea_ = built.canvasArea;
    picDisplay_ = built.picDisplay;
    txtPMText_ = built.txtPMText;
    txtPos_ = built.txtPos;
    picPMTextXP_ = built.picPMTextXP;
    lblURL_ = built.lblURL;
    picBranding_ = built.picBranding;
    statusViews_ = built;
    lblURL_->installEventFilter(this);
    ApplyPalette();
    picMain_->installEventFilter(this);

    const auto shift = [this] { return picMain_->MouseModifiers().testFlag(Qt::ShiftModifier); };
    connect(picMain_, &RasterView::MouseDown, this, [this, shift](int button, QPointF p) {
        canvas_->picMain_MouseDown(button, p.x(), p.y(), shift());
    });
    connect(picMain_, &RasterView::MouseMove, this, [this, shift](int buttons, QPointF p) {
        canvas_->picMain_MouseMove(buttons, p.x(), p.y(), shift());
        const int px = CellFromCanvas(p.x());
        const int py = CellFromCanvas(p.y());
        if (PictureGrid::Contains(px, py)) {
            ShowStatusCell(px, py);
        }
    });
    connect(picMain_, &RasterView::MouseUp, this,
            [this, shift](int, QPointF p) { canvas_->picMain_MouseUp(p.x(), p.y(), shift()); });
    connect(picMain_, &RasterView::KeyDown, this,
            [this](int key) { canvas_->picMain_KeyDown(key); });
    for (RasterView* view : {picMain_, picDisplay_}) {
        connect(view, &RasterView::FileDropped, this, [this](const QString& path) {
            myOpenFileReceived(path.toStdString());
            activateWindow();
            setFocus();
        });
    }
    connect(txtPMText_, &PMTextEdit::CharacterAccepted, this, [this] { UpdateTitle(false); });
    connect(txtPMText_, &QPlainTextEdit::textChanged, this, [this] { txtPMText_Change(); });
    connect(txtPMText_, &PMTextEdit::PointerMoved, this, [this] { txtPMText_MouseMove(); });
}

// ---- Start-up and shutdown ----

bool frmEdit::Startup(const std::string& commandLine) {
    // 1. The whole command line is one path, made absolute here: the running instance this
    // process may hand it to works in another folder.
    commandLine_ = AbsoluteCommandLinePath(commandLine, QDir::currentPath().toStdString());
    // 2. Another editor of this user runs: it gets the file and this process ends unseen.
    duplicateInstance_ = false;
    instance_ = services_.singleInstance ? services_.singleInstance() : nullptr;
    if (instance_) {
        if (!instance_->TryAcquire()) {
            duplicateInstance_ = true;
            instance_->HandOver(settings_, ui_, commandLine_);
            return false;
        }
        if (instance_->Unusable()) {
            // This start runs all the same; the user learns why later starts open windows too.
            ui_.MessageBox(InstanceLockProblemText(instance_->LockFileName()), ProductName,
                           MessageIcon::Warning, MessageButtons::Ok);
        } else {
            // No other editor of ours runs, so a "CurrentBusy" found now is a crashed run's and
            // would make every later start only beep.
            SetBusy(false);
        }
        // 3. The receiver for files handed over by later starts and by the siblings.
        instance_->Listen(
            ProductName, [this](const std::string& path) { myOpenFileReceived(path); },
            [this] {
                if (isMinimized()) {
                    showNormal();
                }
                show();
                raise();
                activateWindow();
            });
    }

    // 4-6. Caption; the text's character set is built once on first use.
    setWindowTitle(ProductName);
    picPMTextXP_->setVisible(false);

    // 7. Window position, pulled back onto the screen.
    PlaceWindow();
    ui_.ProcessEvents();

    // 8. Dialog folders and the author's name.
    FolderSet& folders = files_->Folders();
    folders.userDir = ReadText(settings_, keys::UserDir);
    folders.userDirSave = ReadText(settings_, keys::UserDirSave);
    folders.importDir = ReadText(settings_, keys::ImportDir);
    folders.exportDir = ReadText(settings_, keys::ExportDir);
    AskAuthorName();

    // 9. Version keys, for the siblings and the installer.
    WriteText(settings_, keys::VerMajor, TwoDigits(PIXORA_VERSION_MAJOR));
    WriteText(settings_, keys::VerMinor, TwoDigits(PIXORA_VERSION_MINOR));
    WriteText(settings_, keys::VerRevision, TwoDigits(PIXORA_VERSION_PATCH));
    WriteText(settings_, keys::VerIR, "00");
    WriteText(settings_, keys::VerCable, "00");

    // 10. An empty document.
    files_->ResetDocument();
    ui_.ProcessEvents();
    doc_.SetNameAndState(UntitledName, ModifiedState::Saved);

    // 11.
    views_.ClearPreview();

    // 12. Where the program is, for the siblings.
    programFolder_ = FolderOf(services_.programPath);
    WriteText(settings_, keys::Application, services_.programPath);

    // 13. From here on a failing step is skipped and the next one runs.
    // 14-15. File-type associations, with their one-time question before the window shows.
    if (services_.fileTypeRegistry) {
        std::unique_ptr<FileTypeRegistry> registry = services_.fileTypeRegistry();
        if (registry) {
            RegisterFileTypesAtStartup(*registry, settings_, ui_, *this, services_.programPath);
        }
    }

    // 16. The file named on the command line.
    if (!commandLine_.empty()) {
        SetBusy(true);
        ui_.ProcessEvents();
        const std::string rememberedUserDir = folders.userDir;
        folders.userDir = FolderOf(commandLine_);
        files_->OpenGraphicFile(commandLine_);
        if (IsSiblingHandOverName(commandLine_)) {
            folders.userDir = rememberedUserDir;
        }
        SetBusy(false);
    }

    // 17. The recent-file list; a file opened above goes back to its top.
    for (size_t i = 0; i < RecentFiles().size(); ++i) {
        RecentFiles()[i] = ReadText(settings_, keys::RecentFiles[i]);
    }
    files_->AddRecentFile(doc_.DocumentName());

    // 18. The web commands only where the web service offers them.
    web_->Context().versionCode =
        VersionCode(PIXORA_VERSION_MAJOR, PIXORA_VERSION_MINOR, PIXORA_VERSION_PATCH);
    const RegionResult region = services_.regionCheck ? services_.regionCheck() : RegionResult{};
    phone_->SetKeyboardCountryCode(region.keyboardCountryCode);
    web_->Context().keyboardCountryCode = region.keyboardCountryCode;
    web_->SetWebCommandsVisible(region.webCommandsOffered);

    // 19. The "Send to" entries, then the branding file.
    web_->LoadSendToEntries();
    web_->ApplyBranding(programFolder_, picBranding_);
    ui_.ProcessEvents();

    // 20-21. The temporary folder, cleared of old pages and pictures.
    tempFolder_ = services_.tempFolder ? services_.tempFolder() : std::string();
    if (services_.deleteTempFiles && !tempFolder_.empty()) {
        services_.deleteTempFiles(tempFolder_);
    }
    // A save killed half way leaves its temporary file; the folders we save into are cleared
    // of such leftovers of our own (the next save into any other folder clears that one).
    for (const std::string& folder : {folders.userDir, folders.userDirSave, folders.exportDir,
                                      FolderOf(services_.phonebookCachePath)}) {
        if (!folder.empty()) {
            RemoveStaleSaveFiles(folder);
        }
    }
    picMain_->setFocus();
    return true;
}

void frmEdit::PlaceWindow() {
    adjustSize();
    PlaceFromSettings(*this, settings_);
    placing_ = true;
}

void frmEdit::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placing_) {
        placing_ = false;
        // The window manager adds its frame once the window is mapped, a little later on some
        // desktops; the position is checked again then. Looking twice moves nothing that fits.
        QTimer::singleShot(0, this, [this] { KeepFrameOnScreen(*this); });
        QTimer::singleShot(300, this, [this] { KeepFrameOnScreen(*this); });
    }
}

void frmEdit::AskAuthorName() {
    std::string name = ReadText(settings_, keys::UserName);
    if (!name.empty()) {
        return;
    }
    // The name is the author credit of every saved picture; keep asking until there is one.
    while (name.empty()) {
        name = ui_.InputBox(
            TranslateText("frmEdit",
                          "Before you start to use this Editor, please\r\nenter your name here:"),
            ProductName, "", static_cast<int>(200 / TwipsPerPixel),
            static_cast<int>(300 / TwipsPerPixel));
    }
    WriteText(settings_, keys::UserName, name);
}

void frmEdit::closeEvent(QCloseEvent* event) {
    // A process that handed its file over, or a session that already agreed to end, just goes.
    if (duplicateInstance_ || shutDown_) {
        event->accept();
        return;
    }
    if (!QueryClose()) {
        event->ignore();
        return;
    }
    Shutdown();
    event->accept();
}

void frmEdit::SessionEnding(QSessionManager& manager) {
    // Logging off is a close request like any other: it may ask, and Cancel keeps the session.
    if (duplicateInstance_ || shutDown_) {
        return;
    }
    if (manager.allowsInteraction()) {
        const bool proceed = QueryClose();
        manager.release();
        if (!proceed) {
            manager.cancel();
            return;
        }
    }
    Shutdown();
}

void frmEdit::Terminate() {
    // Asked to end from outside (SIGTERM): nobody can answer a question now, so the settings are
    // kept and the instance keys removed, and the window goes.
    Shutdown();
    close();
}

bool frmEdit::QueryClose() {
    SetBusy(true);
    const bool proceed = AskSaveChanges() != AnswerCancel;
    SetBusy(false);
    return proceed;
}

void frmEdit::Shutdown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    if (services_.deleteTempFiles && !tempFolder_.empty()) {
        services_.deleteTempFiles(tempFolder_);
    }
    SaveWindowSettings();
    DeleteKey(settings_, keys::CurrentAppname);
    writtenTitle_.clear();
    DeleteKey(settings_, keys::CurrentBusy);
    if (instance_) {
        instance_->Release();
    }
}

void frmEdit::SaveWindowSettings() {
    SavePosition(*this, settings_);
    for (size_t i = 0; i < RecentFiles().size(); ++i) {
        WriteText(settings_, keys::RecentFiles[i], RecentFiles()[i]);
    }
    const FolderSet& folders = files_->Folders();
    WriteText(settings_, keys::UserDir, folders.userDir);
    WriteText(settings_, keys::UserDirSave, folders.userDirSave);
    WriteText(settings_, keys::ImportDir, folders.importDir);
    WriteText(settings_, keys::ExportDir, folders.exportDir);
}

// ---- Document state ----

void frmEdit::UpdateTitle(bool saved) {
    doc_.SetModified(saved ? ModifiedState::Saved : ModifiedState::Modified);
}

void frmEdit::ShowTitle() {
    // A file being loaded has its name and state set at the end of it.
    if (doc_.Modified() == ModifiedState::Loading) {
        return;
    }
    const std::string title =
        TitleFor(doc_.DocumentName(), doc_.Modified() != ModifiedState::Modified);
    // Typing marks the document for every character; the shared settings file is written only
    // when the caption really changes.
    if (title == writtenTitle_) {
        return;
    }
    setWindowTitle(QString::fromStdString(title));
    if (WriteText(settings_, keys::CurrentAppname, title)) {
        writtenTitle_ = title;
    }
}

void frmEdit::ShowText() {
    // The box's own edits are shown already, as is the text it is being given.
    if (typing_ || txtPMText_->SettingQuietly()) {
        return;
    }
    // Text from outside is held to the box's limit as typed text is, and starts the box afresh
    // (its own undo too); the box's text then comes back to the document.
    txtPMText_->SetTextQuietly(QString::fromStdU32String(doc_.Text()).left(MaxTextLength));
}

void frmEdit::ShowHistory() {
    actions_.mnuUndo->setEnabled(doc_.History().CanUndo());
    actions_.mnuRedo->setEnabled(doc_.History().CanRedo());
}

void frmEdit::SetBusy(bool flag) {
    // Commands call one another (Open asks to save, Save may become Save As), and the inner
    // command's end must not let the clipboard monitor in while the outer one still asks the
    // user; the depth says when the last of them has ended.
    commandDepth_ = flag ? commandDepth_ + 1 : std::max(0, commandDepth_ - 1);
    if (!flag && commandDepth_ == 0) {
        edits_->CommandsEnded();
    }
    if (flag) {
        WriteBool(settings_, keys::CurrentBusy, true);
    } else {
        DeleteKey(settings_, keys::CurrentBusy);
    }
}

// ---- Picture and views ----

void frmEdit::RepaintViews() {
    picMain_->update();
    picDisplay_->update();
}

void frmEdit::RedrawViews() {
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            views_.PaintCell(doc_.Picture(), px, py);
        }
    }
    RefreshPreview();
}

void frmEdit::ShowToolPreview(const std::optional<PictureGrid>& preview) {
    const PictureGrid& shown = preview ? *preview : doc_.Picture();
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            views_.ShowCell(shown, px, py);
        }
    }
    RepaintViews();
}

void frmEdit::ClearViews() {
    BlankCanvas();
    ClearPreview();
}

bool frmEdit::CommandRunning() const {
    return commandDepth_ > 0 || QApplication::activeModalWidget() != nullptr;
}

void frmEdit::RefreshPreview() {
    views_.RefreshPreview(doc_.Picture());
    RepaintViews();
}

void frmEdit::ClearPreview() {
    views_.ClearPreview();
    RepaintViews();
}

void frmEdit::BlankCanvas() {
    views_.BlankCanvas();
    RepaintViews();
}

// ---- Input ----

void frmEdit::txtPMText_Change() {
    txtPos_->setText(QString::fromStdString(CharsLeftReadout(txtPMText_->Length())));
    // Composing with an input method redraws the box without changing its text; the document
    // tells a change from that.
    typing_ = !txtPMText_->SettingQuietly();
    doc_.SetText(txtPMText_->toPlainText().toStdU32String(), typing_);
    typing_ = false;
}

void frmEdit::txtPMText_MouseMove() {
    txtPos_->setText(QString::fromStdString(CharsLeftReadout(txtPMText_->Length())));
}

// ---- Commands ----

void frmEdit::mnuExit_Click() {
    close();
}

void frmEdit::mnuOptions_Click() {
    SetBusy(true);
    if (services_.showOptions) {
        services_.showOptions(this);
    } else {
        phone_->OptionsDialog().exec();
    }
    SetBusy(false);
}

void frmEdit::mnuAbout_Click() {
    SetBusy(true);
    const std::string version = std::to_string(PIXORA_VERSION_MAJOR) + "." +
                                std::to_string(PIXORA_VERSION_MINOR) + "." +
                                std::to_string(PIXORA_VERSION_PATCH);
    ui_.MessageBox(
        std::string(ProductName) + " " + version +
            TranslateText("frmEdit", "\r\n\r\nThe editor for Smart Messaging picture messages."),
        TranslateText("frmEdit", "About ") + ProductName, MessageIcon::Information,
        MessageButtons::Ok);
    SetBusy(false);
}

bool frmEdit::ConfirmNotEmpty() {
    return pixora::ConfirmNotEmpty(doc_.Picture(), settings_, ui_);
}

bool frmEdit::CheckBeforeOutput() {
    return pixora::CheckBeforeOutput(doc_.Picture(), settings_, ui_);
}

bool frmEdit::FileExists(const std::string& path) {
    return !path.empty() && QFileInfo(QString::fromStdString(path)).isFile();
}

void frmEdit::FocusMainWindow() {
    activateWindow();
}

void frmEdit::RunWithArgument(const std::string& program, const std::string& argument) {
    if (services_.runWithArgument) {
        services_.runWithArgument(program, argument);
    }
}

const std::string& frmEdit::CurrentTempFolder() {
    // Asked again before each use: the folder of the start may have been cleared away since, or
    // may not have been had at all.
    if (services_.tempFolder) {
        tempFolder_ = services_.tempFolder();
    }
    return tempFolder_;
}

void frmEdit::ApplyPalette() {
    lblURL_->setStyleSheet(LinkStyle(palette(), false));
    views_.SetPhoneFrontColours(PhoneFrontFor(palette()));
    RepaintViews();
}

void frmEdit::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A desktop switching between light and dark colours while the editor runs.
    if ((event->type() == QEvent::PaletteChange ||
         event->type() == QEvent::ApplicationPaletteChange) &&
        lblURL_ != nullptr) {
        ApplyPalette();
    }
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picMain_ && canvas_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        // While text is typed on the canvas its letters are text, not the tools' shortcuts:
        // claiming the override makes the key arrive as a key press.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QList<uint> chars = key->text().toUcs4();
        const std::u32string text(chars.begin(), chars.end());
        if (canvas_->TextTakesKey(key->key(), key->modifiers(), text)) {
            if (event->type() == QEvent::KeyPress) {
                canvas_->picMain_TextKey(key->key(), key->modifiers(), text);
            }
            event->accept();
            return true;
        }
    }
    if (watched == lblURL_) {
        if (event->type() == QEvent::MouseButtonPress) {
            lblURL_->setStyleSheet(LinkStyle(palette(), true));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            lblURL_->setStyleSheet(LinkStyle(palette(), false));
            web_->lblURL_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace pixora
