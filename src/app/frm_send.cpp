// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_send.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"
#include "phone/phonebook.h"
#include "phone/send.h"
#include "platform/collated_names.h"
#include "platform/port_probe.h"
#include "shell/phone_numbers.h"

namespace pixora {

frmSend::frmSend(SettingsStore& settings, UserInterface& ui, PhonebookRead& phonebook,
                 QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(ui), phonebook_(phonebook) {
    setObjectName("frmSend");
    setWindowTitle(tr("Send"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Destination number"), this);
    frame->setObjectName("fraDest");
    auto* grid = new QGridLayout(frame);
    txtDA_ = new QLineEdit(frame);
    txtDA_->setObjectName("txtDA");
    txtDA_->setAccessibleName(tr("Destination number"));
    txtDA_->setAccessibleDescription(
        tr("In international form, without the plus sign or a leading zero."));
    txtDA_->installEventFilter(this);
    cmbPhonebook_ = new QComboBox(frame);
    cmbPhonebook_->setObjectName("cmbPhonebook");
    cmbPhonebook_->setToolTip(tr("Select number from phonebook."));
    cmbPhonebook_->setMinimumWidth(180);
    cmbPhonebook_->setAccessibleName(tr("Phonebook"));
    cmbPhonebook_->setAccessibleDescription(tr("Choosing an entry fills in its number."));
    cmdPhonebook_ = new QToolButton(frame);
    cmdPhonebook_->setObjectName("cmdPhonebook");
    cmdPhonebook_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdPhonebook_->setToolTip(tr("Read phonebook from phone"));
    cmdPhonebook_->setAccessibleName(tr("Read phonebook from phone"));
    grid->addWidget(txtDA_, 0, 0, 1, 2);
    grid->addWidget(cmbPhonebook_, 1, 0);
    grid->addWidget(cmdPhonebook_, 1, 1);
    layout->addWidget(frame);
    // Which phone the message goes to: the configured COMn, its device and what it says of itself.
    lblPort_ = new QLabel(this);
    lblPort_->setObjectName("lblPort");
    lblPort_->setWordWrap(true);
    lblPort_->setAccessibleName(tr("Phone port"));
    layout->addWidget(lblPort_);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    cmdSend_ = new QPushButton(tr("&Send"), this);
    cmdSend_->setObjectName("cmdSend");
    cmdSend_->setDefault(true);
    cmdCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdCancel_->setObjectName("cmdCancel");
    buttons->addWidget(cmdSend_);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons);

    connect(cmbPhonebook_, &QComboBox::activated, this, [this] { cmbPhonebook_Click(); });
    connect(cmdPhonebook_, &QToolButton::clicked, this, [this] { cmdPhonebook_Click(); });
    connect(cmdSend_, &QPushButton::clicked, this, [this] { cmdSend_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmSend::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

bool frmSend::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtDA_ && event->type() == QEvent::FocusOut) {
        txtDA_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void frmSend::Activate() {
    if (!phonebook_.PhonebookLoaded()) {
        phonebook_.SetPhonebookLoaded(phonebook_.myPhonebookLoad());
        FillPhonebookCombo();
    }
    lastNumber_ = ReadText(settings_, keys::LastDA);
    txtDA_->setText(QString::fromStdString(lastNumber_));
    const int port = ReadInt(settings_, keys::COMPort);
    const PortDescription described = DescribeComPort(settings_, port);
    QString text = QString("COM%1").arg(port);
    if (described.device.empty()) {
        text += tr(": no device");
    } else {
        text += ": " + QString::fromStdString(PortDeviceText(described));
        const std::string details = PortDetailsText(described);
        if (!details.empty()) {
            text += "\n" + QString::fromStdString(details);
        }
    }
    lblPort_->setText(text);
}

void frmSend::FillPhonebookCombo() {
    cmbPhonebook_->clear();
    if (phonebook_.PhonebookLoaded()) {
        // The leading blank of this item sorts it before every name.
        cmbPhonebook_->addItem(QString::fromStdString(TranslateText("Phone", LastUsedNumberItem)),
                               LastUsedNumberData);
        std::vector<PhonebookComboItem> names = myPhonebook2Combo(phonebook_.Table());
        SortByLocale(names);
        for (const PhonebookComboItem& item : names) {
            cmbPhonebook_->addItem(QString::fromStdString(item.text), item.position);
            cmbPhonebook_->setItemData(cmbPhonebook_->count() - 1,
                                       QString::fromStdString(item.digits), Qt::UserRole + 1);
        }
        cmbPhonebook_->setEnabled(true);
    } else {
        cmbPhonebook_->setEnabled(false);
        cmbPhonebook_->addItem(QString::fromStdString(TranslateText("Phone", NoPhonebookItem)));
    }
    cmbPhonebook_->setCurrentIndex(0);
    cmbPhonebook_Click();
}

void frmSend::cmbPhonebook_Click() {
    const QVariant data = cmbPhonebook_->currentData();
    if (!data.isValid()) {
        // "No phonebook" has no entry behind it; the number stays as it is.
        return;
    }
    if (data.toInt() == LastUsedNumberData) {
        txtDA_->setText(QString::fromStdString(lastNumber_));
    } else {
        txtDA_->setText(cmbPhonebook_->currentData(Qt::UserRole + 1).toString());
    }
}

void frmSend::txtDA_LostFocus() {
    txtDA_->setText(QString::fromStdString(DigitsOnly(txtDA_->text().toStdString())));
}

void frmSend::cmdPhonebook_Click() {
    if (phonebook_.PhonebookLoaded()) {
        const int answer = ui_.MessageBox(
            TranslateText("frmSend",
                          "Phonebook has already been read.\r\n\r\nDo you want to read it again?"),
            ProductName, MessageIcon::Information, MessageButtons::YesNo);
        if (answer != AnswerYes) {
            return;
        }
    }
    if (showReading) {
        showReading();
    }
    FillPhonebookCombo();
    // The reading form in front of the dialog has closed: the dialog is active again.
    Activate();
}

void frmSend::cmdSend_Click() {
    const std::string digits = DigitsOnly(txtDA_->text().toStdString());
    txtDA_->setText(QString::fromStdString(digits));
    if (!ValidDestination(digits)) {
        const std::string example = ExampleNumber(digits, countryCode ? countryCode() : "");
        ui_.MessageBox(InvalidDestinationText(example), ProductName, MessageIcon::Error,
                       MessageButtons::Ok);
        return;
    }
    WriteText(settings_, keys::LastDA, digits);
    if (showSending) {
        showSending();
    }
    accept();
}

void frmSend::cmdCancel_Click() {
    reject();
}

}  // namespace pixora
