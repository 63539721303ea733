#pragma once
// One record of an event as the event list shows it: the values of one row
// of the batch's summary table.
#include <array>
#include <optional>
#include <string>

#include "event/measure_columns.h"
#include "event/network.h"
#include "event/summary_columns.h"

namespace tremblo {

struct EventRow {
    std::string file;         // summary cell `file`
    std::string summaryLine;  // the CSV row as given, ended by CR LF, exported byte for byte
    std::string error;        // summary cell `error`; non-empty: a failed record, values empty
    Network network = Network::Knet;
    std::string stationCode, stationName, originTime, jmaClass;
    std::optional<double> stationLat, stationLon, eventLat, eventLon;
    std::optional<double> distanceKm;  // epicentral, when all four coordinates are valid
    std::array<std::string, 3> labels;           // cN_label
    std::array<std::optional<float>, 3> pga;     // cN_pga_gal
    std::optional<float> pgaMax;                 // largest of the three
    std::optional<float> pgvHorizontal;          // largest cN_pgv_kine of the horizontal components
    std::optional<float> jmaIntensity;
    std::optional<float> sa02, sa10;             // largest horizontal SA at 5 % near 0.2 s / 1.0 s
    // The summary's own cell text of each value above (the largest's cell); "" when it has none.
    std::array<std::string, 3> pgaText;
    std::string pgaMaxText, pgvText, jmaText, sa02Text, sa10Text;
    // The cells of --measures, in the order of MeasureColumns(); empty when
    // the summary has no such column or the record no such value.
    std::array<std::optional<float>, kMeasureColumnCount> measures;

    bool failed() const { return !error.empty(); }
};

// Where a record's file lies, as the summary's `file` cell names it: its
// own file name (an archive member's without its folders, "AIC0012411051012.NS"),
// and what holds it: the archive given (its file name) and the archives
// inside it ("d.tar:e.knt.tar.gz"), or the folder of a file on disk.
struct RecordFilePlace {
    std::string name;
    std::string holder;
};
RecordFilePlace PlaceOfRecordFile(const std::string& file);

// A vertical component: its label starts with "UD" or "U-D" (any letter case).
bool IsVerticalLabel(const std::string& label);

// The row of one summary line (the header's layout in `columns`). A line
// without a line end, or ended by LF alone, is kept ended by CR LF.
EventRow ParseSummaryRow(const SummaryColumns& columns, const std::string& line);

}  // namespace tremblo
