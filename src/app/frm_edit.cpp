#include "app/frm_edit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QSessionManager>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>

#include "app/phone_commands.h"
#include "app/pm_text_edit.h"
#include "app/raster_view.h"
#include "app/web_commands.h"
#include "core/document.h"
#include "core/edit_ops.h"
#include "core/output_checks.h"
#include "core/paths.h"
#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/text.h"
#include "formats/bmp_file.h"
#include "formats/file_io.h"
#include "formats/file_names.h"
#include "formats/import_fit.h"
#include "formats/npm_file.h"
#include "formats/open_dispatch.h"
#include "formats/wbmp_file.h"
#include "platform/instance_channel.h"
#include "platform/instance_lock.h"
#include "shell/hand_off.h"
#include "shell/recent_files.h"

namespace pixora {

namespace {

// Window positions are kept in twips: 1440 per inch, 96 logical pixels per inch.
constexpr double TwipsPerPixel = 15.0;

QColor ToQColor(Rgb c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

constexpr int HistoryLimit = 200;

constexpr const char* CantSaveFileMessage = "Can't save this file.";

}  // namespace

// One undo step: the whole picture before and after. A picture is small enough that snapshots
// are simpler and safer than recording each operation's inverse.
class PictureStep : public QUndoCommand {
public:
    PictureStep(frmEdit* window, const PictureGrid& before, const PictureGrid& after,
                const QString& what)
        : QUndoCommand(what), window_(window), before_(before), after_(after) {}

