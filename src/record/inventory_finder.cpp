#include "record/inventory_finder.h"

#include <algorithm>
#include <filesystem>

#include "common/translation.h"
#include "record/agency_reading.h"
#include "stations/station_xml.h"

namespace tremblo {

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

}  // namespace

std::vector<std::string> InventoryFilesBeside(const std::string& dataPath) {
    const std::filesystem::path data(dataPath);
    if (!IsFile(data)) return {};
    for (const char* extension : {".xml", ".XML"}) {
        std::filesystem::path named = data;
        named.replace_extension(extension);
        if (IsFile(named)) return {named.string()};
    }
    std::vector<std::string> found;
    std::error_code ec;
    const std::filesystem::path folder = data.has_parent_path() ? data.parent_path() : std::filesystem::path(".");
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (Lower(entry.path().extension().string()) != ".xml" || !IsFile(entry.path())) continue;
        if (ReadStationXmlPaths({entry.path().string()})) found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool NeedsInventoryChoice(const std::string& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return false;
    std::map<std::string, bool> folderHasOne;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec); !ec && it != std::filesystem::recursive_directory_iterator();
         it.increment(ec)) {
        if (!IsFile(it->path()) || DetectAgencyFormatOfFile(it->path().string()) != RecordFormat::Mseed) continue;
        const std::string path = it->path().string();
        std::filesystem::path named = it->path();
        named.replace_extension(".xml");
        if (IsFile(named)) continue;
        const std::string parent = it->path().parent_path().string();
        auto held = folderHasOne.find(parent);
        if (held == folderHasOne.end()) held = folderHasOne.emplace(parent, !InventoryFilesBeside(path).empty()).first;
        if (!held->second) return true;
    }
    return false;
}

InventoryFinder::Stamp InventoryFinder::StampOf(const std::string& path) {
    std::error_code ec;
    Stamp stamp;
    stamp.written = std::filesystem::last_write_time(path, ec);
    if (ec) return {};
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    stamp.size = ec ? 0 : size;  // a folder has none
    return stamp;
}

SharedInventory InventoryFinder::Read(const std::vector<std::string>& files) {
    std::vector<Stamp> stamps;
    for (const std::string& file : files) stamps.push_back(StampOf(file));
    ReadInventory& held = read_[files];
    if (!held.inventory || held.stamps != stamps) {
        held.inventory = std::make_shared<const Result<StationInventory>>(ReadStationXmlPaths(files));
        held.stamps = std::move(stamps);
    }
    return held.inventory;
}

const std::vector<std::string>& InventoryFinder::FilesOfFolder(const std::string& folder, const std::string& dataPath) {
    // A folder not looked in yet holds the empty stamp, which no folder that
    // exists has (one that does not has no files either).
    const Stamp stamp = StampOf(folder.empty() ? "." : folder);
    FolderFiles& held = folderFiles_[folder];
    if (held.stamp != stamp) held = FolderFiles{stamp, InventoryFilesBeside(dataPath)};
    return held.files;
}

SharedInventory InventoryFinder::For(const std::string& dataPath, Platform& platform, SharedInventory fallback) {
    const std::filesystem::path data(dataPath);
    for (const char* extension : {".xml", ".XML"}) {
        std::filesystem::path named = data;
        named.replace_extension(extension);
        if (IsFile(data) && IsFile(named)) return Read({named.string()});
    }
    const std::vector<std::string>& beside = FilesOfFolder(data.parent_path().string(), dataPath);
    if (!beside.empty()) return Read(beside);
    if (fallback) return fallback;
    if (!chosen_) {
        chosen_ = platform.AskOpenFile(TrText("record", kStationXmlFileFilter));
        if (!chosen_) return nullptr;
    }
    return Read({*chosen_});
}

}  // namespace tremblo
