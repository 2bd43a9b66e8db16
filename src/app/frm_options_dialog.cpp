// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_options_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/document.h"
#include "core/settings_keys.h"
#include "phone/port_test.h"
#include "platform/serial_link.h"
#include "shell/phone_numbers.h"

namespace pixora {

namespace {

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption,
                    const QString& tip = QString()) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    if (!tip.isEmpty()) {
        box->setToolTip(tip);
    }
    return box;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A stored flag: anything other than 0 counts as checked, so a hand-edited "2" or "-1" is on.
Qt::CheckState Flag(SettingsStore& settings, const IntKey& key, int fallback) {
    return ReadInt(settings, key, fallback) != 0 ? Qt::Checked : Qt::Unchecked;
}

int FlagValue(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

// A status label is read while the rest of the page is greyed out for the action it reports on.
void KeepNormalColour(QLabel* label) {
    QPalette palette = label->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    label->setPalette(palette);
}

QString WithReason(const std::string& text, const std::string& reason) {
    QString shown = QString::fromStdString(text);
    if (!reason.empty()) {
        shown += "\n" + QString::fromStdString(reason);
    }
    return shown;
}

}  // namespace

frmOptionsDialog::frmOptionsDialog(SettingsStore& settings, UserInterface& ui, PhoneActions& phone,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(ui), phone_(phone) {
    setObjectName("frmOptionsDialog");
    setWindowTitle(tr("Options"));
    BuildControls();
}

void frmOptionsDialog::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    TabStrip1_ = new QTabWidget(this);
    TabStrip1_->setObjectName("TabStrip1");
    TabStrip1_->setAccessibleName(tr("Option pages"));
    layout->addWidget(TabStrip1_);

    auto page = [this](const char* key, const QString& caption, const char* frameName,
                       const QString& frameCaption) {
        auto* holder = new QWidget(TabStrip1_);
        auto* holderLayout = new QVBoxLayout(holder);
        auto* frame = new QGroupBox(frameCaption, holder);
        frame->setObjectName(frameName);
        holderLayout->addWidget(frame);
        holderLayout->addStretch(1);
        const int index = TabStrip1_->addTab(holder, caption);
        TabStrip1_->tabBar()->setTabData(index, QString(key));
        return frame;
    };

    // Serial port.
    QGroupBox* fraCOMport = page("Serial", tr("Serial Port"), "fraCOMport",
                                 tr("Nokia Data Suite / Virtual serial port for cable or IR"));
    auto* serial = new QGridLayout(fraCOMport);
    cmbComPort_ = new QComboBox(fraCOMport);
    cmbComPort_->setObjectName("cmbComPort");
    cmbComPort_->setAccessibleName(tr("Serial port"));
    cmbComPort_->setAccessibleDescription(
        tr("The port of the cable or infrared link to the phone."));
    // Wide enough for the device and its description, not only "COM1".
    cmbComPort_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmbComPort_->setMinimumContentsLength(24);
    cmdTest_ = new QPushButton(tr("&Test"), fraCOMport);
    cmdTest_->setObjectName("cmdTest");
    cmdTest_->setAccessibleDescription(tr("Asks the phone on the selected port to answer."));
    picTest_ = Label(fraCOMport, "picTest", QString());
    picTest_->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(24, 24));
    picTest_->setAccessibleName(tr("Port test picture"));
    lblSerialStatus_ = Label(fraCOMport, "lblSerialStatus", QString());
    lblSerialStatus_->setAccessibleName(tr("Port test result"));
    KeepNormalColour(lblSerialStatus_);
    // The selected port's device and what the system says of it, readable with the list closed.
    lblPortDetails_ = Label(fraCOMport, "lblPortDetails", QString());
    lblPortDetails_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPortDetails_->setAccessibleName(tr("Port details"));
    serial->addWidget(cmbComPort_, 0, 0);
    serial->addWidget(cmdTest_, 0, 1);
    serial->addWidget(picTest_, 0, 2);
    serial->addWidget(lblPortDetails_, 1, 0, 1, 3);
    serial->addWidget(lblSerialStatus_, 2, 0, 1, 3);