    void undo() override { window_->ShowPicture(before_); }
    void redo() override {
        // The edit itself already happened when the step is pushed.
        if (pushed_) {
            window_->ShowPicture(after_);
        }
        pushed_ = true;
    }

private:
    frmEdit* window_;
    PictureGrid before_;
    PictureGrid after_;
    bool pushed_ = false;
};

frmEdit::frmEdit(EditorServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      settings_(*services_.settings),
      ui_(*services_.ui) {
    setObjectName("frmEdit");
    history_ = new QUndoStack(this);
    history_->setUndoLimit(HistoryLimit);
    tmrMonitor_ = new QTimer(this);
    tmrMonitor_->setObjectName("tmrMonitor");
    tmrMonitor_->setInterval(1000);
    connect(tmrMonitor_, &QTimer::timeout, this, [this] { tmrMonitor_Timer(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { SessionEnding(manager); });
    PhoneCommandHost phoneHost;
    phoneHost.picture = [this] { return picture_; };
    phoneHost.text = [this] { return pictureText_.toStdU32String(); };
    phoneHost.checkBeforeOutput = [this] { return CheckBeforeOutput(); };
    phoneHost.setBusy = [this](bool flag) { SetBusy(flag); };
    phone_ = std::make_unique<PhoneCommands>(settings_, ui_, *services_.phone,
                                             services_.phonebookCachePath, phoneHost, this);
    WebCommandHost webHost;
    webHost.picture = [this] { return picture_; };
    webHost.text = [this] { return pictureText_.toStdU32String(); };
    webHost.confirmNotEmpty = [this] { return ConfirmNotEmpty(); };
    webHost.tempFolder = [this] { return CurrentTempFolder(); };
    webHost.openDocument = services_.openDocument;
    webHost.openAddress = services_.openAddress;
    webHost.loadImage = services_.loadImage;
    webHost.tempWriter = services_.tempWriter;
    webHost.hideSmsSend = [this] { phone_->HideSmsSend(); };
    web_ = std::make_unique<WebCommands>(settings_, ui_, *this, webHost, this);
    BuildMenus();
    BuildToolbar();
    BuildViews();
}

frmEdit::~frmEdit() = default;

QAction* frmEdit::AddItem(QMenu* menu, const char* name, const QString& caption,
                          const QKeySequence& shortcut, void (frmEdit::*handler)()) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Shortcuts act on the picture wherever the focus is inside the window.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (handler != nullptr) {
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
    return action;
}

void frmEdit::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [bar](QMenu* parent, const char* name, const QString& caption) {
        QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(QString(name) + "Action");
        return menu;
    };
    auto separator = [](QMenu* menu, const char* name = nullptr) {
        QAction* s = menu->addSeparator();
        if (name != nullptr) {
            s->setObjectName(name);
        }
        return s;
    };

    QMenu* file = addMenu(nullptr, "mnuFile", "&File");
    AddItem(file, "mnuNew", "&New", QKeySequence("Ctrl+N"), &frmEdit::mnuNew_Click);
    separator(file);
    AddItem(file, "mnuOpen", "&Open...", QKeySequence("Ctrl+O"), &frmEdit::mnuOpen_Click);
    AddItem(file, "mnuSave", "&Save", QKeySequence("Ctrl+S"), &frmEdit::mnuSave_Click);
    AddItem(file, "mnuSaveAs", "Save &As...", QKeySequence(), &frmEdit::mnuSaveAs_Click);
    separator(file);
    AddItem(file, "mnuSend", "Sen&d as SMS...", QKeySequence("Ctrl+D"), &frmEdit::mnuSend_Click);
    AddItem(file, "mnuInternet", "Send via In&ternet", QKeySequence("Ctrl+T"),
            &frmEdit::mnuInternet_Click);
    separator(file);
    AddItem(file, "mnuImport", "Im&port BMP, GIF, JPG...", QKeySequence("Ctrl+P"),
            &frmEdit::mnuImport_Click);
    AddItem(file, "mnuExport", "&Export BMP, WBMP...", QKeySequence("Ctrl+E"),
            &frmEdit::mnuExport_Click);
    separator(file, "mnuRecentSep")->setVisible(false);
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = "mnuRecent" + QByteArray::number(i);
        QAction* recent =
            AddItem(file, name.constData(), QString("&%1 ").arg(i), QKeySequence(), nullptr);
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this, [this, i] { OpenRecentFile(i - 1); });
    }
    separator(file);
    AddItem(file, "mnuExit", "E&xit", QKeySequence(), &frmEdit::mnuExit_Click);

    QMenu* edit = addMenu(nullptr, "mnuEdit", "&Edit");
    connect(edit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    QAction* undo =
        AddItem(edit, "mnuUndo", "&Undo", QKeySequence("Ctrl+Z"), &frmEdit::mnuUndo_Click);
    QAction* redo =
        AddItem(edit, "mnuRedo", "&Redo", QKeySequence("Ctrl+Shift+Z"), &frmEdit::mnuRedo_Click);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(history_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(history_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    separator(edit);
    QMenu* move = addMenu(edit, "mnuMove", "&Move");
    AddItem(move, "mnuMoveUp", "&Up", QKeySequence(), &frmEdit::mnuMoveUp_Click);
    AddItem(move, "mnuMoveDown", "&Down", QKeySequence(), &frmEdit::mnuMoveDown_Click);
    AddItem(move, "mnuMoveLeft", "&Left", QKeySequence(), &frmEdit::mnuMoveLeft_Click);
    AddItem(move, "mnuMoveRight", "&Right", QKeySequence(), &frmEdit::mnuMoveRight_Click);
    AddItem(edit, "mnuInvert", "&Invert", QKeySequence("Ctrl+I"), &frmEdit::mnuInvert_Click);
    AddItem(edit, "mnuFlipX", "Flip &Horizontal", QKeySequence("Ctrl+X"), &frmEdit::mnuFlipX_Click);
    AddItem(edit, "mnuFlipY", "Flip &Vertical", QKeySequence("Ctrl+Y"), &frmEdit::mnuFlipY_Click);
    separator(edit);
    AddItem(edit, "mnuCopy", "&Copy", QKeySequence("Ctrl+C"), &frmEdit::mnuCopy_Click);
    AddItem(edit, "mnuPaste", "&Paste", QKeySequence("Ctrl+V"), &frmEdit::mnuPaste_Click);
    AddItem(edit, "mnuMonitor", "Mo&nitor Clipboard", QKeySequence("Ctrl+M"),
            &frmEdit::mnuMonitor_Click)
        ->setCheckable(true);
    separator(edit);
    AddItem(edit, "mnuOptions", "&Options...", QKeySequence(), &frmEdit::mnuOptions_Click);

    QMenu* extras = addMenu(nullptr, "mnuExtras", "Ex&tras");
    AddItem(extras, "mnuSendNGG", "Send to &Tamsel Editor", QKeySequence(),
            &frmEdit::mnuSendNGG_Click);
    AddItem(extras, "mnuSendNOL", "Send to &Vornik Uploader", QKeySequence(),
            &frmEdit::mnuSendNOL_Click);
    for (int i = 0; i < 2; ++i) {
        const QByteArray name = "mnuSendToAdd" + QByteArray::number(i + 1);
        QAction* item = AddItem(extras, name.constData(), "Send to ...", QKeySequence(), nullptr);
        item->setVisible(false);
        item->setEnabled(false);
        connect(item, &QAction::triggered, this, [this, i] { mnuSendToAdd_Click(i); });
    }
    separator(extras, "mnuOtherSep");
    QMenu* other = addMenu(extras, "mnuOtherSend", "Send other SMS via Internet");
    const char* otherCaptions[] = {"Flash SMS (160 chars)", "Blink SMS (70 chars)",
                                   "Extralarge SMS (459 chars)", "Special SMS (\"SMS Virus\")"};
    const OtherSend otherModes[] = {OtherSend::Flash, OtherSend::Blink, OtherSend::Long,
                                    OtherSend::Special};
    for (int i = 0; i < 4; ++i) {
        QAction* entry = AddItem(other, "mnuOther", otherCaptions[i], QKeySequence(), nullptr);
        entry->setProperty("index", i);
        const OtherSend mode = otherModes[i];
        connect(entry, &QAction::triggered, this, [this, mode] { mnuOther_Click(mode); });
    }
    // The partner page is a web command too, so it lives in the submenu and hides with it.
    separator(other, "mnuSep20");
    AddItem(other, "mnuOtherPartner", "Partnerprogram for Webmasters", QKeySequence(),
            &frmEdit::mnuOtherPartner_Click);

    QMenu* help = addMenu(nullptr, "mnuHelp", "&Help");
    AddItem(help, "mnuHelpInformation", "&Information", QKeySequence(),
            &frmEdit::mnuHelpInformation_Click);
    separator(help);
    AddItem(help, "mnuHelpFAQ", "&Help on Website", QKeySequence(), &frmEdit::mnuHelpFAQ_Click);
    AddItem(help, "mnuNewsletter", "&Free Newsletter", QKeySequence(),
            &frmEdit::mnuNewsletter_Click);
    AddItem(help, "mnuHelpSamples", "&Download Samples", QKeySequence(),
            &frmEdit::mnuHelpSamples_Click);
    AddItem(help, "mnuHelpUpdates", "&Check for Updates", QKeySequence(),
            &frmEdit::mnuHelpUpdates_Click);
    separator(help);
    AddItem(help, "mnuAbout", "&About", QKeySequence(), &frmEdit::mnuAbout_Click);

    // The blinking indicator of the clipboard monitor sits on the menu bar itself.
    QAction* monitoring = bar->addAction("Monitoring clipboard");
    monitoring->setObjectName("mnuMonitoring");
    monitoring->setVisible(false);
}

void frmEdit::BuildToolbar() {
    Toolbar1_ = addToolBar("Toolbar");
    Toolbar1_->setObjectName("Toolbar1");
    Toolbar1_->setMovable(false);
    Toolbar1_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"New", "New", QStyle::SP_FileIcon},
        {"Open", "Open", QStyle::SP_DialogOpenButton},
        {"Save", "Save", QStyle::SP_DialogSaveButton},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Send", "Send as SMS", QStyle::SP_ArrowForward},
        {"Internet", "Send via Internet", QStyle::SP_DriveNetIcon},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Options", "Options", QStyle::SP_FileDialogDetailedView},
    };
    for (const Button& b : buttons) {
        if (b.key == nullptr) {
            Toolbar1_->addSeparator();
            continue;
        }
        QAction* action = Toolbar1_->addAction(style()->standardIcon(b.icon), b.key);
        action->setObjectName(QString("Toolbar1_") + b.key);
        action->setProperty("key", QString(b.key));
        action->setToolTip(b.tip);
        const QString key = b.key;
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void frmEdit::BuildViews() {
    auto* central = new QWidget(this);
    central->setObjectName("frmEditClient");
    auto* grid = new QGridLayout(central);

    picMain_ = new RasterView(&views_.Canvas(), central);
    picMain_->setObjectName("picMain");
    picMain_->setFocusPolicy(Qt::StrongFocus);
    picMain_->setMouseTracking(true);
    picMain_->setCursor(Qt::CrossCursor);
    grid->addWidget(picMain_, 0, 0, 1, 1, Qt::AlignLeft | Qt::AlignTop);

    auto* side = new QVBoxLayout();
    picDisplay_ = new RasterView(&views_.Preview(), central);
    picDisplay_->setObjectName("picDisplay");
    side->addWidget(picDisplay_, 0, Qt::AlignHCenter);

    auto* arrows = new QGridLayout();
    auto arrow = [&](const char* name, const QString& glyph, const QString& tip, int row, int col,
                     void (frmEdit::*handler)()) {
        auto* button = new QToolButton(central);
        button->setObjectName(name);
        button->setText(glyph);
        button->setToolTip(tip);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
        arrows->addWidget(button, row, col);
    };
    arrow("cmdUp", QString::fromUtf8("\u25B2"), "Move up", 0, 1, &frmEdit::mnuMoveUp_Click);
    arrow("cmdLeft", QString::fromUtf8("\u25C0"), "Move left", 1, 0, &frmEdit::mnuMoveLeft_Click);
    arrow("cmdRight", QString::fromUtf8("\u25B6"), "Move right", 1, 2,
          &frmEdit::mnuMoveRight_Click);
    arrow("cmdDown", QString::fromUtf8("\u25BC"), "Move down", 2, 1, &frmEdit::mnuMoveDown_Click);
    side->addLayout(arrows);
    side->addStretch(1);
    lblURL_ = new QLabel(QString::fromStdString(web_->Context().host), central);
    lblURL_->setObjectName("lblURL");
    lblURL_->setCursor(Qt::PointingHandCursor);
    lblURL_->setStyleSheet("color: rgb(0, 0, 192);");
    lblURL_->installEventFilter(this);
    side->addWidget(lblURL_, 0, Qt::AlignHCenter);
    grid->addLayout(side, 0, 1, 2, 1);

    auto* textRow = new QHBoxLayout();
    picPMTextXP_ = new QFrame(central);
    picPMTextXP_->setObjectName("picPMTextXP");
    picPMTextXP_->setVisible(false);
    txtPMText_ = new PMTextEdit(central);
    txtPMText_->setObjectName("txtPMText");
    txtPMText_->setToolTip("Text for Picture-Message (121 chars)");
    QPalette palette = txtPMText_->palette();
    palette.setColor(QPalette::Base, ToQColor(TextBackColour));
    palette.setColor(QPalette::Text, Qt::black);
    txtPMText_->setPalette(palette);
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    txtPMText_->setFont(font);
    txtPMText_->setFixedHeight(48);
    textRow->addWidget(txtPMText_, 1);

    txtPos_ = new QLineEdit(central);
    txtPos_->setObjectName("txtPos");
    txtPos_->setReadOnly(true);
    txtPos_->setFocusPolicy(Qt::NoFocus);
    txtPos_->setToolTip("Position of cursor OR chars left in text");
    txtPos_->setFixedWidth(64);
    textRow->addWidget(txtPos_, 0, Qt::AlignTop);
    picBranding_ = new QLabel(central);
    picBranding_->setObjectName("picBranding");
    picBranding_->setVisible(false);
    textRow->addWidget(picBranding_, 0, Qt::AlignTop);
    grid->addLayout(textRow, 1, 0);

    setCentralWidget(central);

    connect(picMain_, &RasterView::MouseDown, this,
            [this](int button, QPointF p) { picMain_MouseDown(button, p.x(), p.y()); });
    connect(picMain_, &RasterView::MouseMove, this,
            [this](int buttons, QPointF p) { picMain_MouseMove(buttons, p.x(), p.y()); });
    connect(picMain_, &RasterView::MouseUp, this, [this](int, QPointF) { picMain_MouseUp(); });
    connect(picMain_, &RasterView::KeyDown, this, [this](int key) { picMain_KeyDown(key); });
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
    if (services_.singleInstance) {
        instanceLock_ = std::make_unique<InstanceLock>();
        if (!instanceLock_->TryAcquire()) {
            duplicateInstance_ = true;
            RunSecondStart(settings_, ui_, commandLine_);
            return false;
        }
        if (instanceLock_->Unusable()) {
            // This start runs all the same; the user learns why later starts open windows too.
            ui_.MessageBox(InstanceLockProblemText(instanceLock_->FileName().toStdString()),
                           ProductName, MessageIcon::Warning, MessageButtons::Ok);
        } else {
            // No other editor of ours runs, so a "CurrentBusy" found now is a crashed run's and
            // would make every later start only beep.
            SetBusy(false);
        }
        // 3. The receiver for files handed over by later starts and by the siblings.
        messageHook_ =
            new MessageHook([this](const std::string& path) { myOpenFileReceived(path); },
                            [this] {
                                if (isMinimized()) {
                                    showNormal();
                                }
                                show();
                                raise();
                                activateWindow();
                            },
                            this);
        messageHook_->InstallMessageHook(ProductName);
    }

    // 4-6. Caption; the text's character set is built once on first use.
    setWindowTitle(ProductName);
    picPMTextXP_->setVisible(false);

    // 7. Window position, pulled back onto the screen.
    PlaceWindow();
    ui_.ProcessEvents();

    // 8. Dialog folders and the author's name.
    folders_.userDir = ReadText(settings_, keys::UserDir);
    folders_.userDirSave = ReadText(settings_, keys::UserDirSave);
    folders_.importDir = ReadText(settings_, keys::ImportDir);
    folders_.exportDir = ReadText(settings_, keys::ExportDir);
    AskAuthorName();

    // 9. Version keys, for the siblings and the installer.
    WriteText(settings_, keys::VerMajor, TwoDigits(PIXORA_VERSION_MAJOR));
    WriteText(settings_, keys::VerMinor, TwoDigits(PIXORA_VERSION_MINOR));
    WriteText(settings_, keys::VerRevision, TwoDigits(PIXORA_VERSION_PATCH));
    WriteText(settings_, keys::VerIR, "00");
    WriteText(settings_, keys::VerCable, "00");

    // 10. An empty document.
    modified_ = 0;
    ResetDocument();
    ui_.ProcessEvents();
    documentName_ = UntitledName;
    UpdateTitle(true);

    // 11.
    views_.ClearPreview();
    phonebookLoaded_ = false;

    // 12. Where the program and the phonebook cache are.
    programFolder_ = FolderOf(services_.programPath);
    WriteText(settings_, keys::Application, services_.programPath);
    phonebookCachePath_ = services_.phonebookCachePath;

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
        const std::string rememberedUserDir = folders_.userDir;
        folders_.userDir = FolderOf(commandLine_);
        OpenGraphicFile(commandLine_);
        if (IsSiblingHandOverName(commandLine_)) {
            folders_.userDir = rememberedUserDir;
        }
        SetBusy(false);
    }

    // 17. The recent-file list; a file opened above goes back to its top.
    for (size_t i = 0; i < recentFiles_.size(); ++i) {
        recentFiles_[i] = ReadText(settings_, keys::RecentFiles[i]);
    }
    AddRecentFile(documentName_);

    // 18. The web commands only where the web service offers them.
    web_->Context().versionCode =
        VersionCode(PIXORA_VERSION_MAJOR, PIXORA_VERSION_MINOR, PIXORA_VERSION_PATCH);
    const RegionResult region = services_.regionCheck ? services_.regionCheck() : RegionResult{};
    phone_->SetKeyboardCountryCode(region.keyboardCountryCode);
    web_->Context().keyboardCountryCode = region.keyboardCountryCode;
    web_->SetWebCommandsVisible(region.webCommandsOffered);

    // 19. The "Send to" entries, then the branding file.
    web_->LoadSendToEntries();
    web_->ApplyBranding(programFolder_);
    ui_.ProcessEvents();

    // 20-21. The temporary folder, cleared of old pages and pictures.
    tempFolder_ = services_.tempFolder ? services_.tempFolder() : std::string();
    if (services_.deleteTempFiles && !tempFolder_.empty()) {
        services_.deleteTempFiles(tempFolder_);
    }
    // A save killed half way leaves its temporary file; the folders we save into are cleared
    // of such leftovers of our own (the next save into any other folder clears that one).
    for (const std::string& folder : {folders_.userDir, folders_.userDirSave, folders_.exportDir,
                                      FolderOf(phonebookCachePath_)}) {
        if (!folder.empty()) {
            RemoveStaleSaveFiles(folder);
        }
    }
    picMain_->setFocus();
    return true;
}

namespace {

QRect AvailableScreen() {
    return QGuiApplication::primaryScreen() != nullptr
               ? QGuiApplication::primaryScreen()->availableGeometry()
               : QRect(0, 0, 1024, 768);
}

// The frame's top-left (relative to the screen) that keeps a frame of this size on the screen:
// pulled back from the right and bottom edges first, then from the left and top ones.
QPoint FrameOnScreen(double left, double top, const QSize& frame, const QRect& screen) {
    if (screen.width() - frame.width() < left) {
        left = screen.width() - frame.width();
    }
    if (screen.height() - frame.height() < top) {
        top = screen.height() - frame.height();
    }
    if (left < 0) {
        left = 0;
    }
    if (top < 0) {
        top = 0;
    }
    return QPoint(screen.left() + static_cast<int>(std::lround(left)),
                  screen.top() + static_cast<int>(std::lround(top)));
}

}  // namespace

void frmEdit::PlaceWindow() {
    adjustSize();
    const QRect screen = AvailableScreen();
    const double leftTwips = ReadCoordinate(settings_, keys::Left);
    const double topTwips = ReadCoordinate(settings_, keys::Top);
    // Huge stored values are clamped before conversion so they cannot overflow an int.
    const double left = std::clamp(leftTwips / TwipsPerPixel, -1e6, 1e6);
    const double top = std::clamp(topTwips / TwipsPerPixel, -1e6, 1e6);
    // The frame is not known before the window shows; KeepFrameOnScreen corrects it then.
    move(FrameOnScreen(left, top, frameGeometry().size().expandedTo(size()), screen));
    placing_ = true;
}

void frmEdit::KeepFrameOnScreen() {
    // The position is that of the frame, so the title bar and the borders count too: a window
    // placed by its inner size alone would hang its bottom edge below the screen.
    const QRect screen = AvailableScreen();
    const QRect frame = frameGeometry();
    const QPoint place = FrameOnScreen(frame.left() - screen.left(), frame.top() - screen.top(),
                                       frame.size(), screen);
    if (place != frame.topLeft()) {
        move(place);
    }
}

void frmEdit::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placing_) {
        placing_ = false;
        // The window manager adds its frame once the window is mapped, a little later on some
        // desktops; the position is checked again then. Looking twice moves nothing that fits.
        QTimer::singleShot(0, this, [this] { KeepFrameOnScreen(); });
        QTimer::singleShot(300, this, [this] { KeepFrameOnScreen(); });
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
            "Before you start to use this Editor, please\r\nenter your name here:", ProductName, "",
            static_cast<int>(200 / TwipsPerPixel), static_cast<int>(300 / TwipsPerPixel));
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
    if (messageHook_ != nullptr) {
        messageHook_->RemoveMessageHook();
    }
    if (instanceLock_) {
        instanceLock_->Release();
    }
}

void frmEdit::SaveWindowSettings() {
    settings_.Write(keys::Left.section, keys::Left.key,
                    std::to_string(std::lround(x() * TwipsPerPixel)));
    settings_.Write(keys::Top.section, keys::Top.key,
                    std::to_string(std::lround(y() * TwipsPerPixel)));
    for (size_t i = 0; i < recentFiles_.size(); ++i) {
        WriteText(settings_, keys::RecentFiles[i], recentFiles_[i]);
    }
    WriteText(settings_, keys::UserDir, folders_.userDir);
    WriteText(settings_, keys::UserDirSave, folders_.userDirSave);
    WriteText(settings_, keys::ImportDir, folders_.importDir);
    WriteText(settings_, keys::ExportDir, folders_.exportDir);
}

// ---- Document state ----

void frmEdit::UpdateTitle(bool saved) {
    const std::string title = TitleFor(documentName_, saved);
    modified_ = saved ? 0 : 1;
    // Typing calls this for every character; the shared settings file is written only when the
    // caption really changes.
    if (title == writtenTitle_) {
        return;
    }
    setWindowTitle(QString::fromStdString(title));
    if (WriteText(settings_, keys::CurrentAppname, title)) {
        writtenTitle_ = title;
    }
}

int frmEdit::AskSaveChanges() {
    int result = AnswerNo;
    if (ReadInt(settings_, keys::WarnIfNotSaved) == 1 && modified_ == 1) {
        activateWindow();
        const int answer = ui_.MessageBox(
            documentName_ + "\r\nhas not been saved yet.\r\n\r\nDo you want to save it now?",
            ProductName, MessageIcon::Warning, MessageButtons::YesNoCancel);
        if (answer == AnswerYes) {
            // Only a picture that really reached its file may be discarded: a cancelled save
            // dialog or a failed write is the same as Cancel.
            if (!SaveDocument()) {
                result = AnswerCancel;
            }
        } else if (answer == AnswerCancel) {
            result = AnswerCancel;
        }
    }
    return result;
}

void frmEdit::ResetDocument() {
    ClearHistory();
    documentName_ = UntitledName;
    UpdateTitle(true);
    ClearPicture();
    SetPictureText(QString());
    BlankCanvas();
    ClearPreview();
}

void frmEdit::SetBusy(bool flag) {
    busy_ = flag;
    // Commands call one another (Open asks to save, Save may become Save As), and the inner
    // command's end must not let the clipboard monitor in while the outer one still asks the
    // user; the depth says when the last of them has ended.
    commandDepth_ = flag ? commandDepth_ + 1 : std::max(0, commandDepth_ - 1);
    if (!flag && commandDepth_ == 0 && monitorDeferred_) {
        // Looked at once more when the command is over, not in its middle.
        QTimer::singleShot(0, this, [this] {
            if (monitorDeferred_ && tmrMonitor_->isActive()) {
                monitorDeferred_ = false;
                MonitorLook();
            }
        });
    }
    if (flag) {
        WriteBool(settings_, keys::CurrentBusy, true);
    } else {
        DeleteKey(settings_, keys::CurrentBusy);
    }
}

void frmEdit::SetPictureText(const QString& text) {
    // Text from outside is held to the box's limit as typed text is.
    txtPMText_->SetTextQuietly(text.left(MaxTextLength));
    pictureText_ = txtPMText_->toPlainText();
}

// ---- Picture and views ----

void frmEdit::RepaintViews() {
    picMain_->update();
    picDisplay_->update();
}

void frmEdit::ClearPicture() {
    picture_.Clear();
}

void frmEdit::DrawPixel(int px, int py) {
    if (modified_ == 0) {
        UpdateTitle(false);
    }
    views_.PaintCell(picture_, px, py);
    RepaintViews();
}

void frmEdit::RedrawPicture() {
    // Cell by cell as DrawPixel does, but with one title update and one repaint of the views.
    if (modified_ == 0) {
        UpdateTitle(false);
    }
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            views_.PaintCell(picture_, px, py);
        }
    }
    RefreshPreview();
}

