#include "app/frm_reading.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "phone/phonebook.h"

namespace pixora {

frmReading::frmReading(QWidget* parent) : QDialog(parent) {
    setObjectName("frmReading");
    setWindowTitle("Reading phonebook ...");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox("Status", this);
    frame->setObjectName("fraStatus");
    auto* frameLayout = new QVBoxLayout(frame);
    auto label = [frame, frameLayout](const char* name, const char* text) {
        auto* l = new QLabel(text, frame);
        l->setObjectName(name);
        frameLayout->addWidget(l);
        return l;
    };
    lblStatus1_ = label("lblStatus1", StageInitializing);
    lblStatusSM_ = label("lblStatusSM", StageReadingSim);
    lblStatusME_ = label("lblStatusME", StageReadingPhone);
    layout->addWidget(frame);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("cmdCancel");
    layout->addWidget(cancel, 0, Qt::AlignRight);
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void frmReading::myShowLabel(const std::string& label) {
    for (QLabel* l : {lblStatus1_, lblStatusSM_, lblStatusME_}) {
        QFont font = l->font();
        font.setBold(l->text().toStdString() == label);
        l->setFont(font);
    }
    repaint();
}

void frmReading::SetSources(bool sim, bool phone) {
    lblStatusSM_->setEnabled(sim);
    lblStatusME_->setEnabled(phone);
}

void frmReading::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    running_ = true;
    myShowLabel(std::string());
    QTimer::singleShot(0, this, [this] {
        if (onShown) {
            onShown();
        }
    });
}

void frmReading::Finished() {
    running_ = false;
    accept();
}

void frmReading::reject() {
    if (running_ && onCancel) {
        onCancel();
        return;
    }
    QDialog::reject();
}

void frmReading::closeEvent(QCloseEvent* event) {
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
