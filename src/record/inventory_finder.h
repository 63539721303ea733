#pragma once
// The station inventory of a miniSEED file opened in the windows, found
// without asking when it lies beside the data: first NAME.xml for the data
// file NAME.mseed (any extension, letter case as written or in lower case),
// else every file *.xml of the data file's folder that reads as StationXML,
// taken together (a folder is looked through once a session). Otherwise the user is asked once to choose a StationXML
// file (the open dialog), and that choice serves every later file of the
// session; cancelling leaves the file unread, and is asked again next time.
// The event window, which reads in the background, asks before it starts
// when a miniSEED file of the folder has none beside it (NeedsInventoryChoice).
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
    SharedInventory Read(const std::vector<std::string>& files);

    std::optional<std::string> chosen_;
    std::map<std::vector<std::string>, SharedInventory> read_;
    std::map<std::string, std::vector<std::string>> folderFiles_;  // StationXML files of each folder looked in
};

}  // namespace tremblo
