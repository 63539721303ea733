#pragma once
// FDSN StationXML read into a StationInventory (pugixml): per channel epoch
// its codes and dates, the station's and the channel's position, the
// channel's azimuth, dip and sample rate, and the overall sensitivity
// (Response/InstrumentSensitivity: Value and InputUnits/Name). Elements are
// matched by their local name, whatever namespace prefix the file uses. A
// channel without a position takes its station's.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "stations/station_inventory.h"

namespace tremblo {

// `shownName` names the file in messages. Fails on text that is not
// well-formed XML, a root element other than FDSNStationXML, a network,
// station or channel without its code, and a number or date that does not
// read as one.
Result<StationInventory> ParseStationXml(std::string_view text, const std::string& shownName);

// A file, or every *.xml file of a folder (in name order), each parsed as
// above and merged in the order given.
Result<StationInventory> ReadStationXmlPaths(const std::vector<std::string>& paths);

// "2020-01-02T03:04:05.25Z" (the fraction, the "Z" or the time of day may be
// left out) as microseconds since 1970-01-01 UTC.
std::optional<std::int64_t> ParseXmlDateTime(std::string_view text);

// The same microseconds as "yyyy-mm-ddThh:mm:ss.ffffffZ".
std::string XmlDateTimeText(std::int64_t micros);

}  // namespace tremblo
