// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The real dialogs behind the user-interface seam.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/user_interface.h"

namespace pixora {

class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    Answer MessageBox(const std::string& text, const std::string& title, MessageIcon icon,
                      MessageButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, int x, int y) override;
    void Beep() override;
    void SetBusyPointer(bool busy) override;
    std::string OpenFile(const std::string& filter, int filterIndex,
                         const std::string& initialFolder) override;
    std::string SaveFile(const std::string& initialName, const std::string& filter, int filterIndex,
                         const std::string& initialFolder, const std::string& defaultExtension,
                         int* chosenFilter = nullptr) override;
    void ProcessEvents() override;

private:
    QPointer<QWidget> owner_;
};

// "Description|*.a;*.b|..." pairs as Qt's name filters ("Description (*.a *.b)").
QStringList ToQtNameFilters(const std::string& filter);
// Message texts keep the "\r\n" line breaks of the program; a label wants plain newlines.
QString ToDisplayText(const std::string& text);

}  // namespace pixora
