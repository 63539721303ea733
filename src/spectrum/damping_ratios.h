#pragma once
// The five damping ratios of the spectra and the main menu's settings that
// replace them (damping-ratio multiplier) or shape the linear period axis.
#include <array>

namespace tremblo {

inline constexpr int DAMPING_COUNT = 5;

using DampingRatios = std::array<float, DAMPING_COUNT>;

enum class DampingMultiplier { Times1, Times5, Times10 };

// 0, 0.01, 0.02, 0.05, 0.1 scaled by the multiplier (the nearest floats of
// the decimals); the first ratio is always 0.
DampingRatios DampingRatiosFor(DampingMultiplier multiplier);

// Captions of the check boxes of ratios 1 .. 4, e.g. " 1%", " 2%", " 5%", "10%".
std::array<const char*, 4> DampingCaptionsFor(DampingMultiplier multiplier);

enum class LinearPeriodRange { Seconds2, Seconds5, Seconds10 };

struct LinearPeriodAxis {
    float limit = 2.0f;  // linearPeriodLimit, s
    int divisions = 4;   // linearPeriodDivisions
    int subX = 5;        // SubX of the spectrum and superposed graphs
};

LinearPeriodAxis LinearPeriodAxisFor(LinearPeriodRange range);

}  // namespace tremblo
