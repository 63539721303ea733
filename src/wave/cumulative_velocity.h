#pragma once
// The cumulative absolute velocity of one component (EPRI 1988): the
// integral of |a| over the record; CAV5, the same with the samples below
// 5 gal taken as zero (Kramer and Mitchell 2006); and the standardized CAV
// (EPRI 1991): the integral over the 1-second windows whose peak reaches
// 0.025 g only.
//
// The integrand is |a| taken as linear between samples: the trapezoidal
// rule over the samples' |a[k]| (for CAV5, |a[k]| or 0 below 5 gal), in
// double. The windows lie end to end from the first sample, [w, w + 1] s for
// w = 0, 1, ..., and only whole ones count: a record shorter than 1 s has
// none (and no CAVstd); the part after the last whole second counts for CAV
// and CAV5 only. A window's peak and integral are those of the same linear
// integrand over the window, its ends read between samples where they fall
// between them; a sample on a boundary belongs to both windows' peaks, and
// its share of the integral goes half to each, so that when every window
// counts CAVstd is CAV over the whole seconds.
#include <optional>
#include <span>

namespace tremblo {

inline constexpr double CAV5_THRESHOLD_GAL = 5.0;
inline constexpr double CAVSTD_THRESHOLD_G = 0.025;
inline constexpr double CAVSTD_WINDOW_SECONDS = 1.0;

struct CumulativeVelocity {
    double cav = 0.0;              // cm/s
    double cav5 = 0.0;             // cm/s
    std::optional<double> cavStd;  // cm/s; none for a record shorter than a window
};

// The windows start every SamplesPerSecond(dt) samples.
CumulativeVelocity CumulativeVelocityOf(std::span<const float> gal, double dt);

}  // namespace tremblo
