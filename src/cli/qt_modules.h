// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// pixora-cli keeps Qt out of its own executable: reading a logo and writing a WBMP, NPM or BMP is
// plain C++, and a process that links Qt Gui spends most of its short life loading it. The two
// services that need Qt live in modules that are loaded only when a command first asks for them:
//   pixora-cli-settings.so  the editor's settings store (Qt Core only)
//   pixora-cli-import.so    the picture loader for Import and the PNG writer (Qt Gui,
//                           metafile libraries)
//   pixora-cli-send.so      the phone conversations: send, phonebook, receive and the
//                           port list
//                           (Qt Core, Qt SerialPort, Qt DBus for ModemManager)
//   pixora-cli-region.so    the keyboard region for "weburl" (libphonenumber, no Qt)
// They sit beside the executable in the build tree and in <libdir>/pixora when installed.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "formats/image_adjust.h"
#include "formats/import_fit.h"
#include "formats/read_error.h"
#include "sms/stored_pictures.h"

namespace pixora::cli {

// One send through the phone, as pixora-cli send was asked for it.
struct SendJob {
    PictureGrid picture;
    std::u32string text;
    std::string to;                   // as typed; the dialog's digit filter applies
    std::string device;               // empty: by port number
    int port = 0;                     // 0: the "COMPort" setting
    std::optional<std::string> smsc;  // nullopt: the "SMSC" setting
    int timeoutSeconds = 0;           // 0: none
    std::ostream* out = nullptr;      // "Data sent."
    std::ostream* err = nullptr;      // progress and failures
};

// One phonebook read, as pixora-cli phonebook was asked for it.
struct PhonebookJob {
    std::string device;           // empty: by port number
    int port = 0;                 // 0: the "COMPort" setting
    std::optional<bool> sim;      // nullopt: the "PBookReadSM" setting
    std::optional<bool> phone;    // nullopt: the "PBookReadME" setting
    bool save = false;            // also write the editor's cache file
    int timeoutSeconds = 0;       // 0: none
    std::ostream* out = nullptr;  // the cache lines
    std::ostream* err = nullptr;  // stages, "Phonebook read." and failures
};

// One read of the messages stored on the phone, as pixora-cli receive was asked for it.
struct ReceiveJob {
    std::string device;                        // empty: by port number
    int port = 0;                              // 0: the "COMPort" setting
    int timeoutSeconds = 0;                    // 0: none
    std::vector<ListedPdu>* listed = nullptr;  // the entries of both memories, as listed
    std::ostream* err = nullptr;               // stages and failures
};

}  // namespace pixora::cli
#include "web/region.h"

// The entry points, looked up by name. They take and return the program's own C++ types: the
// modules are built in the same build as the executable.
extern "C" {
// A new store on the user's settings file, or null when it cannot be opened.
pixora::SettingsStore* PixoraCliOpenSettings();
// The decoded picture fitted into maxWidth x maxHeight; false when the file is no picture the
// editor could import, with the reason in *error.
bool PixoraCliLoadPicture(const char* path, int maxWidth, int maxHeight, pixora::ImportedImage* out,
                          pixora::ReadError* error);
// The picture file decoded once into the working copy of the adjustable import; false as
// PixoraCliLoadPicture.
bool PixoraCliLoadWorkingCopy(const char* path, pixora::ImportWorkingCopy* out,
                              pixora::ReadError* error);
// The region check on the user's locale, as the editor runs it at start-up.
void PixoraCliKeyboardRegion(pixora::RegionResult* out);
// Runs the send to its end; the exit status (0 sent, 1 not sent).
int PixoraCliSend(const pixora::cli::SendJob* job);
// Writes COM1 .. COM8 with their devices and whether each can be opened now; the exit status.
int PixoraCliPorts(std::ostream* out);
// Runs the phonebook read to its end; the exit status (0 read, 1 not).
int PixoraCliPhonebook(const pixora::cli::PhonebookJob* job);
// Runs the read of the stored messages to its end; the exit status (0 read, 1 not).
int PixoraCliReceive(const pixora::cli::ReceiveJob* job);
}

namespace pixora::cli {

inline constexpr const char* SettingsModuleName = "pixora-cli-settings.so";
inline constexpr const char* ImportModuleName = "pixora-cli-import.so";
inline constexpr const char* SendModuleName = "pixora-cli-send.so";
inline constexpr const char* RegionModuleName = "pixora-cli-region.so";

// The folder of the running executable, without a trailing "/".
std::string ExecutableFolder();

// The user's settings store through the settings module; null (with the reason in error) when the
// module cannot be loaded.
std::unique_ptr<SettingsStore> OpenUserSettings(std::string& error);

// The picture file through the import module; nullopt when it cannot be decoded, with the reason
// in error when the module itself is missing.
std::optional<ImportedImage> LoadPictureForFit(const std::string& path, int maxWidth, int maxHeight,
                                               std::string& error);

// The picture file as the adjustable import's working copy, through the import module; as
// LoadPictureForFit.
std::optional<ImportWorkingCopy> LoadWorkingCopy(const std::string& path, std::string& error);

// The keyboard region through the region module; nullopt (with the reason in error) when the
// module cannot be loaded.
std::optional<RegionResult> KeyboardRegionThroughModule(std::string& error);

// The send through the send module; nullopt (with the reason in error) when it cannot be loaded.
std::optional<int> RunSend(const SendJob& job, std::string& error);
// The port list through the send module; nullopt (with the reason in error) as RunSend.
std::optional<int> RunPorts(std::ostream& out, std::string& error);
// The phonebook read through the same module.
std::optional<int> RunPhonebook(const PhonebookJob& job, std::string& error);
// The read of the stored messages through the same module.
std::optional<int> RunReceive(const ReceiveJob& job, std::string& error);

}  // namespace pixora::cli
