#pragma once
// Merging NIED's downloadable station list (its English version, one
// station per line; K-NET rows with 9 fields, KiK-net rows with 11) into
// the text of a SITENAME.CSV:
//   AIC001,BISAI,35.2974,136.7505,5,NA,AICHIKEN,K-NET11A,
//   ABSH01,OMU,44.5276,142.8444,105,100,HOKKAIDO,KiK-net06,,N.OUMH,2000/08/14
#include <istream>
#include <string>
#include <utility>
#include <vector>

namespace tremblo {

// Longest record of the list read; a longer one is refused unread.
inline constexpr std::size_t STATION_LIST_LINE_LIMIT = 4096;

struct StationImportReport {
    int added = 0;     // new codes, given a line
    int kept = 0;      // codes the directory already had (in any case): their lines stay
    int notTaken = 0;  // new codes beyond the rows the program reads
    int rowsBefore = 0;  // rows the program reads from the file merged into
    std::vector<std::pair<int, std::string>> refused;  // line number and why
};

// The directory's text with a line appended for each new code of the list:
// the code, a blank and the romanised name, an empty third column, the
// prefecture as the location and "標高 5m" (the elevation). Every line of
// siteText stays byte for byte. Rows are checked first: a K-NET or KiK-net
// code, coordinates in range, a plausible elevation, names in UTF-8 or
// Shift-JIS that Shift-JIS can hold and that fit the table.
std::string MergeNiedStationList(std::istream& list, const std::string& siteText, StationImportReport& report);

}  // namespace tremblo
