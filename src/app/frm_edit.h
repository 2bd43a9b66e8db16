#pragma once
// The main window: owns the picture and its views, the text, the document state and the
// commands, and wires them to menus, toolbar and widgets. The algorithms live in the layers
// below; this class calls them in the order the editor needs.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/clipboard.h"
#include "core/picture.h"
#include "core/picture_views.h"
#include "core/settings.h"
#include "core/user_interface.h"
#include "formats/import_fit.h"
#include "shell/file_types.h"
#include "shell/shell_host.h"
#include "web/region.h"
#include "web/temp_files.h"
#include "web/web_address.h"

class QAction;
class QSessionManager;
class QTimer;
class QUndoStack;
class QLabel;
class QLineEdit;
class QFrame;
class QMenu;
class QToolBar;
class QToolButton;

namespace pixora {

class PMTextEdit;
struct FileStatus;
class PhoneCommands;
class WebCommands;
class RasterView;
class SerialPhone;

// What the window needs from the world outside; the program passes the real services, the tests
// pass fakes.
struct EditorServices {
    SettingsStore* settings = nullptr;
    UserInterface* ui = nullptr;
    // The full path of the program file, written for the siblings to find us.
    std::string programPath;
    // Where the phonebook cache lives.
    std::string phonebookCachePath;
    // The phone on the serial port (required); it outlives the window.
    SerialPhone* phone = nullptr;
    // Returns the private temporary folder (ending in "/"), or empty when there is none.
    std::function<std::string()> tempFolder;
    // Removes the leftover temporary pages and pictures from a folder.
    std::function<void(const std::string&)> deleteTempFiles;
    // Replaces the options dialog (tests); the real dialog is shown when empty.
    std::function<void(QWidget*)> showOptions;
    Clipboard* clipboard = nullptr;
    // Decodes an ordinary picture file for import; nullopt when it cannot.
    std::function<std::optional<ImportedImage>(const std::string&)> loadPicture;
    // The Import dialog's extensions, lower case (bmp, gif, ..., png).
    std::vector<std::string> importExtensions;
    // Decodes a picture at its own size (the branding picture).
    std::function<std::optional<Raster>(const std::string&)> loadImage;
    // The desktop's default handlers for a file and for a web address.
    std::function<bool(const std::string&)> openDocument;
    std::function<bool(const std::string&)> openAddress;
    // Writes a new temporary file without following links.
    TempFileWriter* tempWriter = nullptr;
    // Whether the user's region is offered the web commands, and its dialling code.
    std::function<RegionResult()> regionCheck;
    // One editor per user: a second start hands its file over and ends.
    bool singleInstance = false;
    // The desktop's file-type associations; none in tests that do not want them.
    std::function<std::unique_ptr<FileTypeRegistry>()> fileTypeRegistry;
    // Starts a program with one argument (the siblings).
    std::function<bool(const std::string& program, const std::string& argument)> runWithArgument;
};

class InstanceLock;
class MessageHook;

class frmEdit : public QMainWindow, public ShellHost {
    Q_OBJECT
public:
    explicit frmEdit(EditorServices services, QWidget* parent = nullptr);
    ~frmEdit() override;

    // Runs the start-up sequence. The whole command line is one path. Returns false when this
    // process must end without showing a window.
    bool Startup(const std::string& commandLine);

    // Document state.
    void UpdateTitle(bool saved);
    int AskSaveChanges();
    void ResetDocument();
    void SetBusy(bool flag) override;
    void SaveWindowSettings();
    // The desktop session ends (logging off, shutting down).
    void SessionEnding(QSessionManager& manager);
    // The process is told to end (SIGTERM).
    void Terminate();

    // The picture and its views.
    void ClearPicture();
    void DrawPixel(int px, int py);
    void RedrawPicture();
    void RefreshPreview();
    void ClearPreview();
    void CommitWorkGrid();
    void DrawGrid();
    void BlankCanvas();
    void SetPixelFromMouse(int button, double x, double y);

    // Input on the canvas and the text box.
    void picMain_MouseDown(int button, double x, double y);
    void picMain_MouseMove(int buttons, double x, double y);
    void picMain_MouseUp();
    void picMain_KeyDown(int key);
    void txtPMText_Change();
    void txtPMText_MouseMove();
    // A file dropped on the views or handed over by another process.
    void myOpenFileReceived(const std::string& path);

    // Commands.
    void mnuNew_Click();
    void mnuExit_Click();
    void mnuOptions_Click();
    void mnuAbout_Click();
    void mnuMoveUp_Click();
    void mnuMoveDown_Click();
    void mnuMoveLeft_Click();
    void mnuMoveRight_Click();
    void mnuInvert_Click();
    void mnuFlipX_Click();
    void mnuFlipY_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuEdit_Click();
    void mnuMonitor_Click();
    void tmrMonitor_Timer();
    void mnuImport_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExport_Click();
    // index 0..3 for mnuRecent1..mnuRecent4
    void OpenRecentFile(int index);
    void Toolbar1_ButtonClick(const QString& key);
    void mnuInternet_Click();
    void mnuSend_Click();
    void mnuOther_Click(OtherSend mode);
    void mnuOtherPartner_Click();
    void mnuHelpInformation_Click();
    void mnuHelpFAQ_Click();
    void mnuNewsletter_Click();
    void mnuHelpSamples_Click();
    void mnuHelpUpdates_Click();
    void lblURL_Click();

