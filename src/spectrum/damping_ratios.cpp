#include "spectrum/damping_ratios.h"

namespace tremblo {

DampingRatios DampingRatiosFor(DampingMultiplier multiplier) {
    switch (multiplier) {
        case DampingMultiplier::Times5: return {0.0f, 0.05f, 0.1f, 0.25f, 0.5f};
        case DampingMultiplier::Times10: return {0.0f, 0.1f, 0.2f, 0.5f, 1.0f};
        case DampingMultiplier::Times1: break;
    }
    return {0.0f, 0.01f, 0.02f, 0.05f, 0.1f};
}

std::array<const char*, 4> DampingCaptionsFor(DampingMultiplier multiplier) {
    switch (multiplier) {
        case DampingMultiplier::Times5: return {" 5%", "10%", "25%", "50%"};
        case DampingMultiplier::Times10: return {"10%", "20%", "50%", "100%"};
        case DampingMultiplier::Times1: break;
    }
    return {" 1%", " 2%", " 5%", "10%"};
}

LinearPeriodAxis LinearPeriodAxisFor(LinearPeriodRange range) {
    switch (range) {
        case LinearPeriodRange::Seconds5: return {5.0f, 5, 5};
        case LinearPeriodRange::Seconds10: return {10.0f, 5, 4};
        case LinearPeriodRange::Seconds2: break;
    }
    return {2.0f, 4, 5};
}

}  // namespace tremblo
