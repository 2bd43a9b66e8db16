// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_received_messages.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/utf8.h"

namespace pixora {

namespace {

// The picture at its own size, black on white, as the phone would show it.
QIcon PreviewIcon(const PictureGrid& picture) {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            image.setPixel(x, y, picture.IsSet(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace

frmReceivedMessages::frmReceivedMessages(const std::vector<StoredPicture>& messages,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmReceivedMessages");
    setWindowTitle(tr("Picture Messages on the Phone"));
    auto* layout = new QVBoxLayout(this);
    lstMessages_ = new QListWidget(this);
    lstMessages_->setObjectName("lstMessages");
    lstMessages_->setAccessibleName(tr("Picture messages on the phone"));
    lstMessages_->setAccessibleDescription(tr("Sender, time and text of each message."));
    lstMessages_->setIconSize(QSize(PictureWidth, PictureHeight));
    lstMessages_->setMinimumSize(420, 240);
    for (const StoredPicture& stored : messages) {
        const ReceivedMessage& message = stored.message;
        QString label = QString::fromStdString(message.sender);
        if (!message.timestamp.empty()) {
            label += "   " + QString::fromStdString(message.timestamp);
        }
        if (!message.text.empty()) {
            label += "\n" + QString::fromStdString(U32ToUtf8(message.text));
        }
        lstMessages_->addItem(new QListWidgetItem(PreviewIcon(message.picture), label));
    }
    lstMessages_->setCurrentRow(0);
    layout->addWidget(lstMessages_);
    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(tr("&Open"), this);
    open->setObjectName("cmdOpen");
    open->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("cmdClose");
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(lstMessages_, &QListWidget::itemDoubleClicked, this, [this] { cmdOpen_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void frmReceivedMessages::cmdOpen_Click() {
    chosen_ = lstMessages_->currentRow();
    if (chosen_ >= 0) {
        accept();
    }
}

}  // namespace pixora
