#pragma once
// The modal progress form of a send through the phone. Showing it starts the send; its Cancel
// button and its close box only ask the conversation to stop, which hides the form when it has.

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pixora {

class frmSending : public QDialog {
    Q_OBJECT
public:
    explicit frmSending(QWidget* parent = nullptr);

    void myUpdateSending(int percent);
    // The conversation is over: hide.
    void Finished();

    // Called once the form is up: starts the send.
    std::function<void()> onShown;
    // Cancel or the close box.
    std::function<void()> onCancel;
    // Every percentage shown since the form was last shown, for whoever wants to know.
    const std::vector<int>& Shown() const { return shown_; }
    const std::vector<QString>& Titles() const { return titles_; }
    void SetTitle(const QString& title);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLabel* lblPercent_ = nullptr;
    QProgressBar* prgSending_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    std::vector<int> shown_;
    std::vector<QString> titles_;
    bool running_ = false;
};

}  // namespace pixora
