// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_reading.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/translate.h"
#include "phone/phonebook.h"

namespace pixora {

frmReading::frmReading(QWidget* parent) : ProgressDialog(parent) {
    setObjectName("frmReading");
    setWindowTitle(tr("Reading phonebook ..."));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Status"), this);
    frame->setObjectName("fraStatus");
    auto* frameLayout = new QVBoxLayout(frame);
    auto label = [frame, frameLayout](const char* name, const char* text) {
        // The conversation names its stage by the source text; the label shows it translated.
        auto* l = new QLabel(QCoreApplication::translate("Phone", text), frame);
        l->setObjectName(name);
        l->setProperty("stage", QByteArray(text));
        // Room for the text in bold from the start, so the form keeps its size as the bold
        // stage moves down.
        QFont bold = l->font();
        bold.setBold(true);
        l->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(l->text()) + 2);
        frameLayout->addWidget(l);
        return l;
    };
    lblStatus1_ = label("lblStatus1", StageInitializing);
    lblStatusSM_ = label("lblStatusSM", StageReadingSim);
    lblStatusME_ = label("lblStatusME", StageReadingPhone);
    layout->addWidget(frame);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName("cmdCancel");
    layout->addWidget(cancel, 0, Qt::AlignRight);
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    // The title bar holds the caption and the window buttons; leave room for both.
    const int titleWidth = QFontMetrics(font()).horizontalAdvance(windowTitle()) + 160;
    setMinimumWidth(std::max(titleWidth, minimumSizeHint().width()));
}

void frmReading::myShowLabel(const std::string& label) {
    for (QLabel* l : {lblStatus1_, lblStatusSM_, lblStatusME_}) {
        QFont font = l->font();
        font.setBold(l->property("stage").toByteArray().toStdString() == label);
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
