#pragma once
// Any record the program reads, written as one miniSEED file with all its
// components (NAME.mseed: float32 encoding in big-endian 4096-byte records,
// through libmseed's packer) and a StationXML file describing them
// (NAME.xml), so that other programs read the values without guessing:
// sensitivity 1 with input units CM/S**2 and output units COUNTS, that is
// the values are gal exactly as held.
//
// Codes: a record read from miniSEED keeps its network, station, location
// and channel codes. Any other record: network "XX" unless its file states
// a code of one or two letters and digits; the station code, when longer
// than five characters, as its first three and the number after them in
// base 36 (two characters: "MYG004" is "MYG04", "MYG104" "MYG2W"), else its
// first five, the full code in the StationXML's alternateCode (which this
// program reads back); no location code; channels of band H (80 Hz or
// more), B (10 Hz or more), M (over 1 Hz) or L, instrument N, and
// orientation Z for the vertical, N and E for horizontals at 0 and 90
// degrees, otherwise 1 and 2 (and 3) in row order with their azimuths in the
// StationXML. Times are UTC (see RecordStartUtc); a record without a
// stated time starts at 1970-01-01. The StationXML's Created time is the
// first sample's, so that one record always gives the same bytes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "record/seismic_record.h"
#include "stations/station_inventory.h"

namespace tremblo {

inline constexpr int MSEED_EXPORT_RECORD_LENGTH = 4096;

struct MseedExportFiles {
    std::string mseedName, mseedBytes;  // NAME.mseed
    std::string xmlName, xmlText;       // NAME.xml
};

// Nothing when a value is not finite (nothing is written then).
std::optional<MseedExportFiles> RecordMseedFiles(const SeismicRecord& record, const std::string& baseName);

// The channels as written into the StationXML (codes, epoch, position, orientation).
std::vector<InventoryChannel> RecordMseedChannels(const SeismicRecord& record);

// The five-character station code for `code` (see above).
std::string SeedStationCode(const std::string& code);

// Samples per second written for a sampling interval: a whole number when
// within 1e-4 of one.
double MseedSampleRate(float dt);

// Values of one channel packed as float32 records, appended to `bytes`;
// false when the packer failed.
bool AppendMseedChannel(const InventoryChannel& channel, const float* values, int count, std::string& bytes);
// The bytes of the records of `count` values (whole records).
std::size_t MseedChannelBytes(int count);

}  // namespace tremblo
