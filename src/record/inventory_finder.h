#pragma once
// The station inventory of a miniSEED file opened in the windows, found
// without asking when it lies beside the data: first NAME.xml for the data
// file NAME.mseed (any extension, letter case as written or in lower case),
// else every file *.xml of the data file's folder that reads as StationXML,
// taken together. A folder is looked through again only when files were
// added, removed or renamed in it, and a StationXML file read again only
// when its size or time of writing changed: files put beside the data
// during a session serve from the next file opened. Otherwise the user is
// asked once to choose a StationXML file (the open dialog), and that choice
// serves every later file of the session; cancelling leaves the file
// unread, and is asked again next time.
// The event window, which reads in the background, asks before it starts
// when a miniSEED file of the folder has none beside it (NeedsInventoryChoice).
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/platform.h"
#include "common/result.h"
#include "stations/station_inventory.h"

namespace tremblo {

using SharedInventory = std::shared_ptr<const Result<StationInventory>>;

// The StationXML files beside `dataPath` by the rule above (none: empty).
std::vector<std::string> InventoryFilesBeside(const std::string& dataPath);

// Whether `folder` holds a miniSEED file with no StationXML beside it.
bool NeedsInventoryChoice(const std::string& folder);

inline constexpr const char* kStationXmlFileFilter = QT_TRANSLATE_NOOP("record", "StationXML (*.xml)|*.xml|すべて(*.*)|*.*");

class InventoryFinder {
public:
    // Nothing when none is beside the data and the user chose none.
    // `fallback`, when given, serves instead of asking (the event window's
    // choice, made before its reading starts).
    SharedInventory For(const std::string& dataPath, Platform& platform, SharedInventory fallback = nullptr);
    // The file chosen in the dialog this session, if any.
    const std::optional<std::string>& chosen() const { return chosen_; }

private:
    // What shows that a file or folder changed: its size (files) and its time of writing.
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written{};
        bool operator==(const Stamp&) const = default;
    };
    struct ReadInventory {
        std::vector<Stamp> stamps;  // of its files when read
        SharedInventory inventory;
    };
    struct FolderFiles {
        Stamp stamp;  // of the folder when looked through
        std::vector<std::string> files;
    };
    static Stamp StampOf(const std::string& path);
    SharedInventory Read(const std::vector<std::string>& files);
    const std::vector<std::string>& FilesOfFolder(const std::string& folder, const std::string& dataPath);

    std::optional<std::string> chosen_;
    std::map<std::vector<std::string>, ReadInventory> read_;
    std::map<std::string, FolderFiles> folderFiles_;  // StationXML files of each folder looked in
};

}  // namespace tremblo