    // SMS.
    QGroupBox* fraSMS = page("SMS", tr("SMS"), "fraSMS", tr("Short Message Service"));
    auto* sms = new QGridLayout(fraSMS);
    sms->addWidget(Label(fraSMS, "lblOptSMSC", tr("Message Center Number:")), 0, 0, 1, 3);
    sms->addWidget(Label(fraSMS, "lblPrefix", "+"), 1, 0);
    txtOptSMSC_ = new QLineEdit(fraSMS);
    txtOptSMSC_->setObjectName("txtOptSMSC");
    txtOptSMSC_->setAccessibleName(tr("Message center number"));
    txtOptSMSC_->setAccessibleDescription(
        tr("In international form, without the plus sign or a leading zero."));
    txtOptSMSC_->installEventFilter(this);
    sms->addWidget(txtOptSMSC_, 1, 1);
    cmdReadSMSC_ = new QToolButton(fraSMS);
    cmdReadSMSC_->setObjectName("cmdReadSMSC");
    cmdReadSMSC_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    cmdReadSMSC_->setToolTip(tr("Read Message Center Number from phone"));
    cmdReadSMSC_->setAccessibleName(tr("Read message center number from phone"));
    sms->addWidget(cmdReadSMSC_, 1, 2);
    lblReadStatus_ = Label(fraSMS, "lblReadStatus", QString());
    lblReadStatus_->setAccessibleName(tr("Message center read result"));
    KeepNormalColour(lblReadStatus_);
    sms->addWidget(lblReadStatus_, 2, 0, 1, 3);
    chkStatusReport_ = CheckBox(fraSMS, "chkStatusReport", tr("Status &Report"));
    sms->addWidget(chkStatusReport_, 3, 0, 1, 3);

    // Warnings.
    QGroupBox* fraWarnings = page("Warnings", tr("Warnings"), "fraWarnings", tr("Display Warning"));
    auto* warnings = new QVBoxLayout(fraWarnings);
    chkIfNotSaved_ = CheckBox(fraWarnings, "chkIfNotSaved", tr("If image is not saved"),
                              tr("If image is not saved before saving, sending or quitting"));
    chkIfEmpty_ = CheckBox(fraWarnings, "chkIfEmpty", tr("If image is empty"),
                           tr("If image is empty before saving or sending"));
    chkIfResize_ = CheckBox(fraWarnings, "chkIfResize", tr("Before adjusting size"),
                            tr("Before adjusting size of too big/small images when loading"));
    chkFTWarn_ = CheckBox(
        fraWarnings, "chkFTWarn", tr("Filetype registration"),
        tr("If not all known Nokia logo filetypes are associated to the correct application"));
    for (QCheckBox* box : {chkIfNotSaved_, chkIfEmpty_, chkIfResize_, chkFTWarn_}) {
        warnings->addWidget(box);
    }

