#include "formats/file_names.h"

#include "core/document.h"
#include "core/paths.h"
#include "formats/open_dispatch.h"

namespace pixora {

std::string ProposedFileName(std::string_view documentName) {
    if (documentName == UntitledName) {
        return {};
    }
    return FileNameOf(WithoutExtension(documentName));
}

bool SaveNeedsDialog(std::string_view documentName) {
    return documentName == UntitledName || !UpperPathContains(documentName, ".NPM");
}

}  // namespace pixora
