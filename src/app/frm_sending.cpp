// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_sending.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pixora {

frmSending::frmSending(QWidget* parent) : ProgressDialog(parent) {
    setObjectName("frmSending");
    setWindowTitle(tr("Sending ..."));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Status"), this);
    frame->setObjectName("fraStatus");
    auto* frameLayout = new QHBoxLayout(frame);
    lblPercent_ = new QLabel("0%", frame);
    lblPercent_->setObjectName("lblPercent");
    lblPercent_->setMinimumWidth(40);
    prgSending_ = new QProgressBar(frame);
    prgSending_->setObjectName("prgSending");
    prgSending_->setRange(0, 100);
    prgSending_->setTextVisible(false);
    prgSending_->setAccessibleName(tr("Sending progress"));
    frameLayout->addWidget(lblPercent_);
    frameLayout->addWidget(prgSending_, 1);
    layout->addWidget(frame);
    cmdCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdCancel_->setObjectName("cmdCancel");
    layout->addWidget(cmdCancel_, 0, Qt::AlignRight);
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { reject(); });
    resize(320, 110);
}

void frmSending::SetTitle(const QString& title) {
    setWindowTitle(title);
    titles_.push_back(title);
}

void frmSending::myUpdateSending(int percent) {
    lblPercent_->setText(QString::number(percent) + "%");
    prgSending_->setValue(percent);
    shown_.push_back(percent);
    repaint();
}

void frmSending::Restart() {
    shown_.clear();
    titles_.clear();
    myUpdateSending(0);
}

}  // namespace pixora
