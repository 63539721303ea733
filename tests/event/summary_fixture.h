#pragma once
// Summary table lines written the way the batch's --summary writes them
// (column order, RFC 4180 quoting, CR LF), for the event tests.
#include <map>
#include <string>
#include <vector>

#include "common/format.h"

namespace tremblo::testing {

inline const std::vector<std::string> kSummaryPeriodTexts{"0.100", "0.198", "0.501", "0.998", "1.987", "5.022"};

inline std::vector<std::string> SummaryColumnNames(bool withRotD) {
    std::vector<std::string> names{"file",          "format",    "station_code", "station_name", "station_lat",
                                   "station_lon",   "station_height_m", "origin_time", "event_lat", "event_lon",
                                   "event_depth_km", "magnitude", "sampling_hz", "sample_count"};
    for (int c = 1; c <= 3; ++c)
        for (const char* column : {"label", "pga_gal", "pgv_kine", "pgd_cm"})
            names.push_back(StringPrintf("c%d_%s", c, column));
    names.push_back("jma_intensity");
    names.push_back("jma_class");
    std::vector<std::string> prefixes{"c1", "c2", "c3"};
    if (withRotD) prefixes.insert(prefixes.end(), {"rotd50", "rotd100"});
    for (const std::string& prefix : prefixes)
        for (const std::string& period : kSummaryPeriodTexts) names.push_back(prefix + "_sa5_" + period + "s");
    names.push_back("error");
    return names;
}

inline std::string CsvQuoted(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + "\"";
}

inline std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "," : "") + CsvQuoted(cells[i]);
    return line + "\r\n";
}

inline std::string SummaryHeaderLine(bool withRotD) { return CsvLine(SummaryColumnNames(withRotD)); }

// A row with the given cells by column name, every other cell empty.
inline std::string SummaryLine(const std::map<std::string, std::string>& cells, bool withRotD) {
    std::vector<std::string> row;
    for (const std::string& name : SummaryColumnNames(withRotD)) {
        const auto found = cells.find(name);
        row.push_back(found == cells.end() ? std::string() : found->second);
    }
    return CsvLine(row);
}

}  // namespace tremblo::testing
