#pragma once
// The station directory: K-NET/KiK-net stations from DATA/SITENAME.CSV and
// Hiroshima City Fire Department stations from DATA/SHOBONAME.CSV.
#include <array>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

#include "common/platform.h"
#include "stations/station_row.h"

namespace tremblo {

inline constexpr int STATION_CAPACITY = 2000;
inline constexpr int HIROSHIMA_STATION_CAPACITY = 30;

struct StationDirectory {
    std::array<StationRow, STATION_CAPACITY> stationRows;  // SITENAME.CSV in file order
    int stationRowCount = 0;
    std::array<StationRow, STATION_CAPACITY> knetStations;  // sorted by code
    int knetStationCount = 0;
    std::array<StationRow, STATION_CAPACITY> kiknetStations;  // sorted by code
    int kiknetStationCount = 0;
    std::array<int, STATION_CAPACITY> knetOrder{};    // index in stationRows of each sorted row
    std::array<int, STATION_CAPACITY> kiknetOrder{};
    std::array<StationRow, HIROSHIMA_STATION_CAPACITY> hiroshimaStations;  // file order
    int hiroshimaStationCount = 0;
    std::string dataFolder;            // where the files were looked for
    std::string siteFile;              // the SITENAME.CSV read (or looked for)
    std::string lineEnd = "\r\n";      // of SITENAME.CSV as read (a save keeps it)

    // First K-NET row, then first KiK-net row, whose code equals `code` byte
    // for byte; nullptr when neither table has it.
    const StationRow* FindKnetOrKiknet(std::string_view code) const;
    const StationRow* FindHiroshima(std::string_view code) const;
};

// A K-NET code has a decimal digit as its fourth character; any other code
// is a KiK-net code.
bool IsKnetCode(std::string_view code);

// Code order of the sorted tables: ignoring letter case, digits first.
int CompareCodesIgnoringCase(std::string_view a, std::string_view b);

// Fill the K-NET/KiK-net tables from SITENAME.CSV text.
void ReadSiteNameFile(std::istream& in, StationDirectory& directory);
// The two code-sorted tables anew from stationRows.
void RebuildSortedTables(StationDirectory& directory);
// Fill the Hiroshima table from SHOBONAME.CSV text.
void ReadShoboNameFile(std::istream& in, StationDirectory& directory);

// The whole of a station file: false, with `problem` (Japanese, naming the
// file) filled unless it is simply missing, when it cannot be read.
bool ReadStationFileBytes(const std::string& path, std::string& bytes, std::string& problem);

// Reads SITENAME.CSV and SHOBONAME.CSV of dataFolder (the DATA folder
// itself, each file as StationFilePath chooses it); a file that cannot be
// read is reported through the platform and leaves its tables empty. The directory is large: allocate it
// once, with std::make_unique.
void LoadStationDirectory(const std::string& dataFolder, StationDirectory& directory,
                          Platform& platform);

}  // namespace tremblo
