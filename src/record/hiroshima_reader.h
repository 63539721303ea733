#pragma once
// Hiroshima City Fire Department record files: one item per line (first
// comma-separated field of lines 1-5), then acceleration values in gal, any
// number to a line. Header lines are read through a 100-byte buffer, data
// lines through a 200-byte buffer. A line over RECORD_LINE_LIMIT fails.
#include <istream>
#include <vector>

#include "common/fixed_text.h"
#include "common/result.h"
#include "stations/station_directory.h"

namespace tremblo {

inline constexpr int HIROSHIMA_HEADER_LINES = 5;

struct HiroshimaHeader {
    FixedText<10> fileStationCode;        // field 1 of line 1
    const StationRow* station = nullptr;  // first Hiroshima row with that code, if any
    FixedText<12> recordDate, recordTime;
    int sampleCount = 0;  // as stated by line 4
    int intervalMs = 0;
    int samplingFrequency = 0;  // 1000 / interval, integer division
    float dt = 0.0f;            // interval x 0.001 in extended precision
};

// Reads lines 1-5. Fails on fewer than 5 lines, a sampling interval of 0 or
// less, or a stated sample count of 0 or less. An unknown station is not a
// failure here (station stays nullptr).
Result<HiroshimaHeader> ReadHiroshimaHeader(std::istream& in, const StationDirectory& directory);

// Skips the 5 header lines and stores the values of the data lines (every
// field of a line but the last) into `samples`, resized to hold them.
// Returns how many; more than MAX_RECORD_SAMPLES fail.
Result<int> ReadHiroshimaData(std::istream& in, std::vector<float>& samples);

}  // namespace tremblo
