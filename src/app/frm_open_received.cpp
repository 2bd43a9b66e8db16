// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_open_received.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/document.h"
#include "core/paths.h"
#include "core/translate.h"
#include "core/user_interface.h"
#include "formats/file_io.h"

namespace pixora {

namespace {

constexpr const char* ReceivedFilter = PIXORA_TRANSLATE_NOOP(
    "frmOpenReceived",
    "Received messages (*.txt;*.smsbackup)|*.txt;*.smsbackup;*.pdu|All files (*.*)|*.*");

// A transcript or backup of one message is a few kilobytes.
constexpr size_t MaxReceivedFileSize = 4 * 1024 * 1024;

}  // namespace

frmOpenReceived::frmOpenReceived(UserInterface& ui, std::string& folder, QWidget* parent)
    : QDialog(parent), ui_(ui), folder_(folder) {
    setObjectName("frmOpenReceived");
    setWindowTitle(tr("Open Received Message"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Paste the message's PDU lines, the phone's AT+CMGL or AT+CMGR "
                                "output, or a gammu SMS backup:"),
                             this);
    label->setWordWrap(true);
    layout->addWidget(label);
    txtMessage_ = new QPlainTextEdit(this);
    txtMessage_->setObjectName("txtMessage");
    txtMessage_->setAccessibleName(tr("Received message"));
    txtMessage_->setAccessibleDescription(label->text());
    txtMessage_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMessage_->setMinimumSize(480, 200);
    layout->addWidget(txtMessage_);
    auto* buttons = new QHBoxLayout;
    auto* fromFile = new QPushButton(tr("&From File..."), this);
    fromFile->setObjectName("cmdFromFile");
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cmdCancel");
    buttons->addWidget(fromFile);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(fromFile, &QPushButton::clicked, this, [this] { cmdFromFile_Click(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string frmOpenReceived::MessageText() const {
    return txtMessage_->toPlainText().toStdString();
}

void frmOpenReceived::cmdFromFile_Click() {
    const std::string path =
        ui_.OpenFile(TranslateText("frmOpenReceived", ReceivedFilter), 1, folder_);
    if (path.empty()) {
        return;
    }
    folder_ = FolderOf(path);
    const FileRead read = ReadFile(path, MaxReceivedFileSize);
    if (!read.status.Ok()) {
        ui_.MessageBox(TranslateText("frmOpenReceived", "Can't read ") + path + ":\r\n" +
                           FileStatusText(read.status),
                       ProductName, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    txtMessage_->setPlainText(
        QString::fromUtf8(read.bytes.data(), static_cast<qsizetype>(read.bytes.size())));
}

}  // namespace pixora
