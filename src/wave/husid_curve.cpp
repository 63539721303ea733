#include "wave/husid_curve.h"

#include <cmath>
#include <numbers>

namespace tremblo {

bool HusidCurve::HasMotion() const {
    const double whole = total();
    return std::isfinite(whole) && whole > 0.0;
}

HusidCurve HusidCurveOf(std::span<const float> gal, double dt) {
    HusidCurve curve;
    curve.dt = dt;
    curve.cumulative.resize(gal.size());
    const double halfStep = 0.5 * dt;
    double sum = 0.0;
    double previousSquare = 0.0;
    for (std::size_t k = 0; k < gal.size(); ++k) {
        const double a = gal[k];
        const double square = a * a;
        if (k > 0) sum += (previousSquare + square) * halfStep;
        curve.cumulative[k] = sum;
        previousSquare = square;
    }
    return curve;
}

double AriasIntensityOf(const HusidCurve& curve) {
    // gal^2 s = 1e-4 (m/s^2)^2 s.
    return std::numbers::pi / (2.0 * STANDARD_GRAVITY) * (curve.total() * 1e-4);
}

std::optional<double> HusidCrossingTime(const HusidCurve& curve, double fraction) {
    if (!curve.HasMotion()) return std::nullopt;
    const std::size_t n = curve.cumulative.size();
    for (std::size_t k = 0; k < n; ++k) {
        const double here = curve.Normalised(k);
        if (!(here >= fraction)) continue;
        if (k == 0) return 0.0;
        const double before = curve.Normalised(k - 1);
        const double share = (fraction - before) / (here - before);
        return (static_cast<double>(k - 1) + share) * curve.dt;
    }
    return std::nullopt;  // a fraction above 1
}

SignificantDurations SignificantDurationsOf(const HusidCurve& curve) {
    SignificantDurations d;
    d.t5 = HusidCrossingTime(curve, HUSID_START_LEVEL);
    d.t75 = HusidCrossingTime(curve, HUSID_MIDDLE_LEVEL);
    d.t95 = HusidCrossingTime(curve, HUSID_END_LEVEL);
    if (d.t5 && d.t75) d.d5_75 = *d.t75 - *d.t5;
    if (d.t5 && d.t95) d.d5_95 = *d.t95 - *d.t5;
    return d;
}

}  // namespace tremblo
