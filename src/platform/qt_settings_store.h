// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The settings store on disk: an INI file shared by every program of the family run by this
// user ($XDG_CONFIG_HOME/Brellow/Brellow.ini). The siblings read and write it too, so the file is
// kept as they wrote it (IniDocument) and only the keys this program sets or removes change.
//
// Each write takes the lock file beside it ("Brellow.ini.lock", flock), reads the file afresh,
// applies its one change and replaces the file atomically (a file beside it, fsync, rename, the
// old mode kept), so a sibling's change to another key in the meantime survives. Where the folder
// cannot take a new file but the file itself is writable, the file is rewritten in place.
// Reads look at the file again whenever it changed on disk, and always for the keys by which
// processes coordinate ("CurrentBusy", "CurrentAppname", "Application").

#include <sys/types.h>

#include <QString>
#include <ctime>
#include <string>

#include "core/settings.h"
#include "shell/ini_document.h"

namespace pixora {

class QtSettingsStore : public SettingsStore {
public:
    // The user's store under the application "Brellow".
    QtSettingsStore();
    // A store in a given INI file, for tests.
    explicit QtSettingsStore(const QString& iniPath);

    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    // False when the file cannot be written (read-only file, no room, no folder): the value on
    // disk stays as it was.
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view section, std::string_view key) override;

    QString FileName() const { return fileName_; }

private:
    // What tells that the file changed since it was last read.
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const Stamp& other) const;
    };

    void Reload(bool always);
    // Runs edit on the file as it is now, under the lock, and stores the result.
    template <typename Edit>
    bool Change(Edit edit);

    QString fileName_;
    std::string path_;  // fileName_ in the file system's encoding
    IniDocument cached_;
    Stamp stamp_;
    bool loaded_ = false;
};

}  // namespace pixora
