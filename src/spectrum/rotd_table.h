#pragma once
// Orientation-independent response spectra of the two horizontal components:
// for every damping ratio, quantity and period, the peak response of the
// horizontal motion along each azimuth 0, 1, ... 179 degrees (north = 0,
// east = 90), a(theta) = cos(theta) NS + sin(theta) EW; RotD100 is the
// largest of the 180 peaks, RotD50 their median.
#include <array>

#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_table.h"

namespace tremblo {

inline constexpr int ROTD_AZIMUTHS = 180;

struct RotDValues {
    float rotd50 = 0.0f;
    float rotd100 = 0.0f;
    int azimuth100 = 0;  // degrees: the first azimuth whose peak is RotD100
};

struct RotDTable {
    std::array<RotDValues, DAMPING_COUNT * SPECTRUM_QUANTITIES * PERIOD_COUNT> values{};

    static constexpr int Offset(int k, int q, int j) { return (k * SPECTRUM_QUANTITIES + q) * PERIOD_COUNT + j; }
    RotDValues& at(int k, int q, int j) { return values[Offset(k, q, j)]; }
    const RotDValues& at(int k, int q, int j) const { return values[Offset(k, q, j)]; }
};

// The direction of an azimuth: cos and sin of it in double precision, exactly
// 1 and 0 (0 and 1) at 0 (90) degrees.
struct AzimuthDirection {
    double c = 1.0;
    double s = 0.0;
};
AzimuthDirection AzimuthDirectionOf(int degrees);

// A response along the azimuth from the NS and EW responses: evaluated in
// double and stored in single precision.
inline float ResponseAlong(const AzimuthDirection& d, float ns, float ew) {
    return static_cast<float>(d.c * ns + d.s * ew);
}

// RotD50 (the mean of the 90th and 91st smallest peak, in double, stored in
// single precision), RotD100 and its azimuth, from the peaks of azimuths 0 .. 179.
RotDValues SummarizeAzimuthPeaks(const std::array<float, ROTD_AZIMUTHS>& peaks);

}  // namespace tremblo
