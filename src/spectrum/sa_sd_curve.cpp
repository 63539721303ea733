#include "spectrum/sa_sd_curve.h"

namespace tremblo {

SaSdCurve AdjustedSaSdCurve(const SpectrumTable& spectrum, int component, int dampingIndex) {
    SaSdCurve curve;
    float largest = 0.0f;
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        const float sd = spectrum.at(component, dampingIndex, SD, j);
        if (sd > largest) {
            largest = sd;
            curve.sd[curve.count] = sd;
            curve.sa[curve.count] = spectrum.at(component, dampingIndex, SA, j);
            ++curve.count;
        }
    }
    return curve;
}

SaSdCurve FullSaSdCurve(const SpectrumTable& spectrum, int component, int dampingIndex) {
    SaSdCurve curve;
    curve.count = PERIOD_COUNT;
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        curve.sd[j] = spectrum.at(component, dampingIndex, SD, j);
        curve.sa[j] = spectrum.at(component, dampingIndex, SA, j);
    }
    return curve;
}

}  // namespace tremblo
