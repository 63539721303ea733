#pragma once
// The colours of a numeric column on the station map: a continuous scale
// from the smallest value shown (blue) through green and yellow to the
// largest (red); a station without a value is drawn hollow in grey.
#include <optional>
#include <span>

#include "plot/canvas.h"

namespace tremblo {

struct ValueRange {
    double low = 0.0;
    double high = 0.0;
};

// The smallest and largest finite value; nothing when there is none.
std::optional<ValueRange> RangeOfValues(std::span<const std::optional<double>> values);

// The scale's colour of `value` within `range` (clamped to it); a range of
// one value gives the middle of the scale; a value that is not finite
// gives kNoValueColor.
Color ValueScaleColor(double value, const ValueRange& range);

inline constexpr Color kNoValueColor = 0xA0A0A0;

// How a station is drawn when the map is coloured by a column of `range`:
// a disc of its value's colour, or a hollow grey ring without a value.
struct StationFill {
    Color color = kNoValueColor;
    bool hollow = true;
    friend bool operator==(const StationFill&, const StationFill&) = default;
};
StationFill StationFillOf(const std::optional<double>& value, const ValueRange& range);

// The colours of the scale at its fractions 0, 1/4, 1/2, 3/4 and 1, written
// 0xRRGGBB (the canvas's Color has red in the low byte).
inline constexpr std::uint32_t kValueScaleStops[5] = {0x2040C0, 0x20A0E0, 0x30B030, 0xF0D020, 0xD02020};

}  // namespace tremblo
