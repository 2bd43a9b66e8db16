// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/file_names.h"

#include "core/document.h"
#include "core/paths.h"
#include "core/translate.h"
#include "formats/open_dispatch.h"

namespace pixora {

std::string ProposedFileName(std::string_view documentName) {
    if (documentName == UntitledName) {
        return {};
    }
    return FileNameOf(WithoutExtension(documentName));
}

std::string ImportDialogFilter(const std::vector<std::string>& extensions) {
    std::string filter = TranslateText("Files", ImportFilter);
    const std::string fixed = std::string(ImportFilter).substr(std::string(ImportFilter).find('|'));
    std::string patterns;
    bool more = false;
    for (const std::string& extension : extensions) {
        if (extension.empty()) {
            continue;
        }
        const std::string pattern = "*." + extension;
        more = more || (fixed + ";").find(pattern + ";") == std::string::npos;
        patterns += (patterns.empty() ? "" : ";") + pattern;
    }
    if (more) {
        filter += TranslateText("Files", "|All pictures (") + patterns + ")|" + patterns;
    }
    return filter;
}

bool SaveNeedsDialog(std::string_view documentName) {
    return documentName == UntitledName || !UpperPathContains(documentName, ".NPM");
}

}  // namespace pixora
