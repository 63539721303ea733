#pragma once
// Merging NIED's downloadable station list (its English version: plain
// ASCII, no header, one station per line; K-NET rows with 9 fields, KiK-net
// rows with 11) into the station directory:
//   AIC001,BISAI,35.2974,136.7505,5,NA,AICHIKEN,K-NET11A,
//   ABSH01,OMU,44.5276,142.8444,105,100,HOKKAIDO,KiK-net06,,N.OUMH,2000/08/14
#include <istream>

#include "record/station_directory.h"

namespace tremblo {

struct StationImportCounts {
    int added = 0;    // new codes, given a row
    int kept = 0;     // codes the directory already had: their rows stay as they are
    int refused = 0;  // lines without a code, or beyond the directory's capacity
};

// A new code gets a row: the romanised name, the prefecture as its
// location and "標高 5m" (the elevation) as its fifth column; the sorted
// tables are built anew.
StationImportCounts ImportNiedStationList(std::istream& in, StationDirectory& directory);

}  // namespace tremblo
