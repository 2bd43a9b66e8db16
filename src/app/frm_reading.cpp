#include "app/frm_reading.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "phone/phonebook.h"

namespace pixora {

frmReading::frmReading(QWidget* parent) : ProgressDialog(parent) {
    setObjectName("frmReading");
    setWindowTitle("Reading phonebook ...");
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

void frmReading::Restart() {
    myShowLabel(std::string());
}

}  // namespace pixora
