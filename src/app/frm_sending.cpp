#include "app/frm_sending.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pixora {

frmSending::frmSending(QWidget* parent) : QDialog(parent) {
    setObjectName("frmSending");
    setWindowTitle("Sending ...");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox("Status", this);
    frame->setObjectName("fraStatus");
    auto* frameLayout = new QHBoxLayout(frame);
    lblPercent_ = new QLabel("0%", frame);
    lblPercent_->setObjectName("lblPercent");
    lblPercent_->setMinimumWidth(40);
    prgSending_ = new QProgressBar(frame);
    prgSending_->setObjectName("prgSending");
    prgSending_->setRange(0, 100);
    prgSending_->setTextVisible(false);
    frameLayout->addWidget(lblPercent_);
    frameLayout->addWidget(prgSending_, 1);
    layout->addWidget(frame);
    cmdCancel_ = new QPushButton("&Cancel", this);
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

void frmSending::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    shown_.clear();
    titles_.clear();
    running_ = true;
    myUpdateSending(0);
    // Once the modal loop runs, so that a send that ends at once can still hide the form.
    QTimer::singleShot(0, this, [this] {
        if (onShown) {
            onShown();
        }
    });
}

void frmSending::Finished() {
    running_ = false;
    accept();
}

void frmSending::reject() {
    if (running_ && onCancel) {
        onCancel();
        return;
    }
    QDialog::reject();
}

void frmSending::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        if (onCancel) {
            onCancel();
        }
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace pixora
