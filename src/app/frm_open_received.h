// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// File > Open Received Message: a box to paste a received picture message into (PDU lines, an
// AT+CMGL / AT+CMGR transcript, a gammu SMS backup), or to fill from a file.

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace pixora {

class UserInterface;

class frmOpenReceived : public QDialog {
    Q_OBJECT
public:
    // folder is where From File starts, and where the chosen file's folder is kept.
    frmOpenReceived(UserInterface& ui, std::string& folder, QWidget* parent = nullptr);

    // The text as pasted or read, for the decoder.
    std::string MessageText() const;

private:
    void cmdFromFile_Click();

    UserInterface& ui_;
    std::string& folder_;
    QPlainTextEdit* txtMessage_ = nullptr;
};

}  // namespace pixora
