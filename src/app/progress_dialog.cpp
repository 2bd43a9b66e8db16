// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/progress_dialog.h"

#include <QCloseEvent>
#include <QTimer>

namespace pixora {

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent) {
    setModal(true);
}

void ProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    running_ = true;
    Restart();
    // Once the modal loop runs, so that a conversation that ends at once can still hide the form.
    QTimer::singleShot(0, this, [this] {
        if (onShown) {
            onShown();
        }
    });
}

void ProgressDialog::Finished() {
    running_ = false;
    accept();
}

void ProgressDialog::reject() {
    if (running_ && onCancel) {
        onCancel();
        return;
    }
    QDialog::reject();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        if (onCancel) {
            onCancel();
        }
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace pixora
