#include "event/map_colouring.h"

#include <cmath>
#include <vector>

#include "common/format.h"
#include "common/translation.h"
#include "event/event_column_number.h"
#include "event/measure_columns.h"
#include "event/summary_columns.h"
#include "spectrum/period_table.h"

namespace tremblo {

namespace {

// The table period the summary reports for `seconds`, as the SA columns name it.
std::string SpectrumTitle(double seconds) {
    const PeriodTable periods = BuildPeriodTable();
    float nearest = periods.periods[0];
    for (const float period : periods.periods)
        if (std::fabs(period - seconds) < std::fabs(nearest - seconds)) nearest = period;
    return StringPrintf("SA %.3fs [Gal]", static_cast<double>(nearest));
}

std::string MeasureTitle(const MeasureColumn& measure) {
    std::string title = TrPicture("event", measure.caption);
    if (*measure.component != '\0') title += std::string(" ") + measure.component;
    return title + " [" + measure.unit + "]";
}

// A value's place on the scale: its logarithm on a logarithmic one.
double ScalePlace(double value, bool logarithmic) { return logarithmic ? std::log10(value) : value; }

}  // namespace

StationFill MapColouring::FillOf(const std::optional<double>& value) const {
    if (!value || !std::isfinite(*value) || !range) return StationFill{};
    if (!logarithmic) return StationFillOf(value, *range);
    if (*value <= 0) return StationFill{ValueScaleColor(range->low, *range), false};
    return StationFill{ValueScaleColor(std::log10(*value), *range), false};
}

bool IsLogarithmicColumn(EventColumn column) {
    if (const std::optional<int> k = MeasureIndexOf(column)) return MeasureColumns()[static_cast<std::size_t>(*k)].logarithmic;
    return column != EventColumn::Distance && column != EventColumn::Jma;
}

std::string MapColumnTitle(EventColumn column) {
    switch (column) {
    case EventColumn::Distance: return TrPicture("event", "震央距離 [km]");
    case EventColumn::Jma: return TrPicture("event", "計測震度");
    case EventColumn::PgaMax: return "PGA [Gal]";
    case EventColumn::Pgv: return "PGV [kine]";
    case EventColumn::Pga1: return "PGA NS [Gal]";
    case EventColumn::Pga2: return "PGA EW [Gal]";
    case EventColumn::Pga3: return "PGA UD [Gal]";
    case EventColumn::Sa02: return SpectrumTitle(kEventShortPeriod);
    case EventColumn::Sa10: return SpectrumTitle(kEventLongPeriod);
    default: break;
    }
    if (const std::optional<int> k = MeasureIndexOf(column)) return MeasureTitle(MeasureColumns()[static_cast<std::size_t>(*k)]);
    return {};
}

MapColouring ColouringOf(EventColumn column, std::span<const std::optional<double>> values) {
    MapColouring colouring;
    colouring.title = MapColumnTitle(column);
    colouring.logarithmic = IsLogarithmicColumn(column);
    std::vector<std::optional<double>> places;
    for (const std::optional<double>& value : values) {
        if (!value || !std::isfinite(*value) || (colouring.logarithmic && *value <= 0)) continue;
        places.push_back(ScalePlace(*value, colouring.logarithmic));
    }
    colouring.range = RangeOfValues(places);
    // Values, but none above 0: a logarithm has nothing to place them by.
    if (!colouring.range && colouring.logarithmic) {
        colouring.logarithmic = false;
        colouring.range = RangeOfValues(values);
    }
    return colouring;
}

Color ScaleColorAt(double fraction) { return ValueScaleColor(fraction, ValueRange{0.0, 1.0}); }

bool MapColumnOfKey(std::string_view key, std::optional<EventColumn>& column) {
    if (key == "jma_class") {
        column.reset();
        return true;
    }
    const std::optional<EventColumn> named = EventColumnOfKey(key);
    if (!named || !IsNumericEventColumn(*named)) return false;
    column = named;
    return true;
}

}  // namespace tremblo
