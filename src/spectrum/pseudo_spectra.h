#pragma once
// Pseudo-spectral values from the peak relative displacement SD (cm):
// PSV = w SD (kine) and PSA = w^2 SD (gal), w = 2 pi / T, evaluated in
// double and rounded to single precision, as the tables keep their values.
#include "spectrum/sdof_response.h"

namespace tremblo {

inline double AngularFrequency(float period) { return TWO_PI / static_cast<double>(period); }

inline float PseudoAcceleration(float period, float sd) {
    const double omega = AngularFrequency(period);
    return static_cast<float>(omega * omega * static_cast<double>(sd));
}

inline float PseudoVelocity(float period, float sd) {
    return static_cast<float>(AngularFrequency(period) * static_cast<double>(sd));
}

}  // namespace tremblo
