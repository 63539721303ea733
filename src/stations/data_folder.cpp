#include "stations/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tremblo {

namespace fs = std::filesystem;

std::string UserDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (dataHome != nullptr && *dataHome == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr && *home != '\0' ? home : ".") / ".local/share";
    }
    return (base / "tremblo/DATA").string();
}

std::string InstalledDataFolder(const std::string& program) {
    return (fs::path(program).parent_path() / TREMBLO_DATA_FROM_PROGRAM / "DATA").lexically_normal().string();
}

std::string FindDataFolder() {
    std::error_code ec;
    if (fs::is_directory("DATA", ec)) return "DATA";
    const std::string user = UserDataFolder();
    if (fs::is_directory(user, ec)) return user;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "DATA";
    const fs::path beside = exe.parent_path() / "DATA";
    if (fs::is_directory(beside, ec)) return beside.string();
    const std::string installed = InstalledDataFolder(exe.string());
    if (fs::is_directory(installed, ec)) return installed;
    return "DATA";
}

std::string StationFilePath(const std::string& dataFolder, const std::string& name) {
    std::error_code ec;
    const fs::path own = fs::path(dataFolder) / name;
    const fs::path user = fs::path(UserDataFolder()) / name;
    if (!fs::equivalent(dataFolder, "DATA", ec) || ec) return own.string();
    if (fs::equivalent(dataFolder, UserDataFolder(), ec)) return own.string();
    if (!fs::exists(user, ec)) return own.string();
    return user.string();
}

}  // namespace tremblo