void frmEdit::RefreshPreview() {
    views_.RefreshPreview(picture_);
    RepaintViews();
}

void frmEdit::ClearPreview() {
    views_.ClearPreview();
    RepaintViews();
}

void frmEdit::CommitWorkGrid() {
    UpdateTitle(false);
    picture_ = work_;
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            views_.PaintCell(picture_, px, py);
        }
    }
    RepaintViews();
}

void frmEdit::DrawGrid() {
    views_.DrawGrid();
    RepaintViews();
}

void frmEdit::BlankCanvas() {
    views_.BlankCanvas();
    RepaintViews();
}

void frmEdit::SetPixelFromMouse(int button, double x, double y) {
    const int px = CellFromCanvas(x);
    const int py = CellFromCanvas(y);
    if (!PictureGrid::Contains(px, py)) {
        return;
    }
    if (button == 1) {
        picture_.Set(px, py, 1);
        DrawPixel(px, py);
    } else if (button == 2) {
        picture_.Set(px, py, 0);
        DrawPixel(px, py);
    }
}

// ---- Input ----

void frmEdit::picMain_MouseDown(int button, double x, double y) {
    buttonHeld_ = true;
    if (!strokeOpen_) {
        strokeOpen_ = true;
        strokeStart_ = picture_;
    }
    SetPixelFromMouse(button, x, y);
}

