#include "pipeline/measure_table.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "pipeline/measure_values.h"

namespace tremblo {

namespace {

constexpr const char* kSharedRow = "si";
constexpr const char* kHorizontalSi = "si_horizontal";

}  // namespace

MeasureTable MeasureTableOf(const RecordMeasures& measures) {
    MeasureTable table;
    table.componentCount = std::clamp(measures.componentCount, 0, MAX_COMPONENTS);
    const std::size_t columns = static_cast<std::size_t>(table.componentCount) + 1;
    for (const std::string& name : ComponentMeasureNames())
        table.rows.push_back(MeasureTableRow{name, std::vector<std::optional<double>>(columns)});
    for (int c = 0; c < table.componentCount; ++c) {
        const std::vector<NamedMeasure> values = ComponentMeasureValues(measures.components[static_cast<std::size_t>(c)]);
        for (std::size_t r = 0; r < values.size(); ++r) table.rows[r].cells[static_cast<std::size_t>(c)] = values[r].value;
    }
    for (const NamedMeasure& m : HorizontalMeasureValues(measures)) {
        if (m.name == kHorizontalSi) {
            for (MeasureTableRow& row : table.rows)
                if (row.name == kSharedRow) row.cells.back() = m.value;
            continue;
        }
        table.rows.push_back(MeasureTableRow{m.name, std::vector<std::optional<double>>(columns)});
        table.rows.back().cells.back() = m.value;
    }
    return table;
}

std::vector<std::string> MeasureTableRowNames() {
    std::vector<std::string> names;
    for (const MeasureTableRow& row : MeasureTableOf(RecordMeasures{}).rows) names.push_back(row.name);
    return names;
}

std::string MeasureCellText(const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) return {};
    const double size = std::fabs(*value);
    const int digits = size > 0 ? static_cast<int>(std::floor(std::log10(size))) : 0;
    const int decimals = std::max(0, 3 - digits);
    std::string text = StringPrintf("%.*f", decimals, *value);
    if (text == "-0" || text.find_first_not_of("-0.") == std::string::npos) text = StringPrintf("%.*f", decimals, 0.0);
    return text;
}

std::string MeasureTableTsv(const MeasureTable& table, const std::vector<std::string>& columnTitles,
                            const std::vector<std::string>& rowTitles) {
    std::string text;
    for (const std::string& title : columnTitles) text += "\t" + title;
    text += "\r\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        text += r < rowTitles.size() ? rowTitles[r] : table.rows[r].name;
        for (const std::optional<double>& cell : table.rows[r].cells) text += "\t" + MeasureCellText(cell);
        text += "\r\n";
    }
    return text;
}

}  // namespace tremblo
