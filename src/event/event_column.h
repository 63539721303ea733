#pragma once
// The columns of the event list: the fixed ones, then one per measure of
// --measures (measure_columns.h), FirstMeasure + its index. Each has a key
// that names it in the settings and on the batch's command line (the
// summary's column name where it shows one summary cell), and a group the
// column chooser lists it under.
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tremblo {

enum class EventColumn {
    Code, Name, Network, Distance, Pga1, Pga2, Pga3, PgaMax, Pgv, Jma, JmaClass, Sa02, Sa10, Error,
    FirstMeasure  // and the measures after it, in the order of MeasureColumns()
};

enum class EventColumnGroup { Record, Peaks, Intensity, Spectra, Measures };

struct MeasureColumn;

// The column of measure `index` of MeasureColumns(), and back.
EventColumn MeasureEventColumn(int index);
std::optional<int> MeasureIndexOf(EventColumn column);
// The measure a column shows; null for the fixed columns.
const MeasureColumn* MeasureColumnOf(EventColumn column);

// Every column in the table's order: the fixed ones (the values users
// compare first come first), then the measures.
const std::vector<EventColumn>& EventColumnsInTableOrder();

EventColumnGroup GroupOf(EventColumn column);

// "station_code", "pga_max", "c1_pga_gal", "c1_arias"...; and the column a
// key names (nothing for an unknown key).
std::string EventColumnKey(EventColumn column);
std::optional<EventColumn> EventColumnOfKey(std::string_view key);

// The columns shown when nothing was chosen: all but the measures.
std::set<EventColumn> DefaultShownColumns();
// The columns the keys name, unknown keys left out; the default columns
// when none is known (a choice saved by another version, or damaged).
std::set<EventColumn> ShownColumnsOfKeys(const std::vector<std::string>& keys);
// The keys of the columns, in the table's order.
std::vector<std::string> KeysOfColumns(const std::set<EventColumn>& columns);

// A measure column is among them: the records must be read with --measures.
bool NeedsMeasures(const std::set<EventColumn>& columns);

}  // namespace tremblo
