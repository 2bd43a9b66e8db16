// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/file_commands.h"

#include <QAction>
#include <QFileInfo>

#include "app/editor_actions.h"
#include "app/frm_import_preview.h"
#include "app/frm_open_received.h"
#include "core/output_checks.h"
#include "core/paths.h"
#include "core/picture_views.h"
#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/text.h"
#include "core/translate.h"
#include "document/file_use_cases.h"
#include "formats/file_names.h"
#include "formats/open_dispatch.h"
#include "formats/save_dispatch.h"
#include "shell/recent_files.h"
#include "sms/received_message.h"

namespace pixora {

namespace {
constexpr const char* CantSaveFileMessage =
    PIXORA_TRANSLATE_NOOP("FileCommands", "Can't save this file.");
}  // namespace

FileCommands::FileCommands(Document& document, SettingsStore& settings, UserInterface& ui,
                           EditorActions& actions, const PictureViews& views, FileCommandHost& host,
                           PictureLoader loadPicture, std::vector<std::string> importExtensions,
                           PreviewLoader loadPreview)
    : doc_(document),
      settings_(settings),
      ui_(ui),
      actions_(actions),
      views_(views),
      host_(host),
      loadPicture_(std::move(loadPicture)),
      loadPreview_(std::move(loadPreview)),
      importExtensions_(std::move(importExtensions)) {}

Answer FileCommands::AskSaveChanges() {
    Answer result = AnswerNo;
    if (ReadInt(settings_, keys::WarnIfNotSaved) == 1 &&
        doc_.Modified() == ModifiedState::Modified) {
        host_.FocusMainWindow();
        const Answer answer = ui_.MessageBox(
            doc_.DocumentName() +
                TranslateText("FileCommands",
                              "\r\nhas not been saved yet.\r\n\r\nDo you want to save it now?"),
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

void FileCommands::ResetDocument() {
    doc_.Reset();
    host_.ClearViews();
}

void FileCommands::mnuNew_Click() {
    host_.SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        ResetDocument();
    }
    host_.SetBusy(false);
}

void FileCommands::myOpenFileReceived(const std::string& path) {
    if (path.empty()) {
        return;
    }
    host_.SetBusy(true);
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
    host_.SetBusy(false);
}

void FileCommands::RunImportCommand(bool (FileCommands::*import)(const std::string&)) {
    host_.SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        const std::string path =
            ui_.OpenFile(ImportDialogFilter(importExtensions_), 1, folders_.importDir);
        if (!path.empty()) {
            folders_.importDir = FolderOf(path);
            (this->*import)(path);
        }
    }
    host_.SetBusy(false);
}

void FileCommands::mnuImport_Click() {
    RunImportCommand(&FileCommands::ImportPicture);
}

bool FileCommands::ImportPicture(const std::string& path) {
    if (!loadPicture_) {
        return false;
    }
    const PictureDecoder decode = [this](const std::string& file, std::string&) {
        return loadPicture_(file);
    };
    const ImportedPicture imported = ImportPictureFile(path, decode, settings_, ui_);
    switch (imported.outcome) {
        case ImportedPicture::Outcome::NotRegularFile:
            ShowFileProblem(ReadErrorMessage(ReadErrorOf(imported.status), FileKind::ImportPicture),
                            path, imported.status);
            return false;
        case ImportedPicture::Outcome::NotDecoded:
            return false;
        case ImportedPicture::Outcome::LevelRejected:
            host_.RefreshPreview();
            return false;
        case ImportedPicture::Outcome::Imported:
            break;
    }
    AdoptImportedPicture(doc_, imported.picture, path);
    AddRecentFile(path);
    return true;
}

void FileCommands::mnuImportPreview_Click() {
    RunImportCommand(&FileCommands::ImportPictureWithPreview);
}

bool FileCommands::ImportPictureWithPreview(const std::string& path) {
    if (!loadPreview_) {
        return false;
    }
    // A pipe or a device named like a picture would keep the loader waiting for ever.
    if (const FileStatus status = CheckRegularFile(path);
        status.error == FileError::NotRegularFile) {
        ShowFileProblem(ReadErrorMessage(ReadErrorOf(status), FileKind::ImportPicture), path,
                        status);
        return false;
    }
    // A level that is no number stops here as it stops the plain import.
    const std::optional<int> threshold = ImportPreviewThreshold(settings_);
    if (!threshold) {
        return false;
    }
    ui_.SetBusyPointer(true);
    std::optional<PreviewSource> source = loadPreview_(path);
    ui_.SetBusyPointer(false);
    if (!source) {
        // As the plain import: a picture that cannot be decoded changes nothing, quietly.
        return false;
    }
    frmImportPreview dialog(std::move(source->copy), source->thumbnail, *threshold,
                            host_.DialogParent());
    dialog.exec();
    const std::optional<PictureGrid> picture = dialog.Result();
    if (!picture) {
        return false;
    }
    AdoptImportedPicture(doc_, *picture, path);
    AddRecentFile(path);
    return true;
}

void FileCommands::mnuOpen_Click() {
    host_.SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        const std::string path =
            ui_.OpenFile(TranslateText("Files", OpenFilter), 1, folders_.userDir);
        if (!path.empty()) {
            folders_.userDir = FolderOf(path);
            OpenGraphicFile(path);
        }
    }
    host_.SetBusy(false);
}

void FileCommands::mnuOpenReceived_Click() {
    host_.SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        frmOpenReceived dialog(ui_, folders_.userDir, host_.DialogParent());
        if (dialog.exec() == QDialog::Accepted) {
            std::string error;
            const std::optional<ReceivedMessage> message =
                DecodeReceivedMessage(dialog.MessageText(), error);
            if (!message) {
                host_.FocusMainWindow();
                ui_.MessageBox(
                    TranslateText("FileCommands",
                                  "This is no picture message this editor can open:\r\n") +
                        error,
                    ProductName, MessageIcon::Warning, MessageButtons::Ok);
            } else {
                AdoptReceivedMessage(*message);
            }
        }
    }
    host_.SetBusy(false);
}

