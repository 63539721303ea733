#include "event/event_column.h"

#include <array>

#include "event/measure_columns.h"

namespace tremblo {

namespace {

struct FixedColumn {
    EventColumn column;
    const char* key;
    EventColumnGroup group;
};

// In the table's order.
constexpr std::array<FixedColumn, 14> kFixedColumns{{
    {EventColumn::Code, "station_code", EventColumnGroup::Record},
    {EventColumn::Name, "station_name", EventColumnGroup::Record},
    {EventColumn::Network, "network", EventColumnGroup::Record},
    {EventColumn::Distance, "distance_km", EventColumnGroup::Record},
    {EventColumn::Jma, "jma_intensity", EventColumnGroup::Intensity},
    {EventColumn::JmaClass, "jma_class", EventColumnGroup::Intensity},
    {EventColumn::PgaMax, "pga_max", EventColumnGroup::Peaks},
    {EventColumn::Pgv, "pgv_horizontal", EventColumnGroup::Peaks},
    {EventColumn::Sa02, "sa02_horizontal", EventColumnGroup::Spectra},
    {EventColumn::Sa10, "sa10_horizontal", EventColumnGroup::Spectra},
    {EventColumn::Pga1, "c1_pga_gal", EventColumnGroup::Peaks},
    {EventColumn::Pga2, "c2_pga_gal", EventColumnGroup::Peaks},
    {EventColumn::Pga3, "c3_pga_gal", EventColumnGroup::Peaks},
    {EventColumn::Error, "error", EventColumnGroup::Record},
}};

const FixedColumn* FixedOf(EventColumn column) {
    for (const FixedColumn& fixed : kFixedColumns)
        if (fixed.column == column) return &fixed;
    return nullptr;
}

}  // namespace

EventColumn MeasureEventColumn(int index) {
    return static_cast<EventColumn>(static_cast<int>(EventColumn::FirstMeasure) + index);
}

std::optional<int> MeasureIndexOf(EventColumn column) {
    const int index = static_cast<int>(column) - static_cast<int>(EventColumn::FirstMeasure);
    if (index < 0 || index >= kMeasureColumnCount) return std::nullopt;
    return index;
}

const MeasureColumn* MeasureColumnOf(EventColumn column) {
    const std::optional<int> k = MeasureIndexOf(column);
    return k ? &MeasureColumns()[static_cast<std::size_t>(*k)] : nullptr;
}

const std::vector<EventColumn>& EventColumnsInTableOrder() {
    static const std::vector<EventColumn> columns = [] {
        std::vector<EventColumn> all;
        for (const FixedColumn& fixed : kFixedColumns) all.push_back(fixed.column);
        for (int k = 0; k < kMeasureColumnCount; ++k) all.push_back(MeasureEventColumn(k));
        return all;
    }();
    return columns;
}

EventColumnGroup GroupOf(EventColumn column) {
    const FixedColumn* fixed = FixedOf(column);
    return fixed ? fixed->group : EventColumnGroup::Measures;
}

std::string EventColumnKey(EventColumn column) {
    if (const FixedColumn* fixed = FixedOf(column)) return fixed->key;
    if (const MeasureColumn* measure = MeasureColumnOf(column)) return measure->name;
    return {};
}

std::optional<EventColumn> EventColumnOfKey(std::string_view key) {
    for (const EventColumn column : EventColumnsInTableOrder())
        if (EventColumnKey(column) == key) return column;
    return std::nullopt;
}

std::set<EventColumn> DefaultShownColumns() {
    std::set<EventColumn> columns;
    for (const FixedColumn& fixed : kFixedColumns) columns.insert(fixed.column);
    return columns;
}

std::set<EventColumn> ShownColumnsOfKeys(const std::vector<std::string>& keys) {
    std::set<EventColumn> columns;
    for (const std::string& key : keys)
        if (const std::optional<EventColumn> column = EventColumnOfKey(key)) columns.insert(*column);
    return columns.empty() ? DefaultShownColumns() : columns;
}

std::vector<std::string> KeysOfColumns(const std::set<EventColumn>& columns) {
    std::vector<std::string> keys;
    for (const EventColumn column : EventColumnsInTableOrder())
        if (columns.contains(column)) keys.push_back(EventColumnKey(column));
    return keys;
}

bool NeedsMeasures(const std::set<EventColumn>& columns) {
    for (const EventColumn column : columns)
        if (MeasureIndexOf(column)) return true;
    return false;
}

}  // namespace tremblo