    // Import of an ordinary picture: load, fit, threshold, adopt. Returns false when the file
    // could not be used; nothing has changed then.
    bool ImportPicture(const std::string& path);
    // Opens any graphic file by the extension text in its path; does not ask about changes.
    void OpenGraphicFile(const std::string& path);
    void AdoptOpenedFile(const std::string& path);
    // Saves picture and text; false when nothing was written.
    bool WritePictureMessageFile(const std::string& path) override;

    // What the sibling hand-off and the file associations need of the window.
    bool FileExists(const std::string& path) override;
    void FocusMainWindow() override;
    void RunWithArgument(const std::string& program, const std::string& argument) override;
    void mnuSendNGG_Click();
    void mnuSendNOL_Click();
    // index 0 or 1 for mnuSendToAdd1, mnuSendToAdd2
    void mnuSendToAdd_Click(int index);
    void AddRecentFile(const std::string& path);

    // The phone commands, their conversations and dialogs.
    PhoneCommands& Phone() { return *phone_; }
    // The web, help and send-to commands and what they keep.
    WebCommands& Web() { return *web_; }
    bool ConfirmNotEmpty();
    bool CheckBeforeOutput();
    // Forgets the undo history, as New and Open do.
    void ClearHistory();
    QUndoStack& History() { return *history_; }

    // State, for the commands of the other windows and for tests.
    PictureGrid& Picture() { return picture_; }
    WorkGrid& Work() { return work_; }
    const PictureViews& Views() const { return views_; }
    const std::string& DocumentName() const { return documentName_; }
    void SetDocumentName(const std::string& name) { documentName_ = name; }
    int Modified() const { return modified_; }
    void SetModified(int value) { modified_ = value; }
    bool Busy() const { return busy_; }
    const QString& PictureText() const { return pictureText_; }
    void SetPictureText(const QString& text);
    const std::string& ProgramFolder() const { return programFolder_; }
    const std::string& PhonebookCachePath() const { return phonebookCachePath_; }
    const std::string& TempFolder() const { return tempFolder_; }
    bool PhonebookLoaded() const { return phonebookLoaded_; }

    struct Folders {
        std::string userDir, userDirSave, importDir, exportDir;
    };
    Folders& DialogFolders() { return folders_; }
    std::array<std::string, 4>& RecentFiles() { return recentFiles_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildViews();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, void (frmEdit::*handler)());
    void PlaceWindow();
    // Moves the window back so its frame lies wholly on the screen.
    void KeepFrameOnScreen();
    void AskAuthorName();
    // The private temporary folder as it is now (ending in "/"), or empty when there is none.
    const std::string& CurrentTempFolder();
    void RepaintViews();
    // Whether the window may close now; asks about unsaved changes.
    bool QueryClose();
    // Save and Save As; true only when the picture was written, so that a question about
    // unsaved changes never lets a cancelled or failed save discard the picture.
    bool SaveDocument();
    bool SaveDocumentAs();
    // Tells which file could not be read or written and why; firstLine says what failed.
    void ShowFileProblem(const std::string& firstLine, const std::string& path,
                         const FileStatus& status);
    void Shutdown();
    // Shows a picture from the undo history and marks the document modified.
    void ShowPicture(const PictureGrid& picture);
    // Records a whole-picture edit as one undo step when it changed anything.
    void RecordStep(const PictureGrid& before, const char* what);
    void RunMove(int direction);
    // The clipboard monitor's look at the clipboard, unless a command or a dialog is running.
    void MonitorLook();
    friend class PictureStep;

    EditorServices services_;
    SettingsStore& settings_;
    UserInterface& ui_;

    PictureGrid picture_;
    WorkGrid work_;
    PictureViews views_;
    std::string documentName_ = "Untitled";
    int modified_ = 0;
    bool busy_ = false;
    // Commands running, counted so nested ones do not end it early (the monitor waits for 0).
    int commandDepth_ = 0;
    // The monitor wanted to look while a command ran; it looks once more when it has ended.
    bool monitorDeferred_ = false;
    bool buttonHeld_ = false;
    bool duplicateInstance_ = false;
    bool phonebookLoaded_ = false;
    bool shutDown_ = false;
    // Placed from the settings and not yet shown: the frame is checked once it is known.
    bool placing_ = false;
    QString pictureText_;
    std::string programFolder_;
    std::string phonebookCachePath_;
    std::string tempFolder_;
    std::string commandLine_;
    Folders folders_;
    std::array<std::string, 4> recentFiles_;

    RasterView* picMain_ = nullptr;
    RasterView* picDisplay_ = nullptr;
    PMTextEdit* txtPMText_ = nullptr;
    QLineEdit* txtPos_ = nullptr;
    QFrame* picPMTextXP_ = nullptr;
    QToolBar* Toolbar1_ = nullptr;
    QTimer* tmrMonitor_ = nullptr;
    QUndoStack* history_ = nullptr;
    std::unique_ptr<PhoneCommands> phone_;
    std::unique_ptr<WebCommands> web_;
    std::unique_ptr<InstanceLock> instanceLock_;
    MessageHook* messageHook_ = nullptr;
    std::string writtenTitle_;
    QLabel* lblURL_ = nullptr;
    QLabel* picBranding_ = nullptr;
    PictureGrid strokeStart_;
    bool strokeOpen_ = false;
};

}  // namespace pixora
