#pragma once
// The Sa-Sd curve of one component: spectral acceleration against spectral
// displacement for one damping ratio, in period order.
#include <array>

#include "spectrum/spectrum_table.h"

namespace tremblo {

// Damping index of the Sa-Sd window (5 % with the x1 multiplier).
inline constexpr int SA_SD_DAMPING_INDEX = 3;

struct SaSdCurve {
    int count = 0;
    std::array<float, PERIOD_COUNT> sd{};  // cm
    std::array<float, PERIOD_COUNT> sa{};  // gal
};

// The displacement-adjusted curve: only the points whose SD exceeds
// (strictly) every SD at shorter periods, starting from 0, in period order.
// A table of zeros gives no points; a plateau keeps its first point.
SaSdCurve AdjustedSaSdCurve(const SpectrumTable& spectrum, int component,
                            int dampingIndex = SA_SD_DAMPING_INDEX);

// All 200 points (SD, SA) in period order.
SaSdCurve FullSaSdCurve(const SpectrumTable& spectrum, int component,
                        int dampingIndex = SA_SD_DAMPING_INDEX);

}  // namespace tremblo