void frmEdit::picMain_MouseMove(int buttons, double x, double y) {
    if (buttonHeld_) {
        SetPixelFromMouse(buttons, x, y);
    }
    const int px = CellFromCanvas(x);
    const int py = CellFromCanvas(y);
    if (PictureGrid::Contains(px, py)) {
        txtPos_->setText(QString::fromStdString(PositionReadout(px, py)));
    }
}

void frmEdit::picMain_MouseUp() {
    buttonHeld_ = false;
    if (strokeOpen_) {
        strokeOpen_ = false;
        RecordStep(strokeStart_, "Draw");
    }
}

void frmEdit::picMain_KeyDown(int key) {
    switch (key) {
        case Qt::Key_Up:
            mnuMoveUp_Click();
            break;
        case Qt::Key_Down:
            mnuMoveDown_Click();
            break;
        case Qt::Key_Left:
            mnuMoveLeft_Click();
            break;
        case Qt::Key_Right:
            mnuMoveRight_Click();
            break;
        default:
            break;
    }
}

void frmEdit::txtPMText_Change() {
    txtPos_->setText(QString::fromStdString(CharsLeftReadout(txtPMText_->Length())));
    const QString text = txtPMText_->toPlainText();
    // Composing with an input method redraws the box without changing its text.
    const bool changed = text != pictureText_;
    pictureText_ = text;
    // Deleting or pasting text changes the document as much as typing does.
    if (changed && !txtPMText_->SettingQuietly() && modified_ != 1) {
        UpdateTitle(false);
    }
}

