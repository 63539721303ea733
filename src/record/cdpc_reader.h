#pragma once
// Central Disaster Prevention Council record files: a first line holding
// "NDATA=" and "dT=", then eight values per line in 10-column fields
// (columns after 80 ignored). The interval is the one "dT=" states (100
// samples per second when it states none). Lines are read
// through a 200-byte buffer; a line over RECORD_LINE_LIMIT fails.
#include <istream>
#include <vector>

#include "common/result.h"

namespace tremblo {

inline constexpr int CDPC_SAMPLING_FREQUENCY = 100;

// Reads the samples into `samples`, resized to hold them. A data line
// shorter than eight fields gives only the values whose field starts within
// the line. Fails when the first line lacks either marker, or on more than
// MAX_RECORD_SAMPLES values. `statedCount`, when given, gets the number
// after "NDATA=" (0 when there is none).
Result<int> ReadCdpcData(std::istream& in, std::vector<float>& samples, int* statedCount = nullptr);

// The sampling interval of a CDPC file from its first line: the number after
// "dT=" in seconds; 1 / CDPC_SAMPLING_FREQUENCY when no number follows it.
// Fails on a first line without the markers, and on an interval that is not
// above 0 and at most 1 s (no time axis could be made of it).
Result<double> ReadCdpcInterval(std::istream& in);

}  // namespace tremblo
