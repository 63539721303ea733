#pragma once
// The records of a miniSEED file (SEED 2.4 data records, through libmseed)
// joined into one continuous trace per channel (NET.STA.LOC.CHA). Records of
// a channel may come in any order and between other channels' records; they
// are put in time order and must follow each other without a gap or an
// overlap of half a sample or more, at one sampling rate. Nothing is joined
// across a gap: the file is refused, naming the channel and the time.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace tremblo {

struct MseedTrace {
    std::string network, station, location, channel;  // blanks trimmed
    std::int64_t startMicros = 0;                      // first sample, microseconds since 1970 UTC
    double sampleRate = 0.0;                           // Hz, > 0
    std::int64_t sampleCount = 0;                      // samples the records state
    std::vector<double> values;                        // as stored (counts); empty when read header-only

    std::string id() const;  // "NET.STA.LOC.CHA"
    // The time one sample after the last.
    std::int64_t endMicros() const;
};

// Whether `bytes` starts with a SEED data record's fixed header.
bool LooksLikeMiniSeed(std::string_view bytes);

// The file's channels in the order their first record comes. Fails on a
// record that is cut short, damaged (libmseed's reason given), or states
// more samples than it holds or decodes to; on text (ASCII) data, values
// that are not finite, a non-positive sampling rate, a gap, an overlap or a
// change of rate within a channel, and a channel longer than
// MAX_RECORD_SAMPLES. `withSamples` false reads the headers only.
Result<std::vector<MseedTrace>> ReadMseedTraces(std::string_view bytes, bool withSamples);

// libmseed's messages go to the reader's errors, not to the terminal.
void QuietMseedLibrary();

}  // namespace tremblo