void frmEdit::txtPMText_MouseMove() {
    txtPos_->setText(QString::fromStdString(CharsLeftReadout(txtPMText_->Length())));
}

void frmEdit::myOpenFileReceived(const std::string& path) {
    if (path.empty()) {
        return;
    }
    SetBusy(true);
    ui_.ProcessEvents();
    if (AskSaveChanges() != AnswerCancel) {
        if (IsImportPictureName(path)) {
            folders_.importDir = FolderOf(path);
            ImportPicture(path);
        } else {
            const std::string rememberedUserDir = folders_.userDir;
            folders_.userDir = FolderOf(path);
            OpenGraphicFile(path);
            // Temporary folders of the siblings never become the Open folder.
            if (IsSiblingHandOverName(path)) {
                folders_.userDir = rememberedUserDir;
            }
        }
    }
    SetBusy(false);
}

// ---- Commands ----

void frmEdit::mnuNew_Click() {
    SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        ResetDocument();
    }
    SetBusy(false);
}

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

void frmEdit::mnuSend_Click() {
    phone_->mnuSend_Click();
}

void frmEdit::mnuAbout_Click() {
    SetBusy(true);
    const std::string version = std::to_string(PIXORA_VERSION_MAJOR) + "." +
                                std::to_string(PIXORA_VERSION_MINOR) + "." +
                                std::to_string(PIXORA_VERSION_PATCH);
    ui_.MessageBox(std::string(ProductName) + " " + version +
                       "\r\n\r\nThe editor for Smart Messaging picture messages.",
                   std::string("About ") + ProductName, MessageIcon::Information,
                   MessageButtons::Ok);
    SetBusy(false);
}

