// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/translate.h"

namespace pixora {

namespace {

std::string TranslateThroughQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

QStringList TranslationFolders(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath("translations"),
            QDir::cleanPath(folder.filePath("../share/pixora/translations"))};
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    // Owned by the application, so they live as long as the texts are looked up.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    }
    auto* ownTexts = new QTranslator(&app);
    bool found = false;
    for (const QString& folder : folders) {
        if (ownTexts->load(locale, "pixora", "_", folder)) {
            found = true;
            break;
        }
    }
    if (!found) {
        return false;
    }
    QCoreApplication::installTranslator(ownTexts);
    SetTextTranslator(TranslateThroughQt);
    return true;
}

}  // namespace pixora
