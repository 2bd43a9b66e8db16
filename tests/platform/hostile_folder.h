// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Things another local user (or an accident) can leave where the editor wants a private folder,
// and a description of what is there so that a test can show it was left alone.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace pixora::testing {

enum class Plant { Nothing, Private, OtherOwner, OpenMode, LinkToOurs, RegularFile };

inline const char* PlantName(Plant plant) {
    static const char* const names[] = {"nothing",
                                        "a private folder of ours",
                                        "a folder of another user",
                                        "a folder of ours with mode 0755",
                                        "a link to a private folder of ours",
                                        "a regular file"};
    return names[static_cast<int>(plant)];
}

// A folder owned by someone else needs root to make.
inline bool CanPlant(Plant plant) {
    return plant != Plant::OtherOwner || geteuid() == 0;
}

inline void WriteMarker(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) {
        file.write("planted");
    }
}

// Puts plant at path; a folder gets a file inside so that a clean-up through it would show.
// elsewhere is a folder of ours for the link to point into.
inline bool PlantAt(const std::string& path, Plant plant, const std::string& elsewhere) {
    switch (plant) {
        case Plant::Nothing:
            return true;
        case Plant::Private:
            return mkdir(path.c_str(), 0700) == 0;
        case Plant::OtherOwner:
        case Plant::OpenMode:
            if (mkdir(path.c_str(), 0700) != 0) {
                return false;
            }
            WriteMarker(path + "/PMTMP000.HTM");
            if (plant == Plant::OtherOwner) {
                const uid_t nobody = 65534;
                return chown((path + "/PMTMP000.HTM").c_str(), nobody, nobody) == 0 &&
                       chown(path.c_str(), nobody, nobody) == 0;
            }
            return chmod(path.c_str(), 0755) == 0;
        case Plant::LinkToOurs: {
            const std::string target = elsewhere + "/ours";
            if (mkdir(target.c_str(), 0700) != 0) {
                return false;
            }
            WriteMarker(target + "/PMTMP000.HTM");
            return symlink(target.c_str(), path.c_str()) == 0;
        }
        case Plant::RegularFile:
            WriteMarker(path);
            return true;
    }
    return false;
}

// Type, mode, owner, link target and contents (one level) of whatever is at path.
inline std::string Describe(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return "missing";
    }
    std::string text = std::to_string(info.st_mode) + " " + std::to_string(info.st_uid);
    if (S_ISLNK(info.st_mode)) {
        char target[4096] = {};
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        text += " -> " + std::string(target, length > 0 ? static_cast<size_t>(length) : 0) + " [" +
                Describe(std::string(target)) + "]";
    } else if (S_ISDIR(info.st_mode)) {
        const QStringList entries =
            QDir(QString::fromStdString(path))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Name);
        text += " {" + entries.join(",").toStdString() + "}";
    } else if (S_ISREG(info.st_mode)) {
        QFile file(QString::fromStdString(path));
        text += file.open(QIODevice::ReadOnly) ? " " + file.readAll().toStdString() : " ?";
    }
    return text;
}

// Sets an environment variable for the life of the object; a null value unsets it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        Set(value);
    }
    ~ScopedEnvironment() { Set(wasSet_ ? saved_ : QByteArray()); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    void Set(const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name_);
        } else {
            qputenv(name_, value);
        }
    }

private:
    const char* name_;
    QByteArray saved_;
    bool wasSet_;
};

}  // namespace pixora::testing
