// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The modal progress form of a send through the phone. Showing it starts the send; its Cancel
// button and its close box only ask the conversation to stop, which hides the form when it has.

#include <functional>
#include <vector>
#include "app/progress_dialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace pixora {

class frmSending : public ProgressDialog {
    Q_OBJECT
public:
    explicit frmSending(QWidget* parent = nullptr);

    void myUpdateSending(int percent);

    // Every percentage shown since the form was last shown, for whoever wants to know.
    const std::vector<int>& Shown() const { return shown_; }
    const std::vector<QString>& Titles() const { return titles_; }
    void SetTitle(const QString& title);

protected:
    void Restart() override;

private:
    QLabel* lblPercent_ = nullptr;
    QProgressBar* prgSending_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    std::vector<int> shown_;
    std::vector<QString> titles_;
};

}  // namespace pixora
