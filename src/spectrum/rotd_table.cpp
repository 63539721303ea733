#include "spectrum/rotd_table.h"

#include <algorithm>
#include <cmath>

namespace tremblo {

AzimuthDirection AzimuthDirectionOf(int degrees) {
    if (degrees == 90) return {0.0, 1.0};
    if (degrees == 0) return {1.0, 0.0};
    const double theta = degrees * (3.141592653589793 / 180.0);
    return {std::cos(theta), std::sin(theta)};
}

RotDValues SummarizeAzimuthPeaks(const std::array<float, ROTD_AZIMUTHS>& peaks) {
    RotDValues r;
    for (int i = 0; i < ROTD_AZIMUTHS; ++i) {
        if (peaks[i] > r.rotd100) {
            r.rotd100 = peaks[i];
            r.azimuth100 = i;
        }
    }
    // The 90th and 91st smallest: the one in place, the other the smallest above it.
    std::array<float, ROTD_AZIMUTHS> order = peaks;
    const int middle = ROTD_AZIMUTHS / 2;
    std::nth_element(order.begin(), order.begin() + (middle - 1), order.end());
    const float above = *std::min_element(order.begin() + middle, order.end());
    r.rotd50 = static_cast<float>((static_cast<double>(order[middle - 1]) + above) * 0.5);
    return r;
}

}  // namespace tremblo
