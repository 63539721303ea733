#pragma once
// Writers of valid fixed-column record files (COSMOS, CSMIP, SMC, GeoNet)
// from a few header values and the samples of each channel, so that tests
// and benchmarks make files of any size; damaged files are made by editing
// the text (see the line helpers at the end).
#include <string>
#include <vector>

#include "record/agency_channel.h"

namespace tremblo::testing {

// COSMOS 1.20: 13 text lines, 100 integers (10I8), 100 reals
// (6(1X,F12.6)), one comment line, the blocks in 8F10.5.
struct CosmosFixtureChannel {
    std::string direction = "90";  // on the text line "Sta Chan  N:  90 deg"
    int stage = 2;               // integer 1
    int unitsCode = 4;           // integer 3 and the data line's code
    std::string unitsText = "cm/sec2";
    double interval = 0.01;      // real 62 as written
    std::vector<double> acceleration;  // in the file's unit
    int velocityCount = 0, displacementCount = 0;  // V2 blocks, zeros
    bool endAfterEachBlock = false;  // an End-of-data line after every block
};
std::string WriteCosmosFile(const std::vector<CosmosFixtureChannel>& channels);

// CSMIP Volume 1/2: 25 text lines ("Chan  N: <direction>" on line 9, the
// spacing on line 10), 100 integers (16I5), 100 reals (8F10), the blocks
// in 8F10.3 each after its start line, "/&" after each channel.
struct CsmipFixtureChannel {
    bool corrected = true;           // line 1 CORRECTED / UNCORRECTED ACCELEROGRAM
    std::string direction = "360 Deg";
    double dt = 0.005;
    std::string units = "cm/sec2";   // "" writes no units
    std::vector<double> acceleration;
    int velocityCount = 0, displacementCount = 0;
};
std::string WriteCsmipFile(const std::vector<CsmipFixtureChannel>& channels);

// SMC: 11 text lines, 48 integers (8I10; 16 comment lines, 17 samples),
// 50 reals (5E15.7; 2 samples per second), the comments, 8F10.4 samples.
struct SmcFixture {
    int typeCode = 2;
    std::string typeText = "CORRECTED ACCELEROGRAM";
    double samplesPerSecond = 100.0;
    std::vector<std::string> comments{"| processed for the tests"};
    std::vector<double> acceleration;  // cm/s^2
};
std::string WriteSmcFile(const SmcFixture& fixture);

// GeoNet V1A/V2A: per component 16 text lines ("Component N28E" on line 6,
// an epicentre bearing on line 5), 40 integers (10I8), 60 reals (10F8, the interval at 9), the
// acceleration in mm/s^2 (10F8.1), then the velocity and displacement.
struct GeoNetFixtureComponent {
    std::string direction = "N28E";
    int bearing = 28;  // integer 28
    double dt = 0.005;
    std::vector<double> acceleration;  // mm/s^2
    int velocityCount = 0, displacementCount = 0;
    // Epicentre 43 deg 33' 36" S, 172 deg 10' 48" E, 11 km deep; site
    // 43 deg 32' 47" S, 172 deg 37' 45" E; origin 2010-09-03 16:35:42.0,
    // first sample 2010-09-03 16:35:38.392.
};
std::string WriteGeoNetFile(const std::vector<GeoNetFixtureComponent>& components);

// `count` values of a smooth, signed signal with the given peak.
std::vector<double> TestSignal(int count, double peak);

// The first `count` lines of `text` without their line ends.
std::vector<std::string> HeadLines(const std::string& text, int count = 40);
// First lines of the formats the fixed-column readers must not take:
// K-NET, CDPC and Hiroshima files.
std::vector<std::vector<std::string>> ForeignHeads();

// What differs between two channels but their samples ("" when nothing):
// a header-only read against a full one.
std::string DifferenceButSamples(const AgencyChannel& a, const AgencyChannel& b);

// Line edits (1-based lines).
std::string ReplaceLine(const std::string& text, int line, const std::string& with);
std::string RemoveLine(const std::string& text, int line);
std::string InsertLine(const std::string& text, int before, const std::string& line);
std::string LineOf(const std::string& text, int line);
// The text up to the end of `line` (the rest cut off).
std::string CutAfterLine(const std::string& text, int line);
// The 1-based line of the first line containing `marker`, or 0.
int LineContaining(const std::string& text, const std::string& marker, int from = 1);

}  // namespace tremblo::testing