void frmEdit::RunMove(int direction) {
    const PictureGrid before = picture_;
    work_ = MovePicture(picture_, static_cast<MoveDirection>(direction));
    CommitWorkGrid();
    RecordStep(before, "Move");
}

void frmEdit::mnuMoveUp_Click() {
    RunMove(static_cast<int>(MoveDirection::Up));
}
void frmEdit::mnuMoveDown_Click() {
    RunMove(static_cast<int>(MoveDirection::Down));
}
void frmEdit::mnuMoveLeft_Click() {
    RunMove(static_cast<int>(MoveDirection::Left));
}
void frmEdit::mnuMoveRight_Click() {
    RunMove(static_cast<int>(MoveDirection::Right));
}

void frmEdit::mnuInvert_Click() {
    const PictureGrid before = picture_;
    ui_.SetBusyPointer(true);
    UpdateTitle(false);
    InvertPicture(picture_);
    RedrawPicture();
    ui_.SetBusyPointer(false);
    RecordStep(before, "Invert");
}

void frmEdit::mnuFlipX_Click() {
    const PictureGrid before = picture_;
    ui_.SetBusyPointer(true);
    UpdateTitle(false);
    work_ = FlipHorizontal(picture_);
    CommitWorkGrid();
    ui_.SetBusyPointer(false);
    RecordStep(before, "Flip Horizontal");
}

void frmEdit::mnuFlipY_Click() {
    const PictureGrid before = picture_;
    ui_.SetBusyPointer(true);
    UpdateTitle(false);
    work_ = FlipVertical(picture_);
    CommitWorkGrid();
    ui_.SetBusyPointer(false);
    RecordStep(before, "Flip Vertical");
}

bool frmEdit::ConfirmNotEmpty() {
    return pixora::ConfirmNotEmpty(picture_, settings_, ui_);
}

bool frmEdit::CheckBeforeOutput() {
    return pixora::CheckBeforeOutput(picture_, settings_, ui_);
}

void frmEdit::mnuCopy_Click() {
    SetBusy(true);
    if (CheckBeforeOutput() && services_.clipboard != nullptr) {
        // A clipboard another program holds stays as it was; the picture is untouched either way.
        services_.clipboard->WriteBitmap(views_.Output());
    }
    SetBusy(false);
}

void frmEdit::mnuPaste_Click() {
    Clipboard* clipboard = services_.clipboard;
    if (clipboard == nullptr || !clipboard->HasBitmap()) {
        ui_.Beep();
        return;
    }
    SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        ui_.SetBusyPointer(true);
        std::optional<Raster> bitmap = clipboard->ReadBitmap();
        if (bitmap && !bitmap->Empty()) {
            views_.MutableOutput() = std::move(*bitmap);
            FitImportedPicture(views_.MutableOutput(), ClipboardDisplayName, settings_, ui_);
            const std::optional<PictureGrid> pasted =
                ThresholdPicture(views_.Output(), settings_, ui_);
            if (pasted) {
                const PictureGrid before = picture_;
                picture_ = *pasted;
                RedrawPicture();
                documentName_ = UntitledName;
                UpdateTitle(false);
                RecordStep(before, "Paste");
            } else {
                // The output bitmap must show the picture again, not the foreign image.
                RefreshPreview();
            }
        }
        ui_.SetBusyPointer(false);
    }
    SetBusy(false);
}

void frmEdit::mnuEdit_Click() {
    QAction* paste = findChild<QAction*>("mnuPaste");
    paste->setEnabled(services_.clipboard != nullptr && services_.clipboard->HasBitmap());
}

