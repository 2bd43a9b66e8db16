// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture messages read from the phone: sender, time and a small preview of each, one to
// open into the editor.

#include <QDialog>
#include <vector>

#include "sms/stored_pictures.h"

class QListWidget;

namespace pixora {

class frmReceivedMessages : public QDialog {
    Q_OBJECT
public:
    frmReceivedMessages(const std::vector<StoredPicture>& messages, QWidget* parent = nullptr);

    // The message chosen with Open (or a double click); -1 before one was.
    int Chosen() const { return chosen_; }

private:
    void cmdOpen_Click();

    QListWidget* lstMessages_ = nullptr;
    int chosen_ = -1;
};

}  // namespace pixora
