#include "record/data_folder.h"

#include <filesystem>
#include <system_error>

namespace tremblo {

namespace fs = std::filesystem;

std::string FindDataFolder() {
    std::error_code ec;
    if (fs::is_directory("DATA", ec)) return "DATA";
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path beside = exe.parent_path() / "DATA";
        if (fs::is_directory(beside, ec)) return beside.string();
    }
    const fs::path installed = fs::path(TREMBLO_DATA_DIR) / "DATA";
    if (fs::is_directory(installed, ec)) return installed.string();
    return "DATA";
}

}  // namespace tremblo
