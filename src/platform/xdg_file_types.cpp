// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/xdg_file_types.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

#include "formats/file_io.h"

namespace pixora {

namespace {

constexpr const char* SharedMimeInfoNamespace =
    "http://www.freedesktop.org/standards/shared-mime-info";
// Above the 50 most packages use, so our claim on an extension wins once we have made it.
constexpr int GlobWeight = 80;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// ".npm" and the like: a dot and a few plain characters, nothing a glob would read as a pattern.
bool IsPlainExtension(std::string_view extension) {
    if (extension.size() < 2 || extension.size() > 32 || extension[0] != '.') {
        return false;
    }
    for (char ch : extension.substr(1)) {
        const bool plain = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                           (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '+';
        if (!plain) {
            return false;
        }
    }
    return true;
}

// "NokiaGroupGraphic" -> "Nokia Group Graphic": what a file manager shows for a type whose
// description was never given.
QString TypeNameWords(std::string_view typeName) {
    QString words;
    for (size_t i = 0; i < typeName.size(); ++i) {
        const char ch = typeName[i];
        if (i > 0 && ch >= 'A' && ch <= 'Z') {
            words += ' ';
        }
        words += QChar(ch);
    }
    return words;
}

QString PlainName(const QString& text, int limit) {
    QString out;
    for (QChar ch : text.toLower()) {
        if (out.size() >= limit) {
            break;
        }
        const bool plain = (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-' ||
                           ch == '_' || ch == '.';
        out += plain ? ch : QChar('_');
    }
    return out;
}

// Icons are looked up by name in the icon theme; a program installs its icon under its own file
// name, as ours does.
QString IconNameForProgram(const QString& program) {
    return PlainName(QFileInfo(program).fileName(), 64);
}

std::optional<QString> ProgramOf(std::string_view value, std::string_view suffix) {
    if (value.size() <= suffix.size() || value.substr(value.size() - suffix.size()) != suffix) {
        return std::nullopt;
    }
    const QString program = FromView(value.substr(0, value.size() - suffix.size()));
    if (!program.startsWith('/')) {
        return std::nullopt;
    }
    for (QChar ch : program) {
        // A line break would end the desktop entry's value in the middle.
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f) {
            return std::nullopt;
        }
    }
    return program;
}

std::optional<QByteArray> ReadWhole(const QString& path) {
    // Our own small files; anything far larger is not one of them.
    const std::optional<std::string> bytes =
        ReadWholeFile(QFile::encodeName(path).toStdString(), 1024 * 1024);
    if (!bytes) {
        return std::nullopt;
    }
    return QByteArray::fromStdString(*bytes);
}

// Writes only when the content differs, so that an unchanged start touches nothing and needs no
// database refresh. changed tells whether it wrote.
bool WriteIfDifferent(const QString& path, const QByteArray& content, bool& changed) {
    changed = false;
    if (const auto existing = ReadWhole(path); existing && *existing == content) {
        return true;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(content) != content.size() || !file.commit()) {
        return false;
    }
    changed = true;
    return true;
}

bool RunTool(const char* name, const QString& folder) {
    const QString tool = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (tool.isEmpty()) {
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, {folder});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A path as the file system knows it, so that a symlink and its target compare equal; a path
// that does not exist compares as written.
QString Canonical(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// The program an entry's Exec starts, as written there.
std::optional<QString> EntryProgram(const QString& entry) {
    const auto exec = KeyFileValue(entry, "Desktop Entry", "Exec");
    const auto arguments = exec ? SplitExec(UnescapeDesktopValue(*exec)) : std::nullopt;
    if (!arguments || arguments->isEmpty()) {
        return std::nullopt;
    }
    return arguments->first();
}

constexpr const char* PrivateEntryPattern = "pixora-open-*.desktop";
constexpr const char* PrivateEntryPrefix = "pixora-open-";

QStringList EnvironmentList(const char* name, const QString& fallback) {
    QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) {
        value = fallback;
    }
    QStringList items = value.split(':', Qt::SkipEmptyParts);
    for (QString& item : items) {
        item = QDir::cleanPath(item);
    }
    return items;
}

// The manifest: one "MIME-type id" line per default written for an installed entry.
using Manifest = std::vector<std::pair<QString, QString>>;

Manifest ParseManifest(const QByteArray& bytes) {
    Manifest records;
    for (const QString& line : QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (fields.size() == 2) {
            records.emplace_back(fields[0], fields[1]);
        }
    }
    return records;
}

QByteArray FormatManifest(const Manifest& records) {
    QString text;
    for (const auto& [mime, id] : records) {
        text += mime + " " + id + "\n";
    }
    return text.toUtf8();
}

QStringList SplitList(const QString& value) {
    QStringList items = value.split(';', Qt::SkipEmptyParts);
    for (QString& item : items) {
        item = item.trimmed();
    }
    items.removeAll(QString());
    return items;
}

}  // namespace

QString MimeNameForType(std::string_view typeName) {
    if (typeName.empty() || !((typeName[0] >= 'A' && typeName[0] <= 'Z') ||
                              (typeName[0] >= 'a' && typeName[0] <= 'z'))) {
        return QString();
    }
    QString subtype;
    for (size_t i = 0; i < typeName.size(); ++i) {
        const char ch = typeName[i];
        if (ch >= 'A' && ch <= 'Z') {
            if (i > 0) {
                subtype += '-';
            }
            subtype += QChar(ch - 'A' + 'a');
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) {
            subtype += QChar(ch);
        } else {
            return QString();
        }
    }
    return "application/x-" + subtype;
}

std::string TypeNameForMime(const QString& mimeName) {
    static const QString prefix = "application/x-";
    if (mimeName.startsWith(prefix)) {
        QString typeName;
        for (const QString& word : mimeName.mid(prefix.size()).split('-')) {
            if (!word.isEmpty()) {
                typeName += word.left(1).toUpper() + word.mid(1);
            }
        }
        // Only a name that maps back exactly is one of ours; others stay MIME names.
        const std::string result = typeName.toStdString();
        if (MimeNameForType(result) == mimeName) {
            return result;
        }
    }
    return mimeName.toStdString();
}

QString DesktopIdForProgram(const QString& program) {
    const QByteArray hash =
        QCryptographicHash::hash(program.toUtf8(), QCryptographicHash::Sha256).toHex().left(8);
    QString base = PlainName(QFileInfo(program).fileName(), 24);
    base.replace('.', '_');
    return "pixora-open-" + base + "-" + QString::fromLatin1(hash) + ".desktop";
}

QString QuoteExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString escaped = argument;
    escaped.replace('%', "%%");
    bool needsQuotes = argument.isEmpty();
    for (QChar ch : argument) {
        needsQuotes = needsQuotes || reserved.contains(ch);
    }
    if (!needsQuotes) {
        return escaped;
    }
    QString quoted = "\"";
    for (QChar ch : escaped) {
        if (ch == '"' || ch == '`' || ch == '$' || ch == '\\') {
            quoted += '\\';
        }
        quoted += ch;
    }
    return quoted + "\"";
}

std::optional<QStringList> SplitExec(const QString& value) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar ch = value[i];
        if (quoted) {
            if (ch == '\\' && i + 1 < value.size() &&
                QStringLiteral("\"`$\\").contains(value[i + 1])) {
                current += value[++i];
            } else if (ch == '"') {
                quoted = false;
            } else if (ch == '%' && i + 1 < value.size() && value[i + 1] == '%') {
                current += '%';
                ++i;
            } else {
                current += ch;
            }
            continue;
        }
        if (ch == ' ' || ch == '\t') {
            if (inArgument) {
                arguments << current;
                current.clear();
                inArgument = false;
            }
            continue;
        }
        inArgument = true;
        if (ch == '"') {
            quoted = true;
        } else if (ch == '%' && i + 1 < value.size() && value[i + 1] == '%') {
            current += '%';
            ++i;
        } else {
            current += ch;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inArgument) {
        arguments << current;
    }
    return arguments;
}

QString EscapeDesktopValue(const QString& text) {
    QString out;
    for (QChar ch : text) {
        if (ch == '\\') {
            out += "\\\\";
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (ch == '\r') {
            out += "\\r";
        } else {
            out += ch;
        }
    }
    return out;
}

QString UnescapeDesktopValue(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        if (next == 's') {
            out += ' ';
        } else if (next == 'n') {
            out += '\n';
        } else if (next == 't') {
            out += '\t';
        } else if (next == 'r') {
            out += '\r';
        } else if (next == '\\') {
            out += '\\';
        } else {
            out += '\\';
            out += next;
        }
    }
    return out;
}

std::optional<QString> KeyFileValue(const QString& text, const QString& group, const QString& key) {
    QString current;
    for (const QString& rawLine : text.split('\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            continue;
        }
        if (current != group || line.startsWith('#')) {
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == key) {
            return line.mid(equals + 1).trimmed();
        }
    }
    return std::nullopt;
}

QString SetKeyFileValue(const QString& text, const QString& group, const QString& key,
                        const QString& value) {
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    const QString entry = key + "=" + value;
    qsizetype groupStart = -1;
    qsizetype lastInGroup = -1;
    QString current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            if (current == group && groupStart < 0) {
                groupStart = i;
                lastInGroup = i;
            }
            continue;
        }
        if (current != group || groupStart < 0) {
            continue;
        }
        if (!line.isEmpty()) {
            lastInGroup = i;
        }
        const qsizetype equals = line.indexOf('=');
        if (!line.startsWith('#') && equals > 0 && line.left(equals).trimmed() == key) {
            lines[i] = entry;
            return lines.join('\n') + "\n";
        }
    }
    if (groupStart >= 0) {
        lines.insert(lastInGroup + 1, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) {
            lines << QString();
        }
        lines << "[" + group + "]" << entry;
    }
    return lines.join('\n') + "\n";
}

