// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which program the desktop starts for the phone-graphic file types: picture messages with this
// editor, group graphics and operator logos with the siblings when they are installed, and the
// other formats the editor reads under the group-graphic or picture-message type.
//
// The registry below speaks in the terms the logic needs (an extension points to a type name; a
// type has a description, an open command and an icon); the platform maps them onto its own
// association mechanism. Commands are written as program + " %1", icons as program + ",0"; the
// platform translates those forms to its own.

#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "core/translate.h"
#include "core/user_interface.h"
#include "shell/shell_host.h"

namespace pixora {

enum class RegistryRead { Missing, Unreadable, Found };

class FileTypeRegistry {
public:
    virtual ~FileTypeRegistry() = default;
    virtual RegistryRead ReadExtensionType(std::string_view extension, std::string& typeName) = 0;
    // Creates the extension when missing; false when it could not be written.
    virtual bool WriteExtensionType(std::string_view extension, std::string_view typeName) = 0;
    virtual bool WriteTypeDescription(std::string_view typeName, std::string_view description) = 0;
    virtual RegistryRead ReadOpenCommand(std::string_view typeName, std::string& command) = 0;
    virtual bool WriteOpenCommand(std::string_view typeName, std::string_view command) = 0;
    virtual bool WriteIcon(std::string_view typeName, std::string_view icon) = 0;
    // True when the desktop has an entry of its own that starts program (what a package
    // installs): associations for it may then be made at every start, naming that entry.
    virtual bool HasInstalledEntry(const std::string& program) = 0;
    // Takes back what was written earlier for programs that no longer exist; one line per item
    // removed.
    virtual std::vector<std::string> RemoveStaleEntries() = 0;
};

inline constexpr const char* PictureMessageType = "NokiaPictureMessage";
inline constexpr const char* GroupGraphicType = "NokiaGroupGraphic";
inline constexpr const char* OperatorLogoType = "NokiaOperatorLogo";

inline constexpr const char* FileTypeQuestion = PIXORA_TRANSLATE_NOOP(
    "Shell",
    "Some Nokia logo filetypes are not associated with the correct application.\r\n\r\n"
    "Would you like to associate them now?");

// Points extension at typeName. With withCommand, typeName also opens with program: a command
// that names the same program in other letter case is left alone, the icon is always rewritten.
// A failure to create the extension beeps; every other failure is silent.
void RegisterFileType(FileTypeRegistry& registry, UserInterface& ui, std::string_view extension,
                      std::string_view typeName, bool withCommand, std::string_view description,
                      const std::string& program);

// False only when extension points to another type name.
bool IsFileTypeFree(FileTypeRegistry& registry, std::string_view extension,
                    std::string_view typeName);

// The formats without a program of their own: ".nlm", ".nsl", ".otb", ".ngl", ".i61" as group
// graphics, ".gms" as picture messages.
void RegisterOtherTypes(FileTypeRegistry& registry, UserInterface& ui);

// The check at every start. ownProgram is this program's executable; "FileTypeWarn" = 1 (the
// default) asks before repairing the other formats, anything else repairs them silently.
// An installed program takes ".npm" at every start. A program run from anywhere else (a build
// folder, an unpacked archive) never takes it silently: the question offers it, naming the
// program, once per program path ("FileTypeAsked" remembers the paths asked about).
void RegisterFileTypesAtStartup(FileTypeRegistry& registry, SettingsStore& store, UserInterface& ui,
                                ShellHost& host, const std::string& ownProgram);

}  // namespace pixora
