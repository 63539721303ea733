#pragma once
// Writers of small valid PEER .AT2, ESM/ITACA ASCII and K-NET/KiK-net CSV
// files, from their header values and samples, for the reader tests (and
// for timing a reader on a big file). Damaged variants are made by editing
// the text they return.
#include <string>
#include <utility>
#include <vector>

namespace tremblo::testing {

// Values written with `format` (printf, one double), `perLine` a line.
std::string ValueLines(const std::vector<double>& values, const char* format, int perLine);

struct PeerFixture {
    std::string title = "PEER NGA STRONG MOTION DATABASE RECORD";
    std::string eventLine = "Loma Prieta, 10/18/1989, Gilroy Array #1, 67";
    std::string quantityLine = "ACCELERATION TIME SERIES IN UNITS OF G";
    std::string countLine;  // empty: "NPTS=%7d, DT=%9s SEC" from the values and dtText
    std::string dtText = ".0050";
    std::vector<double> values;  // in the file's unit
    const char* valueFormat = "%15.7E";
};
std::string PeerText(const PeerFixture& fixture);

using KeyValues = std::vector<std::pair<std::string, std::string>>;

struct EsmFixture {
    KeyValues keys;  // in file order; NDATA is written as given
    std::vector<double> values;
    const char* valueFormat = "%.6E";
};
// An AQK HNE acceleration record in cm/s^2 at 0.005 s, its NDATA the number of `values`.
EsmFixture TypicalEsmFixture(std::vector<double> values);
// Replaces the key's value (appends the key when it is not there).
void SetKey(KeyValues& keys, const std::string& key, const std::string& value);
void RemoveKey(KeyValues& keys, const std::string& key);
std::string EsmText(const EsmFixture& fixture);

struct KnetCsvFixture {
    std::string firstLine = "#K-NET CSV";
    KeyValues header;                  // "#name,value" lines
    std::vector<std::string> columns;  // channel columns with their units, after Time and RelativeTime(s)
    std::vector<std::vector<double>> channels;  // one per column, equally long
    double samplingHz = 100.0;
    const char* valueFormat = "%.3f";
};
// MYG004 at 100 Hz, N-S, E-W, U-D in gal, NumberOfSamples stated.
KnetCsvFixture TypicalKnetCsvFixture(std::vector<std::vector<double>> channels);
std::string KnetCsvText(const KnetCsvFixture& fixture);

// The first lines of files of the other formats the program reads (K-NET
// ASCII, CDPC, Hiroshima, COSMOS, CSMIP, SMC, GeoNet), as written from
// their layouts, for the detection tests.
std::vector<std::vector<std::string>> OtherFormatHeads();

// The first (up to 40) lines of a text, without their line ends.
std::vector<std::string> HeadOf(const std::string& text);

}  // namespace tremblo::testing
