// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A modal progress form of a phone conversation. Showing it starts the conversation; Cancel and
// the close box only ask the conversation to stop, and the conversation hides the form when it
// has ended, so the port is never left open behind a closed form.

#include <QDialog>
#include <functional>

namespace pixora {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    // The conversation is over: hide.
    void Finished();

    // Called once the form is up: starts the conversation.
    std::function<void()> onShown;
    // Cancel or the close box while the conversation runs.
    std::function<void()> onCancel;

protected:
    // Puts the form's controls back to their start before the conversation begins.
    virtual void Restart() {}
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool running_ = false;
};

}  // namespace pixora
