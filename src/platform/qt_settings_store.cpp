#include "platform/qt_settings_store.h"

#include <QStringList>
#include <QVariant>

namespace pixora {

namespace {

QString KeyPath(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + "/" +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Brellow",
                                            "Brellow")) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::Read(std::string_view section, std::string_view key) {
    // Pick up what the siblings or another instance wrote since the last look.
    settings_->sync();
    const QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // An unquoted value with commas in a file written by hand comes back as a list.
    if (value.userType() == QMetaType::QStringList) {
        return value.toStringList().join(",").toStdString();
    }
    return value.toString().toStdString();
}

bool QtSettingsStore::Write(std::string_view section, std::string_view key,
                            std::string_view value) {
    settings_->setValue(KeyPath(section, key),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_->sync();
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

void QtSettingsStore::Delete(std::string_view section, std::string_view key) {
    settings_->remove(KeyPath(section, key));
    settings_->sync();
}

}  // namespace pixora
