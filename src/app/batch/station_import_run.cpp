#include "app/batch/station_import_run.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/batch/console_platform.h"
#include "common/atomic_file.h"
#include "record/data_folder.h"
#include "record/station_file.h"
#include "record/station_import.h"

namespace tremblo {

bool RunStationImport(const BatchOptions& options, std::ostream& err) {
    const std::string dataFolder = options.dataFolder.empty() ? FindDataFolder() : options.dataFolder;
    auto directory = std::make_unique<StationDirectory>();
    ConsolePlatform platform;
    LoadStationDirectory(dataFolder, *directory, platform);
    for (const std::string& message : platform.TakeMessages())
        err << "warning: station directory " << dataFolder << ": " << message << '\n';

    std::ifstream list(options.importStations, std::ios::binary);
    if (!list) {
        err << "error: cannot read the station list " << options.importStations << '\n';
        return false;
    }
    const StationImportCounts counts = ImportNiedStationList(list, *directory);
    const std::string folder = PrepareUserDataFolder(dataFolder);
    const std::string path = folder.empty() ? std::string() : (std::filesystem::path(folder) / "SITENAME.CSV").string();
    if (path.empty() || !WriteFileAtomically(path, SiteNameFileText(SiteNameRows(*directory), directory->lineEnd))) {
        err << "error: cannot write the station directory in " << UserDataFolder() << '\n';
        return false;
    }
    err << "stations: " << counts.added << " added, " << counts.kept << " kept, " << counts.refused
        << " not taken; wrote " << path << '\n';
    return true;
}

}  // namespace tremblo
