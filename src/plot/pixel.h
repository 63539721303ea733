#pragma once
// Conversion of a computed coordinate to a pixel: truncation toward zero.
// Values beyond the int range (or not finite) are held at +-2^30 so that a
// wild scale draws far outside the picture instead of overflowing.
#include <cmath>

namespace tremblo {

inline constexpr double kPixelLimit = 1073741824.0;  // 2^30

inline int TruncPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kPixelLimit) return static_cast<int>(kPixelLimit);
    if (value <= -kPixelLimit) return -static_cast<int>(kPixelLimit);
    return static_cast<int>(std::trunc(value));
}

}  // namespace tremblo
