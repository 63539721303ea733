#include "record/station_file.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"
#include "common/shift_jis.h"
#include "record/data_folder.h"

namespace tremblo {

namespace fs = std::filesystem;

std::vector<StationListRow> StationListRows(const StationRow* rows, int count) {
    std::vector<StationListRow> list;
    for (int i = 0; i < count; ++i) {
        const StationRow& r = rows[i];
        list.push_back({SjisToUtf8(r.code.view()), " " + SjisToUtf8(r.name.view()), SjisToUtf8(r.column3.view()),
                        SjisToUtf8(r.location.view()), SjisToUtf8(r.column5.view())});
    }
    return list;
}

std::vector<StationListRow> SiteNameRows(const StationDirectory& d) {
    std::vector<StationListRow> rows = StationListRows(d.knetStations.data(), d.knetStationCount);
    const std::vector<StationListRow> kiknet = StationListRows(d.kiknetStations.data(), d.kiknetStationCount);
    rows.insert(rows.end(), kiknet.begin(), kiknet.end());
    return rows;
}

std::string SiteNameFileText(const std::vector<StationListRow>& rows, std::string_view lineEnd) {
    std::string text;
    for (const StationListRow& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0) text += ',';
            text += Utf8ToSjis(row[k]);
        }
        text += lineEnd;
    }
    return text;
}

std::string PrepareUserDataFolder(const std::string& readFolder) {
    std::error_code ec;
    const fs::path user = UserDataFolder();
    fs::create_directories(user, ec);
    if (!fs::is_directory(user, ec) || access(user.c_str(), W_OK) != 0) return {};
    const fs::path shobo = user / "SHOBONAME.CSV";
    if (!fs::exists(shobo, ec) && !readFolder.empty())
        fs::copy_file(fs::path(readFolder) / "SHOBONAME.CSV", shobo, ec);
    return user.string();
}

std::string SaveSiteNameFile(const std::string& readFolder, const std::string& text) {
    std::error_code ec;
    if (!readFolder.empty() && fs::is_directory(readFolder, ec)) {
        const std::string path = (fs::path(readFolder) / "SITENAME.CSV").string();
        if (WriteFileAtomically(path, text)) return path;
    }
    const std::string user = PrepareUserDataFolder(readFolder);
    if (user.empty()) return {};
    const std::string path = (fs::path(user) / "SITENAME.CSV").string();
    return WriteFileAtomically(path, text) ? path : std::string();
}

}  // namespace tremblo
