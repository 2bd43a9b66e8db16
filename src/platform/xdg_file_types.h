// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file-type registry on a freedesktop desktop, written only below the user's own folders:
//
//   extension -> type name    a glob in the shared-mime-info package of the type's MIME type,
//                             $XDG_DATA_HOME/mime/packages/pixora-<type>.xml (weight 80, so it
//                             wins over the usual 50 of another package claiming the extension)
//   type description          that package's <comment>
//   open command "prog %1"    a desktop entry per program, $XDG_DATA_HOME/applications/
//                             pixora-open-<name>-<hash>.desktop with Exec=prog %f, made the
//                             default for the MIME type in $XDG_CONFIG_HOME/mimeapps.list
//   icon "prog,0"             the package's <icon>, named after the program's file name
//
// Type names become MIME names as NokiaPictureMessage -> application/x-nokia-picture-message.
// Which type an extension points to is asked of the MIME database (QMimeDatabase), so a package
// of another program that claims the extension counts as another type; what this object wrote
// itself counts at once, before the database has been rebuilt.
//
// A program that has a desktop entry of its own (one a package installed, in $XDG_DATA_HOME or
// $XDG_DATA_DIRS, whose Exec starts this very file) gets no private entry: the defaults name
// the installed one, and $XDG_DATA_HOME/pixora/associations records which lines those were, so
// that they can be taken back. Everything else written is known by its name (pixora-open-*,
// pixora-*.xml). The files are edited line by line rather than through a key-file library,
// because the user's comments and layout in mimeapps.list must survive untouched.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/file_types.h"

namespace pixora {

class XdgFileTypeRegistry : public FileTypeRegistry {
public:
    // The user's folders: $XDG_DATA_HOME and $XDG_CONFIG_HOME as QStandardPaths sees them.
    XdgFileTypeRegistry();
    XdgFileTypeRegistry(QString dataHome, QString configHome);
    // dataDirs: where installed entries are looked for (as $XDG_DATA_DIRS); searchPath: where a
    // bare Exec program is looked for (as $PATH).
    XdgFileTypeRegistry(QString dataHome, QString configHome, QStringList dataDirs,
                        QStringList searchPath);
    // Refreshes the databases for what was written.
    ~XdgFileTypeRegistry() override;

    RegistryRead ReadExtensionType(std::string_view extension, std::string& typeName) override;
    bool WriteExtensionType(std::string_view extension, std::string_view typeName) override;
    bool WriteTypeDescription(std::string_view typeName, std::string_view description) override;
    RegistryRead ReadOpenCommand(std::string_view typeName, std::string& command) override;
    bool WriteOpenCommand(std::string_view typeName, std::string_view command) override;
    bool WriteIcon(std::string_view typeName, std::string_view icon) override;
    bool HasInstalledEntry(const std::string& program) override;
    // Private entries whose program is gone, and recorded defaults for an installed entry that
    // is gone, with their mimeapps.list lines.
    std::vector<std::string> RemoveStaleEntries() override;

    // Takes back everything this program ever wrote below the user's folders, and only that;
    // one line per item removed. Refreshes the databases.
    std::vector<std::string> Unregister();

    // The installed entry's identifier for program ("pixora.desktop"), or empty.
    QString InstalledEntryFor(const QString& program) const;

    // Runs update-mime-database and update-desktop-database on the user's folders when something
    // changed there and the tools are installed. False when a tool was needed but missing or
    // failed.
    bool Refresh();

    QString PackageFile(std::string_view typeName) const;
    QString DesktopFile(const QString& program) const;
    QString MimeAppsFile() const { return configHome_ + "/mimeapps.list"; }
    QString ManifestFile() const { return dataHome_ + "/pixora/associations"; }

private:
    struct Package {
        QString comment;
        QStringList globs;
        QString icon;
    };
    std::optional<Package> LoadPackage(const QString& file) const;
    bool SavePackage(std::string_view typeName, const Package& package);
    bool MakeDefault(const QString& mime, const QString& id);
    QString ResolveProgram(const QString& program) const;
    // Drops the mimeapps.list list items isOurs accepts; false when the file could not be
    // written.
    bool TakeBackAssociations(const std::function<bool(const QString&, const QString&)>& isOurs,
                              std::vector<std::string>& removed);

    QString dataHome_;
    QString configHome_;
    QStringList dataDirs_;
    QStringList searchPath_;
    // Extensions (lower case) written in this run, before the database knows them.
    std::map<QString, std::string> written_;
    bool mimeChanged_ = false;
    bool desktopChanged_ = false;
};

// application/x- and the type name's words in lower case joined by "-"; empty for a name that
// is not letters and digits.
QString MimeNameForType(std::string_view typeName);
// The reverse for names of that form; any other MIME name comes back unchanged.
std::string TypeNameForMime(const QString& mimeName);

// The desktop entry's identifier for a program: a readable part and a hash of the whole path.
QString DesktopIdForProgram(const QString& program);

// Exec values: one argument quoted as the desktop-entry rules want it, and a value read from a
// file split back into its arguments (nullopt for an unbalanced quote).
QString QuoteExecArgument(const QString& argument);
std::optional<QStringList> SplitExec(const QString& value);
// The string escapes of desktop files (\\ \s \n \t \r) both ways.
QString EscapeDesktopValue(const QString& text);
QString UnescapeDesktopValue(const QString& text);

// Key files as mimeapps.list and desktop entries: one value read, or set with every other line
// kept as it was.
std::optional<QString> KeyFileValue(const QString& text, const QString& group, const QString& key);
QString SetKeyFileValue(const QString& text, const QString& group, const QString& key,
                        const QString& value);
// Takes the desktop ids isOurs(key, id) accepts out of the lists in [Default Applications] and
// [Added Associations]; a line whose list becomes empty goes, every other byte stays. removed
// gets one "group key=id" item per id taken.
QString RemoveAssociations(const QString& text,
                           const std::function<bool(const QString&, const QString&)>& isOurs,
                           QStringList& removed);

}  // namespace pixora
