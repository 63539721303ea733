#pragma once
// GeoNet (New Zealand) accelerogram files, V1A (uncorrected) and V2A
// (corrected): three components one after another, each with 16 text
// lines, 40 integers (10I8 on 4 lines), 60 reals (10F8 on 6 lines), then
// the acceleration in mm/s^2 ten values (F8) to a line, and in a V2A file
// the velocity and displacement blocks after it. The counts of the three
// blocks are integers 34, 35 and 36.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// true when these first lines (up to 40, each without its line end) are this format's
bool LooksLikeGeoNet(const std::vector<std::string>& head);
Result<AgencyFile> ReadGeoNetFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
