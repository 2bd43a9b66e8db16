// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor speaks the user's language where a translation of it is installed.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace pixora {

// The folders searched for the editor's .qm files, first match wins: "translations" beside the
// program (the build tree), then share/pixora/translations of the prefix it is installed in.
QStringList TranslationFolders(const QString& programFolder);

// Loads Qt's own texts and the editor's (from the first of folders that has them) for locale,
// and routes the standard-C++ layers' texts
// through them. A locale without a translation (C, English) loads nothing and the texts stay
// as written. Returns whether the editor's translation was found.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

}  // namespace pixora
