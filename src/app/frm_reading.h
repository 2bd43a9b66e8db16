// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The modal progress form of a phonebook read, with its three stage labels.

#include <functional>
#include <string>
#include "app/progress_dialog.h"

class QLabel;
class QPushButton;

namespace pixora {

class frmReading : public ProgressDialog {
    Q_OBJECT
public:
    explicit frmReading(QWidget* parent = nullptr);

    // The given stage in bold, the others normal.
    void myShowLabel(const std::string& label);
    // Memories switched off in the options show their stage disabled.
    void SetSources(bool sim, bool phone);

protected:
    void Restart() override;

private:
    QLabel* lblStatus1_ = nullptr;
    QLabel* lblStatusSM_ = nullptr;
    QLabel* lblStatusME_ = nullptr;
};

}  // namespace pixora