QString RemoveAssociations(const QString& text,
                           const std::function<bool(const QString&, const QString&)>& isOurs,
                           QStringList& removed) {
    static const QStringList groups{"Default Applications", "Added Associations"};
    QStringList kept;
    // Kept lines that head a group we took lines out of.
    std::vector<qsizetype> touchedHeaders;
    QString current;
    qsizetype header = -1;
    for (const QString& rawLine : text.split('\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            header = kept.size();
        }
        const qsizetype equals = line.indexOf('=');
        if (!groups.contains(current) || line.startsWith('#') || equals <= 0) {
            kept << rawLine;
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        const QStringList ids = SplitList(value);
        QStringList left;
        for (const QString& id : ids) {
            if (isOurs(key, id)) {
                removed << "[" + current + "] " + key + "=" + id;
            } else {
                left << id;
            }
        }
        if (left.size() == ids.size()) {
            kept << rawLine;
            continue;
        }
        if (!left.isEmpty()) {
            kept << key + "=" + left.join(';') + (value.endsWith(';') ? ";" : "") +
                        (rawLine.endsWith('\r') ? "\r" : "");
        }
        if (header >= 0 && (touchedHeaders.empty() || touchedHeaders.back() != header)) {
            touchedHeaders.push_back(header);
        }
    }
    // A group that only held our lines goes with them, and the blank line written before it.
    for (auto it = touchedHeaders.rbegin(); it != touchedHeaders.rend(); ++it) {
        qsizetype next = *it + 1;
        while (next < kept.size() && kept[next].trimmed().isEmpty()) {
            ++next;
        }
        if (next < kept.size() && !kept[next].trimmed().startsWith('[')) {
            continue;
        }
        const qsizetype first = (*it > 0 && kept[*it - 1].trimmed().isEmpty()) ? *it - 1 : *it;
        kept.remove(first, *it + 1 - first);
    }
    return kept.join('\n');
}

XdgFileTypeRegistry::XdgFileTypeRegistry()
    : XdgFileTypeRegistry(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                          EnvironmentList("XDG_DATA_DIRS", "/usr/local/share:/usr/share"),
                          EnvironmentList("PATH", "")) {}

XdgFileTypeRegistry::XdgFileTypeRegistry(QString dataHome, QString configHome)
    : XdgFileTypeRegistry(std::move(dataHome), std::move(configHome), {},
                          EnvironmentList("PATH", "")) {}

XdgFileTypeRegistry::XdgFileTypeRegistry(QString dataHome, QString configHome, QStringList dataDirs,
                                         QStringList searchPath)
    : dataHome_(std::move(dataHome)),
      configHome_(std::move(configHome)),
      dataDirs_(std::move(dataDirs)),
      searchPath_(std::move(searchPath)) {}

XdgFileTypeRegistry::~XdgFileTypeRegistry() {
    Refresh();
}

QString XdgFileTypeRegistry::PackageFile(std::string_view typeName) const {
    const QString mime = MimeNameForType(typeName);
    return dataHome_ + "/mime/packages/pixora-" + mime.mid(QString("application/x-").size()) +
           ".xml";
}

QString XdgFileTypeRegistry::DesktopFile(const QString& program) const {
    return dataHome_ + "/applications/" + DesktopIdForProgram(program);
}

std::optional<XdgFileTypeRegistry::Package> XdgFileTypeRegistry::LoadPackage(
    const QString& file) const {
    const auto bytes = ReadWhole(file);
    if (!bytes) {
        return std::nullopt;
    }
    // Our own file; whatever in it cannot be read is simply written anew.
    Package package;
    QXmlStreamReader xml(*bytes);
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        const auto lang = xml.attributes().value("http://www.w3.org/XML/1998/namespace", "lang");
        if (name == QLatin1String("comment") && lang.isEmpty()) {
            package.comment = xml.readElementText();
        } else if (name == QLatin1String("glob")) {
            package.globs << xml.attributes().value("pattern").toString();
        } else if (name == QLatin1String("icon")) {
            package.icon = xml.attributes().value("name").toString();
        }
    }
    return package;
}

