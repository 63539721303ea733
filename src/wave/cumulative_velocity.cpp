#include "wave/cumulative_velocity.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "wave/husid_curve.h"
#include "wave/sample_interval.h"

namespace tremblo {

namespace {

// |a[k]| in double, or 0 where it stays below `floor`.
class AbsoluteAcceleration {
public:
    AbsoluteAcceleration(std::span<const float> gal, double floor) : gal_(gal), floor_(floor) {}
    std::size_t size() const { return gal_.size(); }
    double operator[](std::size_t k) const {
        const double value = std::fabs(static_cast<double>(gal_[k]));
        return value >= floor_ ? value : 0.0;
    }
    // Taken as linear between samples, at position p (in samples, 0 .. size - 1).
    double At(double p) const {
        const double whole = std::floor(p);
        const auto k = static_cast<std::size_t>(whole);
        if (k + 1 >= size()) return (*this)[size() - 1];
        const double share = p - whole;
        if (share == 0.0) return (*this)[k];
        return (*this)[k] + ((*this)[k + 1] - (*this)[k]) * share;
    }

private:
    std::span<const float> gal_;
    double floor_;
};

// The integral of the linear integrand from position `from` to `to` (in
// samples; multiply by dt for seconds): whole intervals by the trapezoidal
// rule, the parts of intervals at the ends by the same rule on the values
// read between samples.
double IntegralBetween(const AbsoluteAcceleration& f, double from, double to) {
    const double firstNode = std::ceil(from), lastNode = std::floor(to);
    if (firstNode > lastNode) return (f.At(from) + f.At(to)) * 0.5 * (to - from);
    const auto first = static_cast<std::size_t>(firstNode), last = static_cast<std::size_t>(lastNode);
    double sum = (f.At(from) + f[first]) * 0.5 * (firstNode - from);
    for (std::size_t k = first + 1; k <= last; ++k) sum += (f[k - 1] + f[k]) * 0.5;
    sum += (f[last] + f.At(to)) * 0.5 * (to - lastNode);
    return sum;
}

// The largest value of the linear integrand from `from` to `to`: at a
// sample, or at an end.
double PeakBetween(const AbsoluteAcceleration& f, double from, double to) {
    double peak = std::max(f.At(from), f.At(to));
    const auto first = static_cast<std::size_t>(std::ceil(from));
    const auto last = static_cast<std::size_t>(std::floor(to));
    for (std::size_t k = first; k <= last && k < f.size(); ++k) peak = std::max(peak, f[k]);
    return peak;
}

// The standardized CAV over the whole windows, in cm/s; none without a whole window.
std::optional<double> StandardizedCav(const AbsoluteAcceleration& f, double dt) {
    const double perWindow = SamplesPerSecond(dt) * CAVSTD_WINDOW_SECONDS;
    const double end = static_cast<double>(f.size() - 1);
    // A boundary a rounding away from the last sample still closes a window.
    const double windows = std::floor(end / perWindow * (1.0 + 1e-12));
    if (!(windows >= 1.0)) return std::nullopt;
    const double threshold = CAVSTD_THRESHOLD_G * GAL_PER_G;
    double sum = 0.0;
    for (double w = 0.0; w < windows; w += 1.0) {
        const double from = w * perWindow, to = std::min((w + 1.0) * perWindow, end);
        if (PeakBetween(f, from, to) >= threshold) sum += IntegralBetween(f, from, to) * dt;
    }
    return sum;
}

}  // namespace

CumulativeVelocity CumulativeVelocityOf(std::span<const float> gal, double dt) {
    CumulativeVelocity result;
    if (gal.size() < 2 || !(dt > 0.0) || !std::isfinite(dt)) return result;
    const AbsoluteAcceleration all(gal, 0.0);
    const double end = static_cast<double>(gal.size() - 1);
    result.cav = IntegralBetween(all, 0.0, end) * dt;
    result.cav5 = IntegralBetween(AbsoluteAcceleration(gal, CAV5_THRESHOLD_GAL), 0.0, end) * dt;
    result.cavStd = StandardizedCav(all, dt);
    return result;
}

}  // namespace tremblo
