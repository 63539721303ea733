#include "event/map_colouring.h"

#include <cmath>
#include <vector>

#include "common/translation.h"
#include "event/event_column_number.h"
#include "event/measure_columns.h"
#include "event/summary_columns.h"

namespace tremblo {

namespace {

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
    if (const MeasureColumn* measure = MeasureColumnOf(column)) return measure->logarithmic;
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
    case EventColumn::Sa02: return SpectrumColumnTitle(kEventShortPeriod);
    case EventColumn::Sa10: return SpectrumColumnTitle(kEventLongPeriod);
    default: break;
    }
    if (const MeasureColumn* measure = MeasureColumnOf(column))
        return MeasureTitle(*measure, TrPicture("event", measure->caption));
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
