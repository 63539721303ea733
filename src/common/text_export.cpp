#include "common/text_export.h"

#include "common/atomic_file.h"
#include "common/path_text.h"

namespace tremblo {

bool SaveTextWithDialog(Platform& platform, const SaveDialogRequest& request,
                        const std::function<std::string()>& makeText) {
    const auto chosen = platform.AskSaveFile(request);
    if (!chosen) return false;
    const std::string path = WithDefaultExtension(*chosen, request.defaultExtension);
    if (WriteFileAtomically(path, makeText())) return true;
    ReportCannotCreate(platform, path);
    return false;
}

}  // namespace tremblo
