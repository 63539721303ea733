#pragma once
// Writing the K-NET/KiK-net station directory back: the rows as the station
// list shows them, SITENAME.CSV text from such rows, and where it goes.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stations/station_directory.h"

namespace tremblo {

// A row of the station list (UTF-8): code, a blank and the name, the third
// column, the location, the fifth column.
using StationListRow = std::array<std::string, 5>;

std::vector<StationListRow> StationListRows(const StationRow* rows, int count);
// The K-NET table's rows, then the KiK-net table's, in code order.
std::vector<StationListRow> SiteNameRows(const StationDirectory& directory);

// All five columns, in Shift-JIS, each line ended with `lineEnd`. Reading
// it back gives the same tables (the splitter drops the blank before names).
std::string SiteNameFileText(const std::vector<StationListRow>& rows, std::string_view lineEnd);

// The first cell of one network's rows that the next start would read
// otherwise than it stands (a comma, a line break, a character Shift-JIS
// lacks, a text longer than the table keeps, an empty code, a code of the
// other network, a code that another row has, ignoring case): its row and
// column (0-based) and why, in Japanese.
struct StationListProblem {
    int row = 0;
    int column = 0;
    std::string reason;
};
std::optional<StationListProblem> CheckStationListRows(const std::vector<StationListRow>& rows, bool knet);
// The grid's name of column 0-4.
const char* StationListColumnName(int column);

// The user's data folder, created when missing, with a copy of the
// SHOBONAME.CSV of `readFolder` when it has none; empty when it cannot be made.
std::string PrepareUserDataFolder(const std::string& readFolder);

// Writes the text as SITENAME.CSV, through a temporary file, in the folder
// the directory was read from, or, when that cannot be written, in the
// user's data folder; the path written, or empty when neither could be.
std::string SaveSiteNameFile(const std::string& readFolder, const std::string& text);

}  // namespace tremblo