    // Advanced.
    QGroupBox* fraAdvanced = page("Advanced", tr("Advanced"), "fraAdvanced", tr("Advanced"));
    auto* advanced = new QVBoxLayout(fraAdvanced);
    advanced->addWidget(Label(fraAdvanced, "lblRead", tr("Read phonebook from:")));
    chkPbookReadSM_ = CheckBox(fraAdvanced, "chkPbookReadSM", tr("SIM"));
    chkPbookReadME_ = CheckBox(fraAdvanced, "chkPbookReadME", tr("Phone"));
    advanced->addWidget(chkPbookReadSM_);
    advanced->addWidget(chkPbookReadME_);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    cmdOk_ = new QPushButton(tr("&OK"), this);
    cmdOk_->setObjectName("cmdOk");
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdCancel_->setObjectName("cmdCancel");
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons);

    connect(cmbComPort_, &QComboBox::activated, this, [this] { cmbComPort_Click(); });
    connect(cmdTest_, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    connect(cmdReadSMSC_, &QToolButton::clicked, this, [this] { cmdReadSMSC_Click(); });
    connect(cmdOk_, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(chkPbookReadSM_, &QCheckBox::clicked, this, [this] { chkPbookRead_Click(); });
    connect(chkPbookReadME_, &QCheckBox::clicked, this, [this] { chkPbookRead_Click(); });
}

void frmOptionsDialog::showEvent(QShowEvent* event) {
    LoadOptions();
    QDialog::showEvent(event);
}

bool frmOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtOptSMSC_ && event->type() == QEvent::FocusOut) {
        // OK validates by itself and Cancel needs no nagging; one message is enough.
        QWidget* next = QApplication::focusWidget();
        if (next == cmdOk_ || next == cmdCancel_) {
            workingSmsc_ = DigitsOnly(txtOptSMSC_->text().toStdString());
            txtOptSMSC_->setText(QString::fromStdString(workingSmsc_));
        } else {
            txtOptSMSC_LostFocus();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptionsDialog::LoadOptions() {
    workingSmsc_ = ReadText(settings_, keys::SMSC);
    txtOptSMSC_->setText(QString::fromStdString(workingSmsc_));
    readSim_ = ReadBool(settings_, keys::PBookReadSM);
    readPhone_ = ReadBool(settings_, keys::PBookReadME);
    chkPbookReadSM_->setChecked(readSim_);
    chkPbookReadME_->setChecked(readPhone_);
    if (onSourcesChanged) {
        onSourcesChanged(readSim_, readPhone_);
    }
    chkStatusReport_->setCheckState(Flag(settings_, keys::StatusReport, 0));
    chkIfEmpty_->setCheckState(Flag(settings_, keys::WarnIfEmpty, 1));
    chkIfResize_->setCheckState(Flag(settings_, keys::WarnIfResize, 0));
    chkIfNotSaved_->setCheckState(Flag(settings_, keys::WarnIfNotSaved, 1));
    // Shown cleared when absent, although the start-up check treats absence as on.
    chkFTWarn_->setCheckState(Flag(settings_, keys::FileTypeWarn, 0));
    lblSerialStatus_->clear();
    lblReadStatus_->clear();

    // The devices may have changed since the last opening.
    const int selected = cmbComPort_->currentIndex();
    cmbComPort_->clear();
    ports_.clear();
    for (int port = 1; port <= 8; ++port) {
        ports_.push_back(phone_.DescribePort(port));
        const PortDescription& description = ports_.back();
        QString caption = QString("COM%1").arg(port);
        if (!description.device.empty()) {
            std::string inside = description.device;
            if (!description.description.empty()) {
                inside += ", " + description.description;
            }
            caption += "  (" + QString::fromStdString(inside) + ")";
        }
        cmbComPort_->addItem(caption, port);
    }
    cmbComPort_->setCurrentIndex(selected);
    const int port = ReadInt(settings_, keys::COMPort);
    if (port < 1) {
        cmbComPort_->setCurrentIndex(-1);
    } else {
        const int index = cmbComPort_->findData(port);
        if (index >= 0) {
            cmbComPort_->setCurrentIndex(index);
        }
    }
    cmbComPort_Click();
}

void frmOptionsDialog::cmbComPort_Click() {
    if (cmbComPort_->currentIndex() >= 0) {
        workingPort_ = cmbComPort_->currentData().toInt();
        lblSerialStatus_->setText(
            tr("First establish cable/IR connection, then test COM%1").arg(workingPort_));
        cmdReadSMSC_->setEnabled(true);
        cmdTest_->setEnabled(true);
    } else {
        workingPort_ = 0;
        lblSerialStatus_->setText(tr("Select the virtual Nokia COM-port."));
        cmdReadSMSC_->setEnabled(false);
        cmdTest_->setEnabled(false);
    }
    ShowPortDetails();
}

void frmOptionsDialog::ShowPortDetails() {
    if (workingPort_ < 1 || workingPort_ > static_cast<int>(ports_.size())) {
        lblPortDetails_->clear();
        return;
    }
    const PortDescription& port = ports_[static_cast<size_t>(workingPort_ - 1)];
    if (port.device.empty()) {
        lblPortDetails_->setText(tr("No device is connected as COM%1.").arg(workingPort_));
        return;
    }
    QString text = QString::fromStdString(PortDeviceText(port));
    const std::string details = PortDetailsText(port);
    if (!details.empty()) {
        text += "\n" + QString::fromStdString(details);
    }
    lblPortDetails_->setText(text);
}

bool frmOptionsDialog::BeginAction() {
    if (acting_ || phone_.ConversationRunning()) {
        ui_.Beep();
        return false;
    }
    acting_ = true;
    return true;
}

void frmOptionsDialog::EndAction() {
    acting_ = false;
    ui_.SetBusyPointer(false);
    SetDialogEnabled(true);
}

void frmOptionsDialog::reject() {
    if (acting_) {
        return;
    }
    QDialog::reject();
}

void frmOptionsDialog::closeEvent(QCloseEvent* event) {
    if (acting_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmOptionsDialog::txtOptSMSC_LostFocus() {
    workingSmsc_ = DigitsOnly(txtOptSMSC_->text().toStdString());
    txtOptSMSC_->setText(QString::fromStdString(workingSmsc_));
    // The user sees the message but keeps editing.
    ValidateSMSC();
}

bool frmOptionsDialog::ValidateSMSC() {
    const std::optional<std::string> problem =
        SmscNumberProblem(workingSmsc_, phone_.KeyboardCountryCode());
    if (!problem) {
        return true;
    }
    ui_.MessageBox(*problem, ProductName, MessageIcon::Error, MessageButtons::Ok);
    return false;
}

void frmOptionsDialog::ShowOnlyWarnings() {
    for (const char* name : {"fraCOMport", "fraSMS", "fraAdvanced"}) {
        findChild<QGroupBox*>(name)->setVisible(false);
    }
    for (int i = TabStrip1_->count() - 1; i >= 0; --i) {
        if (TabStrip1_->tabBar()->tabData(i).toString() != "Warnings") {
            TabStrip1_->removeTab(i);
        }
    }
    TabStrip1_->tabBar()->setVisible(false);
}

void frmOptionsDialog::SetDialogEnabled(bool enabled) {
    cmdOk_->setEnabled(enabled);
    cmdCancel_->setEnabled(enabled);
    TabStrip1_->setEnabled(enabled);
}

void frmOptionsDialog::chkPbookRead_Click() {
    readSim_ = chkPbookReadSM_->isChecked();
    readPhone_ = chkPbookReadME_->isChecked();
    if (onSourcesChanged) {
        onSourcesChanged(readSim_, readPhone_);
    }
}

void frmOptionsDialog::cmdOk_Click() {
    // A number still being typed counts as left when OK is pressed.
    workingSmsc_ = DigitsOnly(txtOptSMSC_->text().toStdString());
    txtOptSMSC_->setText(QString::fromStdString(workingSmsc_));
    if (!ValidateSMSC()) {
        return;
    }
    SaveOptions();
    accept();
}

void frmOptionsDialog::cmdCancel_Click() {
    reject();
}

void frmOptionsDialog::SaveOptions() {
    WriteText(settings_, keys::SMSC, workingSmsc_);
    WriteInt(settings_, keys::COMPort, workingPort_);
    // The chosen port is pinned to its stable name, so COMn stays the same phone when other
    // adapters come and go.
    if (workingPort_ >= 1 && workingPort_ <= static_cast<int>(ports_.size())) {
        const std::string& stable = ports_[static_cast<size_t>(workingPort_ - 1)].stableName;
        const std::string key = ComDeviceKey(workingPort_);
        if (!stable.empty() && settings_.Read(keys::General, key) != stable) {
            settings_.Write(keys::General, key, stable);
        }
    }
    WriteBool(settings_, keys::PBookReadSM, readSim_);
    WriteBool(settings_, keys::PBookReadME, readPhone_);
    WriteInt(settings_, keys::StatusReport, FlagValue(chkStatusReport_));
    WriteInt(settings_, keys::WarnIfEmpty, FlagValue(chkIfEmpty_));
    WriteInt(settings_, keys::WarnIfResize, FlagValue(chkIfResize_));
    WriteInt(settings_, keys::WarnIfNotSaved, FlagValue(chkIfNotSaved_));
    WriteInt(settings_, keys::FileTypeWarn, FlagValue(chkFTWarn_));
}

void frmOptionsDialog::cmdTest_Click() {
    if (!BeginAction()) {
        return;
    }
    ui_.ProcessEvents();
    ui_.SetBusyPointer(true);
    cmdTest_->setEnabled(false);
    SetDialogEnabled(false);
    lblSerialStatus_->setText(tr("Testing COM%1 ... please wait!").arg(workingPort_));
    phone_.myTestPort(workingPort_);
}

void frmOptionsDialog::myTestDone(int code) {
    EndAction();
    cmdTest_->setEnabled(true);
    const std::string text = TestDoneText(code, workingPort_);
    if (text.empty()) {
        return;
    }
    lblSerialStatus_->setText(
        WithReason(text, code == test_result::NotAvailable ? phone_.PortFailureText() : ""));
    if (code == test_result::Nokia) {
        cmdOk_->setFocus();
    } else {
        cmbComPort_->setFocus();
    }
}

void frmOptionsDialog::cmdReadSMSC_Click() {
    if (!BeginAction()) {
        return;
    }
    ui_.ProcessEvents();
    ui_.SetBusyPointer(true);
    cmdReadSMSC_->setEnabled(false);
    SetDialogEnabled(false);
    lblReadStatus_->setText(tr("Checking..."));
    phone_.myReadSMSC(workingPort_);
}

void frmOptionsDialog::myReadSMSCDone(int code) {
    EndAction();
    cmdReadSMSC_->setEnabled(true);
    const std::string text = ReadSmscDoneText(code);
    if (text.empty()) {
        return;
    }
    lblReadStatus_->setText(
        WithReason(text, code == smsc_result::NotRead ? phone_.PortFailureText() : ""));
    if (code == smsc_result::International || code == smsc_result::NoCountryCode) {
        workingSmsc_ = ReadText(settings_, keys::SMSC);
        txtOptSMSC_->setText(QString::fromStdString(workingSmsc_));
    } else if (code == smsc_result::NoNumber) {
        workingSmsc_.clear();
        txtOptSMSC_->clear();
    }
    const std::string message = ReadSmscDoneMessage(code);
    if (!message.empty()) {
        ui_.MessageBox(message, ProductName, MessageIcon::Error, MessageButtons::Ok);
    }
}

}  // namespace pixora
