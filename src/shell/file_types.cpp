#include "shell/file_types.h"

#include <cctype>

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
    RegisterFileType(registry, ui, ".npm", PictureMessageType, true, "Nokia Picture Message",
                     ownProgram);

    const Sibling siblings[] = {
        {keys::TamselApplication, ".ngg", GroupGraphicType, "Nokia Group Graphic"},
        {keys::VornikApplication, ".nol", OperatorLogoType, "Nokia Operator Logo"},
    };
    for (const auto& sibling : siblings) {
        const std::string program = ReadText(store, sibling.application);
        const bool installed = !program.empty() && host.FileExists(program);
        RegisterFileType(registry, ui, sibling.extension, sibling.typeName, installed,
                         sibling.description, program);
    }

    if (ReadInt(store, keys::FileTypeWarn) != 1) {
        RegisterOtherTypes(registry, ui);
        return;
    }
    // ".ngl" is mapped with the others but never made a reason to ask.
    const std::pair<const char*, const char*> tested[] = {
        {".nlm", GroupGraphicType}, {".nsl", GroupGraphicType},   {".otb", GroupGraphicType},
        {".i61", GroupGraphicType}, {".gms", PictureMessageType},
    };
    bool allFree = true;
    for (const auto& [extension, typeName] : tested) {
        allFree = IsFileTypeFree(registry, extension, typeName) && allFree;
    }
    if (allFree) {
        return;
    }
    host.SetBusy(true);
    host.FocusMainWindow();
    const int answer = ui.MessageBox(TranslateText("Shell", FileTypeQuestion), ProductName,
                                     MessageIcon::Question, MessageButtons::YesNo);
    if (answer == AnswerYes) {
        WriteInt(store, keys::FileTypeWarn, 0);
        RegisterOtherTypes(registry, ui);
    } else {
        WriteInt(store, keys::FileTypeWarn, 1);
    }
    host.SetBusy(false);
}

}  // namespace pixora