void FileCommands::AdoptReceivedMessage(const ReceivedMessage& message) {
    // A new document: nothing on disk yet, so Save asks for a name.
    doc_.SetModified(ModifiedState::Loading);
    doc_.SetText(FilterMessageText(message.text).substr(0, MaxTextLength), false);
    doc_.ClearHistory();
    doc_.AdoptFile(message.picture, std::string(UntitledName), ModifiedState::Modified, {});
    host_.RefreshPreview();
}

void FileCommands::OpenGraphicFile(const std::string& path) {
    const OpenedFile opened = OpenGraphicFileAt(path);
    if (opened.outcome == OpenedFile::Outcome::Import) {
        ImportPicture(path);
        return;
    }
    if (opened.outcome == OpenedFile::Outcome::Unreadable) {
        // Nothing was read, so the picture and the text stay; the reason tells a missing file
        // from a pipe or a folder.
        ShowFileProblem(ReadErrorMessage(ReadErrorOf(opened.status), ChooseReader(path)), path,
                        opened.status);
        return;
    }
    const OpenResult& result = opened.result;
    if (result.beep || !result.message.empty()) {
        host_.FocusMainWindow();
    }
    ReportOpenResult(result, ui_);
    if (AdoptOpenedFile(doc_, result, path) && result.action == OpenAction::Adopt) {
        AddRecentFile(path);
    }
}

void FileCommands::AddRecentFile(const std::string& path) {
    pixora::AddRecentFile(recentFiles_, path);
    for (QAction* item : actions_.mnuRecent) {
        item->setVisible(false);
    }
    const std::vector<RecentMenuEntry> entries = RecentMenuEntries(recentFiles_);
    actions_.mnuRecentSep->setVisible(!entries.empty());
    for (const RecentMenuEntry& entry : entries) {
        QAction* item = actions_.mnuRecent.at(static_cast<size_t>(entry.index));
        item->setText(QString::fromStdString(entry.caption));
        item->setVisible(true);
    }
}

