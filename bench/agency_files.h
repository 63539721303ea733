#pragma once
// Record files of every format the program reads, written with the test
// fixture writers from a synthetic motion (decaying sine bursts with noise,
// a few hundred gal), for the reader benchmark and the mixed folder. Record
// `number` gives each file its own station, so that files of different
// records never join; `samples` is the count of each channel.
#include <cstdint>
#include <string>
#include <vector>

#include "record/seismic_record.h"

namespace tremblo::bench {

// `count` values in gal at `dt` seconds: bursts of a decaying 1.7 Hz sine
// every 60 s, with noise from a fixed-seed generator.
std::vector<double> DecayingMotion(int count, double dt, double peakGal, std::uint64_t seed);

struct BenchFile {
    std::string name;  // file name, without folder
    std::string text;
};

// component: 0 and 1 the horizontals, 2 the vertical (one file each).
BenchFile PeerFile(int number, int component, int samples);
BenchFile EsmFile(int number, int component, int samples);
BenchFile KnetAsciiFile(int number, int component, int samples);
// Three channels in one file.
BenchFile KnetCsvFile(int number, int samples);
BenchFile CosmosFile(int number, int samples);
BenchFile CsmipFile(int number, int samples);
BenchFile GeoNetFile(int number, int samples);
// One channel.
BenchFile SmcFile(int number, int samples);

// The agency formats, in the order of the table.
inline constexpr RecordFormat kBenchAgencyFormats[] = {RecordFormat::Peer, RecordFormat::Cosmos, RecordFormat::Csmip,
                                                       RecordFormat::Smc,  RecordFormat::Esm,    RecordFormat::GeoNet,
                                                       RecordFormat::KnetCsv};

// The first file of record `number` in the format (component 0).
BenchFile FirstFileOf(RecordFormat format, int number, int samples);
// Channels in one file of the format.
int ChannelsPerFile(RecordFormat format);

}  // namespace tremblo::bench
