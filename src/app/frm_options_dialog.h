// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The options dialog: serial port, message-centre number, status report, warnings, file-type
// check and phonebook sources. It is created once and reloads the stored values every time it
// is shown, so Cancel simply forgets the edits.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/user_interface.h"
#include "phone/port_diagnosis.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace pixora {

// What the dialog asks of the main window, which owns the serial port.
class PhoneActions {
public:
    virtual ~PhoneActions() = default;
    // Both return at once; the result comes back through myTestDone / myReadSMSCDone.
    virtual void myTestPort(int port) = 0;
    virtual void myReadSMSC(int port) = 0;
    // The dialling code of the user's region, "" when unknown.
    virtual std::string KeyboardCountryCode() const = 0;
    // The device a COM number stands for and what the system knows of it.
    virtual PortDescription DescribePort(int port) const = 0;
    // Why the port of the last action did not open, "" when it did.
    virtual std::string PortFailureText() const = 0;
    // A conversation with the phone is under way; no second one may start.
    virtual bool ConversationRunning() const = 0;
};

class frmOptionsDialog : public QDialog {
    Q_OBJECT
public:
    frmOptionsDialog(SettingsStore& settings, UserInterface& ui, PhoneActions& phone,
                     QWidget* parent = nullptr);

    void LoadOptions();
    void SaveOptions();
    bool ValidateSMSC();
    void SetDialogEnabled(bool enabled);
    // Without SMS sending only the warnings are left to set.
    void ShowOnlyWarnings();
    void myTestDone(int code);
    void myReadSMSCDone(int code);

    void cmbComPort_Click();
    void cmdTest_Click();
    void cmdReadSMSC_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void txtOptSMSC_LostFocus();
    void chkPbookRead_Click();

    int WorkingPort() const { return workingPort_; }
    const std::string& WorkingSmsc() const { return workingSmsc_; }
    bool ReadSim() const { return readSim_; }
    bool ReadPhone() const { return readPhone_; }
    // Keeps the reading-progress form's two source lines in step with the check boxes.
    std::function<void(bool sim, bool phone)> onSourcesChanged;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // While the phone is being asked, Esc and the close box do what the disabled Cancel does:
    // nothing. The answer must find the dialog it belongs to.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    // Starts an action unless one runs; false (with a beep) when it must wait.
    bool BeginAction();
    void EndAction();
    void ShowPortDetails();

    SettingsStore& settings_;
    UserInterface& ui_;
    PhoneActions& phone_;

    std::string workingSmsc_;
    int workingPort_ = 0;
    bool readSim_ = true;
    bool readPhone_ = true;
    bool acting_ = false;
    std::vector<PortDescription> ports_;

    QTabWidget* TabStrip1_ = nullptr;
    QComboBox* cmbComPort_ = nullptr;
    QPushButton* cmdTest_ = nullptr;
    QLabel* picTest_ = nullptr;
    QLabel* lblSerialStatus_ = nullptr;
    QLabel* lblPortDetails_ = nullptr;
    QLineEdit* txtOptSMSC_ = nullptr;
    QToolButton* cmdReadSMSC_ = nullptr;
    QLabel* lblReadStatus_ = nullptr;
    QCheckBox* chkStatusReport_ = nullptr;
    QCheckBox* chkIfNotSaved_ = nullptr;
    QCheckBox* chkIfEmpty_ = nullptr;
    QCheckBox* chkIfResize_ = nullptr;
    QCheckBox* chkFTWarn_ = nullptr;
    QCheckBox* chkPbookReadSM_ = nullptr;
    QCheckBox* chkPbookReadME_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace pixora
