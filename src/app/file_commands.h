// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The File menu: New, Open, Import, Save, Save As, Export, the recent files, and files dropped
// on the window or handed over by another process. The questions and messages go through the
// user interface; the work itself is the document's use cases.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/user_interface.h"
#include "document/document.h"
#include "formats/file_io.h"
#include "formats/import_fit.h"
#include "platform/image_loader.h"
#include "sms/received_message.h"

class QWidget;

namespace pixora {

struct EditorActions;
class PictureViews;

// What the file commands need of the window around them.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;
    // A command runs (true) or has ended (false).
    virtual void SetBusy(bool busy) = 0;
    virtual void FocusMainWindow() = 0;
    // The canvas and the preview empty, after New.
    virtual void ClearViews() = 0;
    // The preview shows the picture again.
    virtual void RefreshPreview() = 0;
    // The window the Import with Preview dialog belongs to.
    virtual QWidget* DialogParent() = 0;
};

struct FolderSet {
    std::string userDir, userDirSave, importDir, exportDir;
};

class FileCommands {
public:
    // Decodes an ordinary picture file for import; nullopt when it cannot.
    using PictureLoader = std::function<std::optional<ImportedImage>(const std::string&)>;
    // Decodes a picture once into the working copy and thumbnail of Import with Preview.
    using PreviewLoader = std::function<std::optional<PreviewSource>(const std::string&)>;

    FileCommands(Document& document, SettingsStore& settings, UserInterface& ui,
                 EditorActions& actions, const PictureViews& views, FileCommandHost& host,
                 PictureLoader loadPicture, std::vector<std::string> importExtensions,
                 PreviewLoader loadPreview = {});

    void mnuNew_Click();
    void mnuOpen_Click();
    // Decodes a pasted or loaded received picture message into a new, untitled document.
    void mnuOpenReceived_Click();
    // A received message as a new, untitled and modified document; does not ask about changes.
    void AdoptReceivedMessage(const ReceivedMessage& message);
    void mnuImport_Click();
    void mnuImportPreview_Click();
    void mnuSave_Click() { SaveDocument(); }
    void mnuSaveAs_Click() { SaveDocumentAs(); }
    void mnuExport_Click();
    // index 0..3 for mnuRecent1..mnuRecent4
    void OpenRecentFile(int index);
    // A file dropped on the views or handed over by another process.
    void myOpenFileReceived(const std::string& path);

    // Opens any graphic file by the extension text in its path; does not ask about changes.
    void OpenGraphicFile(const std::string& path);
    // Import of an ordinary picture: load, fit, threshold, adopt. Returns false when the file
    // could not be used; nothing has changed then.
    bool ImportPicture(const std::string& path);
    // The same with the dialog that lets the user choose fit, threshold and dithering while
    // seeing the result; false when the file could not be used or the dialog was cancelled.
    bool ImportPictureWithPreview(const std::string& path);
    // Saves picture and text; false when nothing was written.
    bool WritePictureMessageFile(const std::string& path);
    // Asks about unsaved changes; AnswerCancel when the command must stop.
    Answer AskSaveChanges();
    // An empty, saved "Untitled" document.
    void ResetDocument();
    void AddRecentFile(const std::string& path);

    FolderSet& Folders() { return folders_; }
    std::array<std::string, 4>& RecentFiles() { return recentFiles_; }

private:
    // Save and Save As; true only when the picture was written, so that a question about
    // unsaved changes never lets a cancelled or failed save discard the picture.
    bool SaveDocument();
    bool SaveDocumentAs();
    bool CheckBeforeOutput();
    // Both Import commands: ask about changes, take a file from the Import dialog, remember its
    // folder and hand it to import.
    void RunImportCommand(bool (FileCommands::*import)(const std::string&));
    // Tells which file could not be read or written and why; firstLine says what failed.
    void ShowFileProblem(const std::string& firstLine, const std::string& path,
                         const FileStatus& status);

    Document& doc_;
    SettingsStore& settings_;
    UserInterface& ui_;
    EditorActions& actions_;
    const PictureViews& views_;
    FileCommandHost& host_;
    PictureLoader loadPicture_;
    PreviewLoader loadPreview_;
    std::vector<std::string> importExtensions_;
    FolderSet folders_;
    std::array<std::string, 4> recentFiles_;
};

}  // namespace pixora
