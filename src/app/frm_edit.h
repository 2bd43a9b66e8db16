// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main window, the editor's composition root: it builds the views, the actions and the
// command objects (file, edit, canvas, phone, web), hands each the document and the services it
// needs, and runs the start-up and shutdown sequences. The document itself lives below the
// windows; the commands change it and the views follow it.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/canvas_controller.h"
#include "app/edit_commands.h"
#include "app/editor_actions.h"
#include "app/editor_views.h"
#include "app/file_commands.h"
#include "app/phone_commands.h"
#include "app/web_commands.h"
#include "core/clipboard.h"
#include "core/picture.h"
#include "core/picture_views.h"
#include "core/settings.h"
#include "core/user_interface.h"
#include "document/document.h"
#include "formats/import_fit.h"
#include "shell/file_types.h"
#include "shell/shell_host.h"
#include "shell/single_instance.h"
#include "web/region.h"
#include "web/temp_files.h"
#include "web/web_address.h"

class QAction;
class QSessionManager;
class QTimer;
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
    // Decodes a picture once for Import with Preview; nullopt when it cannot.
    FileCommands::PreviewLoader loadPreview;
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
    // One editor per user: a second start hands its file over and ends. None in tests that do
    // not want it.
    std::function<std::unique_ptr<SingleInstance>()> singleInstance;
    // The desktop's file-type associations; none in tests that do not want them.
    std::function<std::unique_ptr<FileTypeRegistry>()> fileTypeRegistry;
    // Starts a program with one argument (the siblings).
    std::function<bool(const std::string& program, const std::string& argument)> runWithArgument;
};

class frmEdit : public QMainWindow,
                public ShellHost,
                public FileCommandHost,
                public EditCommandHost {
    Q_OBJECT
public:
    explicit frmEdit(EditorServices services, QWidget* parent = nullptr);
    ~frmEdit() override;

    // Runs the start-up sequence. The whole command line is one path. Returns false when this
    // process must end without showing a window.
    bool Startup(const std::string& commandLine);

    // Document state.
    // Marks the document saved or modified; the title follows.
    void UpdateTitle(bool saved);
    Answer AskSaveChanges() override { return files_->AskSaveChanges(); }
    void SetBusy(bool flag) override;
    void SaveWindowSettings();
    // The desktop session ends (logging off, shutting down).
    void SessionEnding(QSessionManager& manager);
    // The process is told to end (SIGTERM).
    void Terminate();

    // The views of the picture.
    void RefreshPreview() override;
    void ClearPreview();
    void BlankCanvas();
    void ClearViews() override;
    bool CommandRunning() const override;
    QWidget* DialogParent() override { return this; }

    // Input on the canvas and the text box.
    void picMain_MouseDown(int button, double x, double y) {
        canvas_->picMain_MouseDown(button, x, y);
    }
    void picMain_MouseMove(int buttons, double x, double y) {
        canvas_->picMain_MouseMove(buttons, x, y);
    }
    void picMain_MouseUp() { canvas_->picMain_MouseUp(); }
    void txtPMText_Change();
    void txtPMText_MouseMove();
    // A file dropped on the views or handed over by another process.
    void myOpenFileReceived(const std::string& path) {
        canvas_->CommitPendingText();
        files_->myOpenFileReceived(path);
    }

    // Commands; the file and edit commands live in their own classes.
    void mnuExit_Click();
    void mnuOptions_Click();
    void mnuAbout_Click();
    void mnuInvert_Click() { edits_->mnuInvert_Click(); }
    void mnuEdit_Click() { edits_->mnuEdit_Click(); }
    void tmrMonitor_Timer() { edits_->tmrMonitor_Timer(); }
    FileCommands& Files() { return *files_; }
    void mnuSend_Click() { phone_->mnuSend_Click(); }
    void mnuInternet_Click() { web_->mnuInternet_Click(); }
    void mnuOther_Click(OtherSend mode) { web_->mnuOther_Click(mode); }

    // Opens any graphic file by the extension text in its path; does not ask about changes.
    void OpenGraphicFile(const std::string& path) { files_->OpenGraphicFile(path); }
    // Saves picture and text; false when nothing was written.
    bool WritePictureMessageFile(const std::string& path) override {
        return files_->WritePictureMessageFile(path);
    }

    // What the sibling hand-off and the file associations need of the window.
    bool FileExists(const std::string& path) override;
    void FocusMainWindow() override;
    void RunWithArgument(const std::string& program, const std::string& argument) override;

    // The phone commands, their conversations and dialogs.
    PhoneCommands& Phone() { return *phone_; }
    // The web, help and send-to commands and what they keep.
    WebCommands& Web() { return *web_; }
    bool ConfirmNotEmpty();
    bool CheckBeforeOutput();

    // State, for the commands of the other windows and for tests.
    Document& Doc() { return doc_; }
    const PictureViews& Views() const { return views_; }
    const std::string& ProgramFolder() const { return programFolder_; }

    FolderSet& DialogFolders() { return files_->Folders(); }
    std::array<std::string, 4>& RecentFiles() { return files_->RecentFiles(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildViews();
    // The web label and the phone front in colours that show on the current palette.
    void ApplyPalette();
    void ShowStatusCell(int px, int py);
    void ConnectActions();
    void PlaceWindow();
    void AskAuthorName();
    // The private temporary folder as it is now (ending in "/"), or empty when there is none.
    const std::string& CurrentTempFolder();
    void RepaintViews();
    // A drawing tool's drag over the picture on the canvas and the phone preview.
    void ShowToolPreview(const std::optional<PictureGrid>& preview);
    // What the document's observers do: the views, the text box, the title and the undo items.
    void RedrawViews();
    void ShowText();
    void ShowTitle();
    void ShowHistory();
    // Whether the window may close now; asks about unsaved changes.
    bool QueryClose();
    void Shutdown();

    EditorServices services_;
    SettingsStore& settings_;
    UserInterface& ui_;

    Document doc_;
    PictureViews views_;
    // Commands running, counted so nested ones do not end it early (the monitor waits for 0).
    int commandDepth_ = 0;
    // The text box reports the user's edit to the document.
    bool typing_ = false;
    bool duplicateInstance_ = false;
    bool shutDown_ = false;
    // Placed from the settings and not yet shown: the frame is checked once it is known.
    bool placing_ = false;
    std::string programFolder_;
    std::string tempFolder_;
    std::string commandLine_;

    RasterView* picMain_ = nullptr;

    CanvasArea* canvasArea_ = nullptr;
    RasterView* picDisplay_ = nullptr;
    PMTextEdit* txtPMText_ = nullptr;
    QLineEdit* txtPos_ = nullptr;
    QFrame* picPMTextXP_ = nullptr;
    EditorActions actions_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<EditCommands> edits_;
    std::unique_ptr<CanvasController> canvas_;
    std::unique_ptr<PhoneCommands> phone_;
    std::unique_ptr<WebCommands> web_;
    std::unique_ptr<SingleInstance> instance_;
    std::string writtenTitle_;
    QLabel* lblURL_ = nullptr;
    QLabel* picBranding_ = nullptr;
    EditorViews statusViews_;
};

}  // namespace pixora
