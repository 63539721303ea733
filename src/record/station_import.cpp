#include "record/station_import.h"

#include <string>

#include "common/shift_jis.h"
#include "common/line_reader.h"
#include "record/split_fields.h"

namespace tremblo {

namespace {

constexpr std::size_t kLineBuffer = 300;

bool Known(const StationDirectory& d, std::string_view code) {
    for (int i = 0; i < d.stationRowCount; ++i)
        if (d.stationRows[i].code.view() == code) return true;
    return false;
}

int NetworkCount(const StationDirectory& d, bool knet) {
    int count = 0;
    for (int i = 0; i < d.stationRowCount; ++i) count += IsKnetCode(d.stationRows[i].code.view()) == knet ? 1 : 0;
    return count;
}

}  // namespace

StationImportCounts ImportNiedStationList(std::istream& in, StationDirectory& d) {
    StationImportCounts counts;
    LineReader reader(in, kLineBuffer);
    std::string line;
    int knetRows = NetworkCount(d, true);
    int kiknetRows = NetworkCount(d, false);
    while (reader.Next(line)) {
        const std::vector<std::string> fields = SplitFields(line);
        const std::string code = fields.empty() ? std::string() : fields[0];
        if (code.find_first_not_of(" \t\r\n") == std::string::npos) {
            if (line.find_first_not_of(" \t\r\n") != std::string::npos) ++counts.refused;
            continue;
        }
        if (Known(d, code)) {
            ++counts.kept;
            continue;
        }
        const bool knet = IsKnetCode(code);
        int& networkRows = knet ? knetRows : kiknetRows;
        if (d.stationRowCount >= STATION_CAPACITY || networkRows >= STATION_CAPACITY) {
            ++counts.refused;
            continue;
        }
        const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
        StationRow& row = d.stationRows[d.stationRowCount++];
        row.clear();
        row.code = code;
        row.name = field(1);
        row.location = field(6);
        const std::string elevation = field(4);
        if (!elevation.empty() && elevation != "NA") row.column5 = Utf8ToSjis("標高 " + elevation + "m");
        ++networkRows;
        ++counts.added;
    }
    RebuildSortedTables(d);
    return counts;
}

}  // namespace tremblo
