#pragma once
// The settings store on disk: an INI file shared by every program of the family run by this
// user ($XDG_CONFIG_HOME/Brellow/Brellow.ini). Other processes write it too, so every read looks
// at the file again and every write goes to disk at once.

#include <QSettings>
#include <QString>
#include <memory>

#include "core/settings.h"

namespace pixora {

class QtSettingsStore : public SettingsStore {
public:
    // The user's store under the application "Brellow".
    QtSettingsStore();
    // A store in a given INI file, for tests.
    explicit QtSettingsStore(const QString& iniPath);

    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view section, std::string_view key) override;

    QString FileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace pixora
