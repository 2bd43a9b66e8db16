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

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "shell/file_types.h"

namespace pixora {

class XdgFileTypeRegistry : public FileTypeRegistry {
public:
    // The user's folders: $XDG_DATA_HOME and $XDG_CONFIG_HOME as QStandardPaths sees them.
    XdgFileTypeRegistry();
    XdgFileTypeRegistry(QString dataHome, QString configHome);
    // Refreshes the databases for what was written.
    ~XdgFileTypeRegistry() override;

    RegistryRead ReadExtensionType(std::string_view extension, std::string& typeName) override;
    bool WriteExtensionType(std::string_view extension, std::string_view typeName) override;
    bool WriteTypeDescription(std::string_view typeName, std::string_view description) override;
    RegistryRead ReadOpenCommand(std::string_view typeName, std::string& command) override;
    bool WriteOpenCommand(std::string_view typeName, std::string_view command) override;
    bool WriteIcon(std::string_view typeName, std::string_view icon) override;

    // Runs update-mime-database and update-desktop-database on the user's folders when something
    // changed there and the tools are installed. False when a tool was needed but missing or
    // failed.
    bool Refresh();

    QString PackageFile(std::string_view typeName) const;
    QString DesktopFile(const QString& program) const;
    QString MimeAppsFile() const { return configHome_ + "/mimeapps.list"; }

private:
    struct Package {
        QString comment;
        QStringList globs;
        QString icon;
    };
    std::optional<Package> LoadPackage(const QString& file) const;
    bool SavePackage(std::string_view typeName, const Package& package);

    QString dataHome_;
    QString configHome_;
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

}  // namespace pixora