void FileCommands::OpenRecentFile(int index) {
    if (index < 0 || index >= static_cast<int>(recentFiles_.size())) {
        return;
    }
    host_.SetBusy(true);
    if (AskSaveChanges() != AnswerCancel) {
        const std::string path = recentFiles_[static_cast<size_t>(index)];
        if (!path.empty() && QFileInfo(QString::fromStdString(path)).isFile()) {
            OpenGraphicFile(path);
        } else {
            host_.FocusMainWindow();
            ui_.MessageBox(TranslateText("FileCommands", "Can't find this file. Try another file."),
                           ProductName, MessageIcon::Warning, MessageButtons::Ok);
        }
    }
    host_.SetBusy(false);
}

bool FileCommands::SaveDocument() {
    if (SaveNeedsDialog(doc_.DocumentName())) {
        return SaveDocumentAs();
    }
    host_.SetBusy(true);
    const bool saved = WritePictureMessageFile(doc_.DocumentName());
    host_.SetBusy(false);
    return saved;
}

bool FileCommands::SaveDocumentAs() {
    host_.SetBusy(true);
    bool saved = false;
    if (CheckBeforeOutput()) {
        const std::string folder =
            folders_.userDirSave.empty() ? folders_.userDir : folders_.userDirSave;
        const std::string path = ui_.SaveFile(ProposedFileName(doc_.DocumentName()),
                                              TranslateText("Files", PictureMessageFilter), 1,
                                              folder, PictureMessageExtension);
        if (!path.empty()) {
            folders_.userDirSave = FolderOf(path);
            saved = WritePictureMessageFile(path);
        }
    }
    host_.SetBusy(false);
    return saved;
}

bool FileCommands::CheckBeforeOutput() {
    return pixora::CheckBeforeOutput(doc_.Picture(), settings_, ui_);
}

void FileCommands::ShowFileProblem(const std::string& firstLine, const std::string& path,
                                   const FileStatus& status) {
    host_.FocusMainWindow();
    ui_.MessageBox(firstLine + "\r\n" + QuotedName(path) + "\r\n" + FileStatusText(status),
                   ProductName, MessageIcon::Warning, MessageButtons::Ok);
}

bool FileCommands::WritePictureMessageFile(const std::string& path) {
    if (!CheckBeforeOutput()) {
        return false;
    }
    ui_.SetBusyPointer(true);
    // A failed write keeps the old file; it is said, and the picture stays modified.
    const SaveResult saved = pixora::SaveDocument(doc_, path, ReadText(settings_, keys::UserName));
    if (saved.adopted) {
        AddRecentFile(path);
    }
    ui_.SetBusyPointer(false);
    if (!saved.status.Ok()) {
        ShowFileProblem(TranslateText("FileCommands", CantSaveFileMessage), path, saved.status);
    }
    return saved.status.Ok();
}

void FileCommands::mnuExport_Click() {
    host_.SetBusy(true);
    if (CheckBeforeOutput()) {
        const std::string folder =
            folders_.exportDir.empty() ? folders_.importDir : folders_.exportDir;
        int filter = 1;
        const std::string path =
            ui_.SaveFile(ProposedFileName(doc_.DocumentName()), ExportDialogFilter(), 1, folder,
                         ExportExtension, &filter);
        if (!path.empty()) {
            folders_.exportDir = FolderOf(path);
            const FileStatus status =
                ExportPicture(path, filter, doc_.Picture(), views_.Output(), doc_.Text());
            if (!status.Ok()) {
                ShowFileProblem(TranslateText("FileCommands", CantSaveFileMessage), path, status);
            }
        }
    }
    host_.SetBusy(false);
}

}  // namespace pixora
