#pragma once
// The modal progress form of a phonebook read, with its three stage labels.

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace pixora {

class frmReading : public QDialog {
    Q_OBJECT
public:
    explicit frmReading(QWidget* parent = nullptr);

    // The given stage in bold, the others normal.
    void myShowLabel(const std::string& label);
    // Memories switched off in the options show their stage disabled.
    void SetSources(bool sim, bool phone);
    void Finished();

    std::function<void()> onShown;
    std::function<void()> onCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLabel* lblStatus1_ = nullptr;
    QLabel* lblStatusSM_ = nullptr;
    QLabel* lblStatusME_ = nullptr;
    bool running_ = false;
};

}  // namespace pixora
