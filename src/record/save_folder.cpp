#include "record/save_folder.h"

#include <filesystem>
#include <system_error>

#include "common/path_text.h"

namespace tremblo {

std::string SaveDialogFolder(const std::string& remembered, const RecordFields& record) {
    if (!remembered.empty()) return remembered;
    if (record.recordLoaded) {
        const std::string folder = FolderPart(record.componentPath[0]);
        if (!folder.empty()) return folder;
    }
    std::error_code ec;
    const std::filesystem::path working = std::filesystem::current_path(ec);
    return ec ? std::string(".") : working.string();
}

}  // namespace tremblo
