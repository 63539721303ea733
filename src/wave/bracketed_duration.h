#pragma once
// The bracketed duration of one component (Bolt 1973): the time from the
// first sample whose |a| reaches the threshold to the last one, read at the
// samples themselves.
#include <optional>
#include <span>

namespace tremblo {

inline constexpr double DEFAULT_BRACKET_THRESHOLD_G = 0.05;

// Seconds from the first sample with |a| >= thresholdGal to the last one:
// 0 when a single sample reaches it, none (not 0) when none does.
std::optional<double> BracketedDuration(std::span<const float> gal, double dt, double thresholdGal);

}  // namespace tremblo
