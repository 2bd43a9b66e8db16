// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/file_types.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"

namespace pixora {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return out;
}

// "FileTypeAsked" holds one tag per program path: a hash, so that any path (spaces, line breaks)
// fits in one settings value, and a bounded number of them, so that many scratch build folders
// do not make the value grow without end.
constexpr size_t AskedPathsKept = 32;

std::string PathTag(const std::string& path) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits
    for (unsigned char ch : path) {
        hash = (hash ^ ch) * 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::vector<std::string> AskedTags(SettingsStore& store) {
    std::istringstream in(ReadText(store, keys::FileTypeAsked));
    std::vector<std::string> tags;
    for (std::string tag; in >> tag;) {
        tags.push_back(tag);
    }
    return tags;
}

void RememberAsked(SettingsStore& store, std::vector<std::string> tags, const std::string& tag) {
    tags.push_back(tag);
    if (tags.size() > AskedPathsKept) {
        tags.erase(tags.begin(), tags.end() - AskedPathsKept);
    }
    std::string value;
    for (const std::string& item : tags) {
        value += (value.empty() ? "" : " ") + item;
    }
    WriteText(store, keys::FileTypeAsked, value);
}

void RegisterOwnType(FileTypeRegistry& registry, UserInterface& ui, const std::string& program) {
    RegisterFileType(registry, ui, ".npm", PictureMessageType, true, "Nokia Picture Message",
                     program);
}

struct Sibling {
    const TextKey& application;
    const char* extension;
    const char* typeName;
    const char* description;
};

}  // namespace

void RegisterFileType(FileTypeRegistry& registry, UserInterface& ui, std::string_view extension,
                      std::string_view typeName, bool withCommand, std::string_view description,
                      const std::string& program) {
    const std::string command = program + " %1";
    const std::string icon = program + ",0";
    std::string current;
    switch (registry.ReadExtensionType(extension, current)) {
        case RegistryRead::Unreadable:
            return;
        case RegistryRead::Missing:
            if (!registry.WriteExtensionType(extension, typeName)) {
                ui.Beep();
                return;
            }
            if (withCommand) {
                registry.WriteTypeDescription(typeName, description);
                registry.WriteOpenCommand(typeName, command);
                registry.WriteIcon(typeName, icon);
            }
            return;
        case RegistryRead::Found:
            break;
    }
    if (current != typeName) {
        registry.WriteExtensionType(extension, typeName);
    }
    if (!withCommand) {
        return;
    }
    std::string existing;
    switch (registry.ReadOpenCommand(typeName, existing)) {
        case RegistryRead::Found:
            if (Lower(existing) != Lower(command)) {
                registry.WriteOpenCommand(typeName, command);
            }
            break;
        case RegistryRead::Unreadable:
            // There is a command we cannot read; putting ours in its place is the repair.
            registry.WriteOpenCommand(typeName, command);
            break;
        case RegistryRead::Missing:
            registry.WriteTypeDescription(typeName, description);
            registry.WriteOpenCommand(typeName, command);
            break;
    }
    registry.WriteIcon(typeName, icon);
}

bool IsFileTypeFree(FileTypeRegistry& registry, std::string_view extension,
                    std::string_view typeName) {
    std::string current;
    return registry.ReadExtensionType(extension, current) != RegistryRead::Found ||
           current == typeName;
}

void RegisterOtherTypes(FileTypeRegistry& registry, UserInterface& ui) {
    for (const char* extension : {".nlm", ".nsl", ".otb", ".ngl", ".i61"}) {
        RegisterFileType(registry, ui, extension, GroupGraphicType, false, "", "");
    }
    RegisterFileType(registry, ui, ".gms", PictureMessageType, false, "", "");
}

void RegisterFileTypesAtStartup(FileTypeRegistry& registry, SettingsStore& store, UserInterface& ui,
                                ShellHost& host, const std::string& ownProgram) {
    registry.RemoveStaleEntries();

    // Only an installed program may make itself the default unasked; a copy started from a build
    // folder would otherwise take the user's files away from the installed one at every run.
    const bool installed = registry.HasInstalledEntry(ownProgram);
    const std::string tag = PathTag(ownProgram);
    const std::vector<std::string> asked = AskedTags(store);
    const bool offerOwn = !installed && std::find(asked.begin(), asked.end(), tag) == asked.end();
    if (installed) {
        RegisterOwnType(registry, ui, ownProgram);
    }

    const Sibling siblings[] = {
        {keys::TamselApplication, ".ngg", GroupGraphicType, "Nokia Group Graphic"},
        {keys::VornikApplication, ".nol", OperatorLogoType, "Nokia Operator Logo"},
    };
    for (const auto& sibling : siblings) {
        const std::string program = ReadText(store, sibling.application);
        const bool siblingInstalled = !program.empty() && host.FileExists(program);
        RegisterFileType(registry, ui, sibling.extension, sibling.typeName, siblingInstalled,
                         sibling.description, program);
    }

    bool othersTaken = false;
    if (ReadInt(store, keys::FileTypeWarn) != 1) {
        RegisterOtherTypes(registry, ui);
    } else {
        // ".ngl" is mapped with the others but never made a reason to ask.
        const std::pair<const char*, const char*> tested[] = {
            {".nlm", GroupGraphicType}, {".nsl", GroupGraphicType},   {".otb", GroupGraphicType},
            {".i61", GroupGraphicType}, {".gms", PictureMessageType},
        };
        for (const auto& [extension, typeName] : tested) {
            othersTaken = !IsFileTypeFree(registry, extension, typeName) || othersTaken;
        }
    }
    if (!othersTaken && !offerOwn) {
        return;
    }
    host.SetBusy(true);
    host.FocusMainWindow();
    // The path tells which copy of the program would take the files.
    const std::string question =
        offerOwn ? std::string(TranslateText("Shell", FileTypeQuestion)) + "\r\n" + ownProgram
                 : std::string(TranslateText("Shell", FileTypeQuestion));
    const int answer =
        ui.MessageBox(question, ProductName, MessageIcon::Question, MessageButtons::YesNo);
    if (answer == AnswerYes) {
        if (offerOwn) {
            RegisterOwnType(registry, ui, ownProgram);
        }
        if (othersTaken) {
            WriteInt(store, keys::FileTypeWarn, 0);
            RegisterOtherTypes(registry, ui);
        }
    } else if (othersTaken) {
        WriteInt(store, keys::FileTypeWarn, 1);
    }
    if (offerOwn) {
        RememberAsked(store, asked, tag);
    }
    host.SetBusy(false);
}

}  // namespace pixora
