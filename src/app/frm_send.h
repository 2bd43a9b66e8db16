// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The send dialog: the destination number, typed or picked from the phone's phonebook.

#include <QDialog>
#include <functional>
#include <string>

#include "core/settings.h"
#include "core/user_interface.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace pixora {

class PhonebookRead;

class frmSend : public QDialog {
    Q_OBJECT
public:
    frmSend(SettingsStore& settings, UserInterface& ui, PhonebookRead& phonebook,
            QWidget* parent = nullptr);

    // Runs when the dialog opens and again when the phonebook-reading form in front of it closes.
    void Activate();
    void FillPhonebookCombo();
    void cmbPhonebook_Click();
    void cmdPhonebook_Click();
    void cmdSend_Click();
    void cmdCancel_Click();
    void txtDA_LostFocus();

    // The reading form, shown modally; the sending form, shown modally, which sends.
    std::function<void()> showReading;
    std::function<void()> showSending;
    // The dialling code for the example number.
    std::function<std::string()> countryCode;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingsStore& settings_;
    UserInterface& ui_;
    PhonebookRead& phonebook_;
    std::string lastNumber_;
    QLineEdit* txtDA_ = nullptr;
    QComboBox* cmbPhonebook_ = nullptr;
    QLabel* lblPort_ = nullptr;
    QToolButton* cmdPhonebook_ = nullptr;
    QPushButton* cmdSend_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace pixora
