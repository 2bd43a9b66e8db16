// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/qt_user_interface.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <optional>

namespace pixora {

QString ToDisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    return s;
}

QStringList ToQtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(';', ' ');
        // Qt reads the patterns from the parentheses at the end of each filter; a description
        // that already ends in them is kept as it is.
        const QString suffix = "(" + patterns + ")";
        QString described = description;
        described.replace(';', ' ');
        if (described.endsWith(suffix)) {
            filters << described;
        } else {
            filters << description + " " + suffix;
        }
    }
    return filters;
}

namespace {

// "Wireless Bitmap (*.wbmp *.wbm)" gives "wbmp"; a filter of wildcards ("*.*") none.
std::optional<QString> FirstExtensionOf(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf('(');
    const qsizetype close = nameFilter.lastIndexOf(')');
    if (open < 0 || close < open) {
        return std::nullopt;
    }
    const QString first = nameFilter.mid(open + 1, close - open - 1).trimmed().section(' ', 0, 0);
    if (!first.startsWith("*.")) {
        return std::nullopt;
    }
    const QString extension = first.mid(2);
    if (extension.isEmpty() || extension.contains('*') || extension.contains('?')) {
        return std::nullopt;
    }
    return extension;
}

}  // namespace

Answer QtUserInterface::MessageBox(const std::string& text, const std::string& title,
                                   MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(owner_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(ToDisplayText(text));
    switch (icon) {
        case MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::None:
            break;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    const int result = box.exec();
    switch (result) {
        case QMessageBox::Yes:
            return AnswerYes;
        case QMessageBox::No:
            return AnswerNo;
        case QMessageBox::Ok:
            return AnswerOk;
        default:
            // Closing the box with Escape or the title bar counts as its cancelling answer.
            return buttons == MessageButtons::YesNo ? AnswerNo : AnswerCancel;
    }
}

std::string QtUserInterface::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText, int x, int y) {
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(ToDisplayText(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.move(x, y);
    if (dialog.exec() != QDialog::Accepted) {
        return std::string();
    }
    return dialog.textValue().toStdString();
}

void QtUserInterface::Beep() {
    QApplication::beep();
}

void QtUserInterface::SetBusyPointer(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

std::string QtUserInterface::OpenFile(const std::string& filter, int filterIndex,
                                      const std::string& initialFolder) {
    ProcessEvents();
    QFileDialog dialog(owner_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = ToQtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[filterIndex - 1]);
    }
    if (!initialFolder.empty()) {
        dialog.setDirectory(QString::fromStdString(initialFolder));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::string();
    }
    return dialog.selectedFiles().first().toStdString();
}

std::string QtUserInterface::SaveFile(const std::string& initialName, const std::string& filter,
                                      int filterIndex, const std::string& initialFolder,
                                      const std::string& defaultExtension, int* chosenFilter) {
    ProcessEvents();
    QFileDialog dialog(owner_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = ToQtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[filterIndex - 1]);
    }
    if (!initialFolder.empty()) {
        dialog.setDirectory(QString::fromStdString(initialFolder));
    }
    // A name typed without an extension takes the chosen filter's first one (".wbmp" under
    // "Wireless Bitmap"), as the system's own dialogs do; the default extension only stands in
    // for a filter of wildcards.
    const QString fallback = QString::fromStdString(defaultExtension);
    const auto suffixOf = [&fallback](const QString& nameFilter) {
        return FirstExtensionOf(nameFilter).value_or(fallback);
    };
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixOf](const QString& nameFilter) {
                         dialog.setDefaultSuffix(suffixOf(nameFilter));
                     });
    // Paths are limited as the file formats' own fields are; a longer proposal is cut to fit.
    dialog.selectFile(QString::fromStdString(initialName).left(259));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::string();
    }
    if (chosenFilter != nullptr) {
        *chosenFilter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    }
    return dialog.selectedFiles().first().toStdString();
}

void QtUserInterface::ProcessEvents() {
    QCoreApplication::processEvents();
}

}  // namespace pixora