bool XdgFileTypeRegistry::SavePackage(std::string_view typeName, const Package& package) {
    QByteArray content;
    QXmlStreamWriter xml(&content);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeComment(" Written by Pixora for the file types it opens; rewritten at every start. ");
    xml.writeStartElement("mime-info");
    xml.writeDefaultNamespace(SharedMimeInfoNamespace);
    xml.writeStartElement("mime-type");
    xml.writeAttribute("type", MimeNameForType(typeName));
    xml.writeTextElement("comment",
                         package.comment.isEmpty() ? TypeNameWords(typeName) : package.comment);
    if (!package.icon.isEmpty()) {
        xml.writeEmptyElement("icon");
        xml.writeAttribute("name", package.icon);
    }
    xml.writeEmptyElement("generic-icon");
    xml.writeAttribute("name", "image-x-generic");
    for (const QString& glob : package.globs) {
        xml.writeEmptyElement("glob");
        xml.writeAttribute("pattern", glob);
        xml.writeAttribute("weight", QString::number(GlobWeight));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    bool changed = false;
    if (!WriteIfDifferent(PackageFile(typeName), content, changed)) {
        return false;
    }
    mimeChanged_ = mimeChanged_ || changed;
    return true;
}

RegistryRead XdgFileTypeRegistry::ReadExtensionType(std::string_view extension,
                                                    std::string& typeName) {
    if (!IsPlainExtension(extension)) {
        return RegistryRead::Unreadable;
    }
    const QString lower = FromView(extension).toLower();
    if (const auto it = written_.find(lower); it != written_.end()) {
        typeName = it->second;
        return RegistryRead::Found;
    }
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("file" + lower, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return RegistryRead::Missing;
    }
    typeName = TypeNameForMime(type.name());
    return RegistryRead::Found;
}

bool XdgFileTypeRegistry::WriteExtensionType(std::string_view extension,
                                             std::string_view typeName) {
    if (!IsPlainExtension(extension) || MimeNameForType(typeName).isEmpty()) {
        return false;
    }
    const QString glob = "*" + FromView(extension).toLower();
    // An extension points to one type: our other packages give it up.
    const QString ownFile = PackageFile(typeName);
    const QDir packages(dataHome_ + "/mime/packages");
    for (const QString& name : packages.entryList({"pixora-*.xml"}, QDir::Files)) {
        const QString file = packages.filePath(name);
        if (file == ownFile) {
            continue;
        }
        auto other = LoadPackage(file);
        if (!other || other->globs.removeAll(glob) == 0) {
            continue;
        }
        const QString otherType = name.mid(QString("pixora-").size()).chopped(4);
        const std::string otherTypeName = TypeNameForMime("application/x-" + otherType);
        if (MimeNameForType(otherTypeName).isEmpty() || !SavePackage(otherTypeName, *other)) {
            return false;
        }
    }
    Package package = LoadPackage(ownFile).value_or(Package{});
    if (!package.globs.contains(glob)) {
        package.globs << glob;
    }
    if (!SavePackage(typeName, package)) {
        return false;
    }
    written_[FromView(extension).toLower()] = std::string(typeName);
    return true;
}

bool XdgFileTypeRegistry::WriteTypeDescription(std::string_view typeName,
                                               std::string_view description) {
    if (MimeNameForType(typeName).isEmpty()) {
        return false;
    }
    Package package = LoadPackage(PackageFile(typeName)).value_or(Package{});
    if (!description.empty()) {
        package.comment = FromView(description);
    }
    return SavePackage(typeName, package);
}

RegistryRead XdgFileTypeRegistry::ReadOpenCommand(std::string_view typeName, std::string& command) {
    const QString mime = MimeNameForType(typeName);
    if (mime.isEmpty()) {
        return RegistryRead::Unreadable;
    }
    const auto list = ReadWhole(MimeAppsFile());
    if (!list) {
        return RegistryRead::Missing;
    }
    const auto defaults = KeyFileValue(QString::fromUtf8(*list), "Default Applications", mime);
    if (!defaults || SplitList(*defaults).isEmpty()) {
        return RegistryRead::Missing;
    }
    const QString id = SplitList(*defaults).first();
    if (id.contains('/')) {
        return RegistryRead::Unreadable;
    }
    std::optional<QByteArray> entry;
    for (const QString& folder : QStringList{dataHome_} + dataDirs_) {
        if ((entry = ReadWhole(folder + "/applications/" + id))) {
            break;
        }
    }
    if (!entry) {
        return RegistryRead::Unreadable;
    }
    const auto exec = KeyFileValue(QString::fromUtf8(*entry), "Desktop Entry", "Exec");
    const auto arguments = exec ? SplitExec(UnescapeDesktopValue(*exec)) : std::nullopt;
    if (!arguments || arguments->isEmpty()) {
        return RegistryRead::Unreadable;
    }
    // The desktop's field codes for "a file" all mean what %1 means to the logic.
    static const QStringList fileCodes{"%f", "%F", "%u", "%U"};
    const QStringList rest = arguments->mid(1);
    // "pixora %f" of an installed entry names the same program as "/usr/bin/pixora %1".
    const QString resolved = ResolveProgram(arguments->first());
    const QString program = resolved.isEmpty() ? arguments->first() : Canonical(resolved);
    if (rest.size() == 1 && fileCodes.contains(rest.first())) {
        command = (program + " %1").toStdString();
    } else {
        command = (QStringList{arguments->first()} + rest).join(' ').toStdString();
    }
    return RegistryRead::Found;
}

bool XdgFileTypeRegistry::WriteOpenCommand(std::string_view typeName, std::string_view command) {
    const QString mime = MimeNameForType(typeName);
    const auto program = ProgramOf(command, " %1");
    if (mime.isEmpty() || !program) {
        return false;
    }
    const QString file = DesktopFile(*program);
    if (const QString installed = InstalledEntryFor(*program); !installed.isEmpty()) {
        // The package's entry carries the association; one of ours from before it was
        // installed would only be a second menu-less copy.
        if (QFile::exists(file)) {
            std::vector<std::string> removed;
            const QString id = DesktopIdForProgram(*program);
            if (!QFile::remove(file) ||
                !TakeBackAssociations(
                    [&id](const QString&, const QString& listed) { return listed == id; },
                    removed)) {
                return false;
            }
            desktopChanged_ = true;
        }
        Manifest records = ParseManifest(ReadWhole(ManifestFile()).value_or(QByteArray()));
        const std::pair<QString, QString> record{mime, installed};
        if (std::find(records.begin(), records.end(), record) == records.end()) {
            records.push_back(record);
        }
        bool changed = false;
        return WriteIfDifferent(ManifestFile(), FormatManifest(records), changed) &&
               MakeDefault(mime, installed);
    }

    QStringList mimeTypes;
    if (const auto existing = ReadWhole(file)) {
        if (const auto listed =
                KeyFileValue(QString::fromUtf8(*existing), "Desktop Entry", "MimeType")) {
            mimeTypes = SplitList(*listed);
        }
    }
    if (!mimeTypes.contains(mime)) {
        mimeTypes << mime;
    }
    QString entry;
    entry += "[Desktop Entry]\n";
    entry += "Type=Application\n";
    entry += "Version=1.0\n";
    entry += "Name=" + EscapeDesktopValue(QFileInfo(*program).fileName()) + "\n";
    entry += "Comment=Opens Nokia phone graphics\n";
    entry += "Exec=" + EscapeDesktopValue(QuoteExecArgument(*program) + " %f") + "\n";
    entry += "Icon=" + IconNameForProgram(*program) + "\n";
    entry += "Terminal=false\n";
    // Only here to carry the association; the program's own entry is the one for menus.
    entry += "NoDisplay=true\n";
    entry += "MimeType=" + mimeTypes.join(';') + ";\n";
    bool changed = false;
    if (!WriteIfDifferent(file, entry.toUtf8(), changed)) {
        return false;
    }
    desktopChanged_ = desktopChanged_ || changed;
    return MakeDefault(mime, DesktopIdForProgram(*program));
}

bool XdgFileTypeRegistry::MakeDefault(const QString& mime, const QString& id) {
    bool changed = false;
    QString list = QString::fromUtf8(ReadWhole(MimeAppsFile()).value_or(QByteArray()));
    list = SetKeyFileValue(list, "Default Applications", mime, id);
    QStringList added = SplitList(KeyFileValue(list, "Added Associations", mime).value_or(""));
    added.removeAll(id);
    added.prepend(id);
    list = SetKeyFileValue(list, "Added Associations", mime, added.join(';') + ";");
    return WriteIfDifferent(MimeAppsFile(), list.toUtf8(), changed);
}

bool XdgFileTypeRegistry::WriteIcon(std::string_view typeName, std::string_view icon) {
    const auto program = ProgramOf(icon, ",0");
    if (MimeNameForType(typeName).isEmpty() || !program) {
        return false;
    }
    Package package = LoadPackage(PackageFile(typeName)).value_or(Package{});
    package.icon = IconNameForProgram(*program);
    return SavePackage(typeName, package);
}

QString XdgFileTypeRegistry::ResolveProgram(const QString& program) const {
    if (program.contains('/')) {
        return program;
    }
    if (program.isEmpty() || searchPath_.isEmpty()) {
        return QString();
    }
    return QStandardPaths::findExecutable(program, searchPath_);
}

QString XdgFileTypeRegistry::InstalledEntryFor(const QString& program) const {
    const QString wanted = Canonical(program);
    QStringList seen;
    for (const QString& folder : QStringList{dataHome_} + dataDirs_) {
        const QDir applications(folder + "/applications");
        for (const QString& name : applications.entryList({"*.desktop"}, QDir::Files)) {
            // The first folder that has an id decides for it, as the desktop reads them.
            if (seen.contains(name)) {
                continue;
            }
            seen << name;
            if (name.startsWith(PrivateEntryPrefix)) {
                continue;
            }
            const auto bytes = ReadWhole(applications.filePath(name));
            if (!bytes) {
                continue;
            }
            const QString entry = QString::fromUtf8(*bytes);
            if (KeyFileValue(entry, "Desktop Entry", "Type") != QString("Application") ||
                KeyFileValue(entry, "Desktop Entry", "Hidden") == QString("true")) {
                continue;
            }
            const auto starts = EntryProgram(entry);
            const QString resolved = starts ? ResolveProgram(*starts) : QString();
            if (!resolved.isEmpty() && Canonical(resolved) == wanted) {
                return name;
            }
        }
    }
    return QString();
}

bool XdgFileTypeRegistry::HasInstalledEntry(const std::string& program) {
    return !InstalledEntryFor(QString::fromStdString(program)).isEmpty();
}

bool XdgFileTypeRegistry::TakeBackAssociations(
    const std::function<bool(const QString&, const QString&)>& isOurs,
    std::vector<std::string>& removed) {
    const auto bytes = ReadWhole(MimeAppsFile());
    if (!bytes) {
        return true;
    }
    QStringList items;
    const QString list = RemoveAssociations(QString::fromUtf8(*bytes), isOurs, items);
    for (const QString& item : items) {
        removed.push_back((MimeAppsFile() + ": " + item).toStdString());
    }
    if (list.trimmed().isEmpty() && !items.isEmpty()) {
        // Nothing but what we wrote was in it.
        return QFile::remove(MimeAppsFile());
    }
    bool changed = false;
    return WriteIfDifferent(MimeAppsFile(), list.toUtf8(), changed);
}

std::vector<std::string> XdgFileTypeRegistry::RemoveStaleEntries() {
    std::vector<std::string> removed;
    QStringList gone;
    const QDir applications(dataHome_ + "/applications");
    for (const QString& name : applications.entryList({PrivateEntryPattern}, QDir::Files)) {
        const QString file = applications.filePath(name);
        const auto bytes = ReadWhole(file);
        const auto program = bytes ? EntryProgram(QString::fromUtf8(*bytes)) : std::nullopt;
        // Only a program we can name for certain counts as gone; anything unreadable stays.
        if (!program || !program->startsWith('/') || QFileInfo::exists(*program) ||
            !QFile::remove(file)) {
            continue;
        }
        removed.push_back(file.toStdString());
        gone << name;
        desktopChanged_ = true;
    }
    // Defaults written for an installed entry that has since been uninstalled.
    Manifest records = ParseManifest(ReadWhole(ManifestFile()).value_or(QByteArray()));
    Manifest goneRecords;
    std::erase_if(records, [&](const std::pair<QString, QString>& record) {
        for (const QString& folder : QStringList{dataHome_} + dataDirs_) {
            if (QFile::exists(folder + "/applications/" + record.second)) {
                return false;
            }
        }
        goneRecords.push_back(record);
        return true;
    });
    if (gone.isEmpty() && goneRecords.empty()) {
        return removed;
    }
    TakeBackAssociations(
        [&](const QString& mime, const QString& id) {
            return gone.contains(id) || std::find(goneRecords.begin(), goneRecords.end(),
                                                  std::pair{mime, id}) != goneRecords.end();
        },
        removed);
    if (!goneRecords.empty()) {
        bool changed = false;
        WriteIfDifferent(ManifestFile(), FormatManifest(records), changed);
    }
    return removed;
}

std::vector<std::string> XdgFileTypeRegistry::Unregister() {
    std::vector<std::string> removed;
    const auto take = [&removed](const QString& file) {
        if (QFile::remove(file)) {
            removed.push_back(file.toStdString());
            return true;
        }
        return false;
    };
    QStringList ids;
    const QDir applications(dataHome_ + "/applications");
    for (const QString& name : applications.entryList({PrivateEntryPattern}, QDir::Files)) {
        if (take(applications.filePath(name))) {
            ids << name;
            desktopChanged_ = true;
        }
    }
    const QDir packages(dataHome_ + "/mime/packages");
    for (const QString& name : packages.entryList({"pixora-*.xml"}, QDir::Files)) {
        mimeChanged_ = take(packages.filePath(name)) || mimeChanged_;
    }
    const Manifest records = ParseManifest(ReadWhole(ManifestFile()).value_or(QByteArray()));
    TakeBackAssociations(
        [&](const QString& mime, const QString& id) {
            return ids.contains(id) ||
                   std::find(records.begin(), records.end(), std::pair{mime, id}) != records.end();
        },
        removed);
    if (QFile::exists(ManifestFile()) && take(ManifestFile())) {
        // The folder only when nothing else of ours lives there.
        QDir().rmdir(QFileInfo(ManifestFile()).absolutePath());
    }
    Refresh();
    return removed;
}

bool XdgFileTypeRegistry::Refresh() {
    bool ok = true;
    if (mimeChanged_) {
        ok = RunTool("update-mime-database", dataHome_ + "/mime") && ok;
        mimeChanged_ = false;
    }
    if (desktopChanged_) {
        ok = RunTool("update-desktop-database", dataHome_ + "/applications") && ok;
        desktopChanged_ = false;
    }
    return ok;
}

}  // namespace pixora
