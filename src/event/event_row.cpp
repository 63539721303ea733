#include "event/event_row.h"

#include <cmath>
#include <vector>

#include "common/format.h"
#include "common/path_text.h"
#include "event/epicentral_distance.h"
#include "event/summary_row_parse.h"
#include "input/archive_reader.h"

namespace tremblo {

namespace {

// The cells of one line, looked up by column name.
class RowCells {
public:
    RowCells(const SummaryColumns& columns, const std::string& line)
        : columns_(columns), cells_(SplitCsvLine(line)) {}

    const std::string& At(std::optional<std::size_t> position) const {
        static const std::string kEmpty;
        return position && *position < cells_.size() ? cells_[*position] : kEmpty;
    }
    const std::string& Named(std::string_view name) const { return At(columns_.Find(name)); }
    const std::string& Component(int c, const char* name) const {
        return Named(StringPrintf("c%d_%s", c + 1, name));
    }

private:
    const SummaryColumns& columns_;
    std::vector<std::string> cells_;
};

// A value with the cell it was read from.
struct CellValue {
    std::optional<float> value;
    std::string text;
};

CellValue ReadCell(const std::string& cell) {
    const std::optional<float> value = ParseFloatCell(cell);
    return {value, value ? cell : std::string()};
}

// The largest value of the cells (the first of equal ones).
void KeepLarger(CellValue& best, const CellValue& candidate) {
    if (candidate.value && (!best.value || *candidate.value > *best.value)) best = candidate;
}

std::string WithCrLf(const std::string& line) {
    if (line.ends_with("\r\n")) return line;
    std::string_view body(line);
    if (body.ends_with('\n')) body.remove_suffix(1);
    if (body.ends_with('\r')) body.remove_suffix(1);
    return std::string(body) + "\r\n";
}

void ReadCoordinates(const RowCells& cells, EventRow& row) {
    if (row.network == Network::Hiroshima || row.network == Network::Cdpc) return;
    row.stationLat = ParseDoubleCell(cells.Named("station_lat"));
    row.stationLon = ParseDoubleCell(cells.Named("station_lon"));
    row.eventLat = ParseDoubleCell(cells.Named("event_lat"));
    row.eventLon = ParseDoubleCell(cells.Named("event_lon"));
    if (!row.stationLat || !row.stationLon || !row.eventLat || !row.eventLon) return;
    const double km = EpicentralDistanceKm(*row.stationLat, *row.stationLon, *row.eventLat, *row.eventLon);
    if (std::isfinite(km)) row.distanceKm = km;
}

void ReadPeaks(const RowCells& cells, EventRow& row) {
    CellValue pgaMax, pgv;
    for (int c = 0; c < 3; ++c) {
        const auto slot = static_cast<std::size_t>(c);
        row.labels[slot] = cells.Component(c, "label");
        const CellValue pga = ReadCell(cells.Component(c, "pga_gal"));
        row.pga[slot] = pga.value;
        row.pgaText[slot] = pga.text;
        KeepLarger(pgaMax, pga);
        if (!row.labels[slot].empty() && !IsVerticalLabel(row.labels[slot]))
            KeepLarger(pgv, ReadCell(cells.Component(c, "pgv_kine")));
    }
    row.pgaMax = pgaMax.value;
    row.pgaMaxText = pgaMax.text;
    row.pgvHorizontal = pgv.value;
    row.pgvText = pgv.text;
}

// The largest SA of the horizontal components; columnOf(c) is component c's column.
template <typename ColumnOf>
CellValue LargestHorizontal(const RowCells& cells, const EventRow& row, ColumnOf columnOf) {
    CellValue best;
    for (int c = 0; c < 3; ++c) {
        const std::string& label = row.labels[static_cast<std::size_t>(c)];
        if (!label.empty() && !IsVerticalLabel(label)) KeepLarger(best, ReadCell(cells.At(columnOf(c))));
    }
    return best;
}

void ReadSpectra(const SummaryColumns& columns, const RowCells& cells, EventRow& row) {
    const CellValue sa02 = LargestHorizontal(cells, row, [&](int c) { return columns.Sa02Column(c); });
    const CellValue sa10 = LargestHorizontal(cells, row, [&](int c) { return columns.Sa10Column(c); });
    row.sa02 = sa02.value;
    row.sa02Text = sa02.text;
    row.sa10 = sa10.value;
    row.sa10Text = sa10.text;
}

void ReadMeasures(const RowCells& cells, EventRow& row) {
    const std::vector<MeasureColumn>& columns = MeasureColumns();
    for (std::size_t k = 0; k < columns.size(); ++k) row.measures[k] = ReadCell(cells.Named(columns[k].name)).value;
}

}  // namespace

RecordFilePlace PlaceOfRecordFile(const std::string& file) {
    // The archive given ends at the first separator after an archive's name.
    for (std::size_t at = file.find(kNestedNameSeparator); at != std::string::npos;
         at = file.find(kNestedNameSeparator, at + 1)) {
        if (!IsArchiveName(std::string_view(file).substr(0, at))) continue;
        const std::size_t last = file.rfind(kNestedNameSeparator);
        RecordFilePlace place;
        place.name = std::string(FileNamePart(std::string_view(file).substr(last + 1)));
        place.holder = std::string(FileNamePart(std::string_view(file).substr(0, at))) + file.substr(at, last - at);
        return place;
    }
    return RecordFilePlace{std::string(FileNamePart(file)), FolderPart(file)};
}

bool IsVerticalLabel(const std::string& label) {
    const std::string_view text(label);
    return (text.size() >= 2 && EqualIgnoringAsciiCase(text.substr(0, 2), "UD")) ||
           (text.size() >= 3 && EqualIgnoringAsciiCase(text.substr(0, 3), "U-D"));
}

EventRow ParseSummaryRow(const SummaryColumns& columns, const std::string& line) {
    const RowCells cells(columns, line);
    EventRow row;
    row.file = cells.Named("file");
    row.summaryLine = WithCrLf(line);
    row.error = cells.Named("error");
    row.network = NetworkOf(row.file, cells.Named("format"));
    row.stationCode = cells.Named("station_code");  // a failed record's too, when its name tells it
    if (row.failed()) return row;
    row.stationName = cells.Named("station_name");
    row.originTime = cells.Named("origin_time");
    ReadCoordinates(cells, row);
    ReadPeaks(cells, row);
    const CellValue jma = ReadCell(cells.Named("jma_intensity"));
    row.jmaIntensity = jma.value;
    row.jmaText = jma.text;
    row.jmaClass = cells.Named("jma_class");
    ReadSpectra(columns, cells, row);
    ReadMeasures(cells, row);
    return row;
}

}  // namespace tremblo
