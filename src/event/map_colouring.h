#pragma once
// How the station map colours its stations: by JMA intensity class (the
// map's own colours), or by the numbers of one column of the event list on
// the continuous scale of value_colors.h, between the smallest and the
// largest value of the stations shown. Amplitudes (peaks, SA, Arias, CAV,
// SI) are placed on the scale by their logarithm, durations, distance and
// the JMA intensity (itself a logarithm) linearly. On a logarithmic scale
// a value of 0 or less (an Arias intensity of a record without motion)
// takes the scale's low end, and the range is that of the positive values.
#include <optional>
#include <span>
#include <string>

#include "event/event_column.h"
#include "event/value_colors.h"

namespace tremblo {

struct MapColouring {
    std::string title;   // the legend's heading: the column and its unit, "PGA [Gal]"
    bool logarithmic = false;
    std::optional<ValueRange> range;  // none: no station shown has a value

    // The disc of a station of this value; hollow grey without one.
    StationFill FillOf(const std::optional<double>& value) const;
};

// Whether a column's values are coloured by their logarithm.
bool IsLogarithmicColumn(EventColumn column);

// The legend's heading of a numeric column, in the pictures' language.
std::string MapColumnTitle(EventColumn column);

// The colouring of a numeric column whose shown stations have `values`.
MapColouring ColouringOf(EventColumn column, std::span<const std::optional<double>> values);

// The scale's colour at `fraction` (0: the low end, 1: the high end).
Color ScaleColorAt(double fraction);

// The column named on the command line or saved as the map's choice: a
// numeric column's key, or "jma_class" for the class colours (nothing).
// False for any other name.
bool MapColumnOfKey(std::string_view key, std::optional<EventColumn>& column);

}  // namespace tremblo
