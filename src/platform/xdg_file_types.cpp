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

XdgFileTypeRegistry::XdgFileTypeRegistry()
    : XdgFileTypeRegistry(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) {
}

XdgFileTypeRegistry::XdgFileTypeRegistry(QString dataHome, QString configHome)
    : dataHome_(std::move(dataHome)), configHome_(std::move(configHome)) {}

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
    QStringList folders{dataHome_};
    folders << QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : folders) {
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
    if (rest.size() == 1 && fileCodes.contains(rest.first())) {
        command = (arguments->first() + " %1").toStdString();
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
    const QString id = DesktopIdForProgram(*program);
    const QString file = DesktopFile(*program);

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