void frmEdit::mnuMonitor_Click() {
    QAction* monitor = findChild<QAction*>("mnuMonitor");
    QAction* monitoring = findChild<QAction*>("mnuMonitoring");
    // The action toggles its own check mark when triggered; the timer's state says what the
    // monitor really was.
    if (tmrMonitor_->isActive()) {
        tmrMonitor_->stop();
        monitoring->setVisible(false);
        monitor->setChecked(false);
    } else {
        monitor->setChecked(true);
        tmrMonitor_->start();
    }
}

void frmEdit::tmrMonitor_Timer() {
    QAction* monitoring = findChild<QAction*>("mnuMonitoring");
    monitoring->setVisible(!monitoring->isVisible());
    MonitorLook();
}

void frmEdit::MonitorLook() {
    // A tick arrives inside every nested event loop: a file dialog, a message box, the options
    // or the sending form. Pasting then would replace the picture under the command that is
    // using it (Save As would save the pasted picture), so the monitor waits for the end.
    if (commandDepth_ > 0 || QApplication::activeModalWidget() != nullptr) {
        monitorDeferred_ = true;
        return;
    }
    monitorDeferred_ = false;
    QAction* monitor = findChild<QAction*>("mnuMonitor");
    QAction* monitoring = findChild<QAction*>("mnuMonitoring");
    if (services_.clipboard == nullptr || !services_.clipboard->HasBitmap()) {
        return;
    }
    tmrMonitor_->stop();
    monitoring->setVisible(false);
    monitor->setChecked(false);
    mnuPaste_Click();
    activateWindow();
    // Cleared even when the paste was cancelled, so the same bitmap is not offered again.
    services_.clipboard->Clear();
    tmrMonitor_->start();
    monitor->setChecked(true);
}

void frmEdit::mnuImport_Click() {
    SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        const std::string path =
            ui_.OpenFile(ImportDialogFilter(services_.importExtensions), 1, folders_.importDir);
        if (!path.empty()) {
            folders_.importDir = FolderOf(path);
            ImportPicture(path);
        }
    }
    SetBusy(false);
}

bool frmEdit::ImportPicture(const std::string& path) {
    if (!services_.loadPicture) {
        return false;
    }
    // A pipe or a device named like a picture would keep the loader waiting for ever.
    if (const FileStatus status = CheckRegularFile(path);
        status.error == FileError::NotRegularFile) {
        ShowFileProblem(CantReadFileMessage, path, status);
        return false;
    }
    const std::optional<ImportedImage> image = services_.loadPicture(path);
    if (!image || image->shrunk.Empty()) {
        return false;
    }
    views_.MutableOutput() = FitImportedPicture(*image, path, settings_, ui_);
    const std::optional<PictureGrid> imported = ThresholdPicture(views_.Output(), settings_, ui_);
    if (!imported) {
        RefreshPreview();
        return false;
    }
    const PictureGrid before = picture_;
    picture_ = *imported;
    documentName_ = path;
    AddRecentFile(path);
    modified_ = 2;
    RedrawPicture();
    UpdateTitle(true);
    RecordStep(before, "Import");
    return true;
}

void frmEdit::mnuOpen_Click() {
    SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        const std::string path = ui_.OpenFile(OpenFilter, 1, folders_.userDir);
        if (!path.empty()) {
            folders_.userDir = FolderOf(path);
            OpenGraphicFile(path);
        }
    }
    SetBusy(false);
}

void frmEdit::OpenGraphicFile(const std::string& path) {
    const FileKind kind = ChooseReader(path);
    if (kind == FileKind::ImportI61 || kind == FileKind::ImportPicture) {
        ImportPicture(path);
        return;
    }
    const FileRead read = ReadFile(path);
    if (!read.status.Ok()) {
        // Nothing was read, so the picture and the text stay; the reason tells a missing file
        // from a pipe or a folder.
        ShowFileProblem(CantReadFileMessage, path, read.status);
        return;
    }
    const OpenResult result = pixora::OpenGraphicFile(path, std::string_view(read.bytes));
    if (result.beep || !result.message.empty()) {
        activateWindow();
    }
    ReportOpenResult(result, ui_);
    if (result.action == OpenAction::KeepDocument) {
        // A rejected file leaves the picture and the text the user had; clearing them would
        // leave a saved-looking document that Save would overwrite with nothing.
        return;
    }
    if (result.textChanged) {
        SetPictureText(QString::fromStdU32String(result.text));
    }
    if (result.pictureChanged) {
        picture_ = result.picture;
    }
    ClearHistory();
    if (result.action == OpenAction::Adopt) {
        AdoptOpenedFile(path);
    } else {
        documentName_ = UntitledName;
        modified_ = 2;
        RedrawPicture();
        UpdateTitle(false);
    }
}

void frmEdit::AdoptOpenedFile(const std::string& path) {
    AddRecentFile(path);
    documentName_ = path;
    modified_ = 2;
    RedrawPicture();
    UpdateTitle(true);
}

void frmEdit::AddRecentFile(const std::string& path) {
    pixora::AddRecentFile(recentFiles_, path);
    for (int i = 1; i <= 4; ++i) {
        findChild<QAction*>(QString("mnuRecent%1").arg(i))->setVisible(false);
    }
    const std::vector<RecentMenuEntry> entries = RecentMenuEntries(recentFiles_);
    findChild<QAction*>("mnuRecentSep")->setVisible(!entries.empty());
    for (const RecentMenuEntry& entry : entries) {
        QAction* item = findChild<QAction*>(QString("mnuRecent%1").arg(entry.index + 1));
        item->setText(QString::fromStdString(entry.caption));
        item->setVisible(true);
    }
}

