#pragma once
// The intensity measures of a record as the intensity window shows them:
// one row per measure (the names of measure_values.h), one column per
// component and a last one for the horizontal motion. A component's SI
// value and the horizontal SI value share the row "si"; the rotated peaks
// have the horizontal cell alone. A cell is empty where the record has no
// such value.
#include <optional>
#include <string>
#include <vector>

#include "spectrum/record_measures.h"

namespace tremblo {

struct MeasureTableRow {
    std::string name;                          // as the summary's column names it, without cN_
    std::vector<std::optional<double>> cells;  // the components, then the horizontal motion
};

struct MeasureTable {
    int componentCount = 0;
    std::vector<MeasureTableRow> rows;
};

MeasureTable MeasureTableOf(const RecordMeasures& measures);

// Every row name, in order, whatever the record.
std::vector<std::string> MeasureTableRowNames();

// A cell as shown: four significant digits without exponent, empty for no
// value or one that is not finite.
std::string MeasureCellText(const std::optional<double>& value);

// The table as tab-separated text (lines end with CR LF) with the titles
// given: the column titles after an empty corner cell, then each row's
// title and its cells as shown.
std::string MeasureTableTsv(const MeasureTable& table, const std::vector<std::string>& columnTitles,
                            const std::vector<std::string>& rowTitles);

}  // namespace tremblo
