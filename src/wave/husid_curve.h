#pragma once
// The Arias intensity of one component and its Husid curve (Arias 1970;
// Husid 1969): the running integral of the squared acceleration from the
// first sample, and that integral normalised by its final value, from which
// the significant durations are read (Trifunac and Brady 1975): the times
// between the curve's 5 % and 75 % and its 5 % and 95 % crossings.
//
// The integral follows the trapezoidal rule over the samples: the step from
// sample k - 1 to sample k adds (a[k-1]^2 + a[k]^2) / 2 * dt, in double from
// the single-precision samples (gal), always in the order of the samples.
// A crossing is the first time the normalised curve reaches its level,
// found between two samples by linear interpolation of the curve.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tremblo {

inline constexpr double STANDARD_GRAVITY = 9.80665;  // m/s^2
inline constexpr double GAL_PER_G = 980.665;

// The levels of the significant durations, fractions of the whole integral.
inline constexpr double HUSID_START_LEVEL = 0.05;
inline constexpr double HUSID_MIDDLE_LEVEL = 0.75;
inline constexpr double HUSID_END_LEVEL = 0.95;

struct HusidCurve {
    double dt = 0.0;                 // s between samples
    std::vector<double> cumulative;  // integral of a^2 from the first sample to each, gal^2 s; entry 0 is 0

    double total() const { return cumulative.empty() ? 0.0 : cumulative.back(); }
    // Whether the curve can be normalised: a finite integral above zero.
    bool HasMotion() const;
    // The normalised curve at sample k (0 .. size - 1); only with motion.
    double Normalised(std::size_t k) const { return cumulative[k] / total(); }
};

// The running integral of the squared samples `gal`, sampled dt seconds apart.
HusidCurve HusidCurveOf(std::span<const float> gal, double dt);

// pi / (2 g) times the whole integral, in m/s (the acceleration taken in m/s^2).
double AriasIntensityOf(const HusidCurve& curve);

// Seconds from the first sample to the first time the normalised curve
// reaches `fraction` (0 < fraction <= 1); none without motion.
std::optional<double> HusidCrossingTime(const HusidCurve& curve, double fraction);

struct SignificantDurations {
    std::optional<double> t5, t75, t95;  // crossing times, s from the first sample
    std::optional<double> d5_75, d5_95;  // t75 - t5 and t95 - t5, s
};

// Empty (not zero) for a component without motion.
SignificantDurations SignificantDurationsOf(const HusidCurve& curve);

}  // namespace tremblo
