#include "event/value_colors.h"

#include <algorithm>
#include <cmath>

namespace tremblo {

namespace {

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

Color CanvasColor(int red, int green, int blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}

}  // namespace

std::optional<ValueRange> RangeOfValues(std::span<const std::optional<double>> values) {
    std::optional<ValueRange> range;
    for (const std::optional<double>& value : values) {
        if (!value || !std::isfinite(*value)) continue;
        if (!range)
            range = ValueRange{*value, *value};
        else
            range = ValueRange{std::min(range->low, *value), std::max(range->high, *value)};
    }
    return range;
}

Color ValueScaleColor(double value, const ValueRange& range) {
    if (!std::isfinite(value)) return kNoValueColor;
    const double width = range.high - range.low;
    const double fraction = width > 0 && std::isfinite(width) ? std::clamp((value - range.low) / width, 0.0, 1.0) : 0.5;
    const double place = fraction * 4.0;
    const int below = std::min(3, static_cast<int>(std::floor(place)));
    const double t = place - below;
    const std::uint32_t a = kValueScaleStops[below], b = kValueScaleStops[below + 1];
    const auto mix = [&](int shift) {
        return static_cast<int>(std::lround(Channel(a, shift) + t * (Channel(b, shift) - Channel(a, shift))));
    };
    return CanvasColor(mix(16), mix(8), mix(0));
}

StationFill StationFillOf(const std::optional<double>& value, const ValueRange& range) {
    if (!value || !std::isfinite(*value)) return StationFill{};
    return StationFill{ValueScaleColor(*value, range), false};
}

}  // namespace tremblo