void frmEdit::OpenRecentFile(int index) {
    if (index < 0 || index >= static_cast<int>(recentFiles_.size())) {
        return;
    }
    SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        const std::string path = recentFiles_[static_cast<size_t>(index)];
        if (!path.empty() && QFileInfo(QString::fromStdString(path)).isFile()) {
            OpenGraphicFile(path);
        } else {
            activateWindow();
            ui_.MessageBox("Can't find this file. Try another file.", ProductName,
                           MessageIcon::Warning, MessageButtons::Ok);
        }
    }
    SetBusy(false);
}

void frmEdit::mnuSave_Click() {
    SaveDocument();
}

void frmEdit::mnuSaveAs_Click() {
    SaveDocumentAs();
}

bool frmEdit::SaveDocument() {
    if (SaveNeedsDialog(documentName_)) {
        return SaveDocumentAs();
    }
    SetBusy(true);
    const bool saved = WritePictureMessageFile(documentName_);
    SetBusy(false);
    return saved;
}

bool frmEdit::SaveDocumentAs() {
    SetBusy(true);
    bool saved = false;
    if (CheckBeforeOutput()) {
        const std::string folder =
            folders_.userDirSave.empty() ? folders_.userDir : folders_.userDirSave;
        const std::string path = ui_.SaveFile(ProposedFileName(documentName_), PictureMessageFilter,
                                              1, folder, PictureMessageExtension);
        if (!path.empty()) {
            folders_.userDirSave = FolderOf(path);
            saved = WritePictureMessageFile(path);
        }
    }
    SetBusy(false);
    return saved;
}

void frmEdit::ShowFileProblem(const std::string& firstLine, const std::string& path,
                              const FileStatus& status) {
    activateWindow();
    ui_.MessageBox(firstLine + "\r\n" + QuotedName(path) + "\r\n" + FileStatusText(status),
                   ProductName, MessageIcon::Warning, MessageButtons::Ok);
}

bool frmEdit::WritePictureMessageFile(const std::string& path) {
    if (!CheckBeforeOutput()) {
        return false;
    }
    ui_.SetBusyPointer(true);
    const std::string bytes = pixora::WritePictureMessageFile(
        picture_, pictureText_.toStdU32String(), ReadText(settings_, keys::UserName));
    // Written beside the old file and renamed over it where that can be done, so a failed write
    // keeps the old one; a failure is said, and the picture stays modified.
    const FileStatus status = WriteFile(path, bytes);
    if (status.Ok() && !IsPictureMessageHandOverName(path)) {
        documentName_ = path;
        AddRecentFile(path);
        UpdateTitle(true);
    }
    ui_.SetBusyPointer(false);
    if (!status.Ok()) {
        ShowFileProblem(CantSaveFileMessage, path, status);
    }
    return status.Ok();
}

void frmEdit::mnuExport_Click() {
    SetBusy(true);
    if (CheckBeforeOutput()) {
        const std::string folder =
            folders_.exportDir.empty() ? folders_.importDir : folders_.exportDir;
        const std::string path =
            ui_.SaveFile(ProposedFileName(documentName_), ExportFilter, 1, folder, ExportExtension);
        if (!path.empty()) {
            folders_.exportDir = FolderOf(path);
            // The final name alone decides the format, whatever filter was picked.
            const FileStatus status =
                WriteFile(path, IsWbmpExportName(path) ? WriteWbmpFile(picture_)
                                                       : WriteBmpFile(views_.Output()));
            if (!status.Ok()) {
                ShowFileProblem(CantSaveFileMessage, path, status);
            }
        }
    }
    SetBusy(false);
}

void frmEdit::mnuUndo_Click() {
    history_->undo();
}

void frmEdit::mnuRedo_Click() {
    history_->redo();
}

void frmEdit::ClearHistory() {
    history_->clear();
    strokeOpen_ = false;
}

void frmEdit::RecordStep(const PictureGrid& before, const char* what) {
    if (before == picture_) {
        return;
    }
    history_->push(new PictureStep(this, before, picture_, what));
}

void frmEdit::ShowPicture(const PictureGrid& picture) {
    picture_ = picture;
    UpdateTitle(false);
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            views_.PaintCell(picture_, px, py);
        }
    }
    RefreshPreview();
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

void frmEdit::mnuSendNGG_Click() {
    web_->mnuSendNGG_Click();
}

void frmEdit::mnuSendNOL_Click() {
    web_->mnuSendNOL_Click();
}

void frmEdit::mnuSendToAdd_Click(int index) {
    web_->mnuSendToAdd_Click(index);
}

void frmEdit::mnuInternet_Click() {
    web_->mnuInternet_Click();
}

void frmEdit::mnuOther_Click(OtherSend mode) {
    web_->mnuOther_Click(mode);
}

void frmEdit::mnuOtherPartner_Click() {
    web_->mnuOtherPartner_Click();
}

void frmEdit::mnuHelpInformation_Click() {
    web_->mnuHelpInformation_Click();
}

void frmEdit::mnuHelpFAQ_Click() {
    web_->mnuHelpFAQ_Click();
}

void frmEdit::mnuNewsletter_Click() {
    web_->mnuNewsletter_Click();
}

void frmEdit::mnuHelpSamples_Click() {
    web_->mnuHelpSamples_Click();
}

void frmEdit::mnuHelpUpdates_Click() {
    web_->mnuHelpUpdates_Click();
}

void frmEdit::lblURL_Click() {
    web_->lblURL_Click();
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblURL_) {
        if (event->type() == QEvent::MouseButtonPress) {
            lblURL_->setStyleSheet("color: rgb(192, 0, 0);");
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            lblURL_->setStyleSheet("color: rgb(0, 0, 192);");
            lblURL_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmEdit::Toolbar1_ButtonClick(const QString& key) {
    static const char* const menuItems[][2] = {
        {"Send", "mnuSend"}, {"New", "mnuNew"},         {"Open", "mnuOpen"},
        {"Save", "mnuSave"}, {"Options", "mnuOptions"}, {"Internet", "mnuInternet"}};
    for (const auto& pair : menuItems) {
        if (key == pair[0]) {
            if (QAction* action = findChild<QAction*>(pair[1])) {
                action->trigger();
            }
            return;
        }
    }
}

}  // namespace pixora
