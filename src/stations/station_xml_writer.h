#pragma once
// A station inventory written as FDSN StationXML 1.2: one Network, Station
// and Channel element per distinct code, in the order given, with the
// channel's position, azimuth, dip, sample rate and overall sensitivity
// (Value at 1 Hz, InputUnits as given, OutputUnits COUNTS). An azimuth or
// dip left empty is left out; other values left empty are written as 0
// (StationXML requires them).
#include <string>
#include <vector>

#include "stations/station_inventory.h"

namespace tremblo {

// `source` goes into the Source element ("TREMBLO 4.2"); `createdMicros` is
// the Created time (microseconds since 1970 UTC).
std::string StationXmlText(const std::vector<InventoryChannel>& channels, const std::string& source,
                           std::int64_t createdMicros);

}  // namespace tremblo
