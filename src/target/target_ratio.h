#pragma once
// How far a record's spectrum exceeds a target: the largest ratio of the
// record's SA to the target's over the table periods the target is defined
// at, and the period where it is reached.
#include <optional>
#include <span>

#include "target/target_spectrum.h"

namespace tremblo {

struct TargetExceedance {
    float ratio = 0.0f;   // SA / target SA, the largest
    float period = 0.0f;  // s, the first table period where it occurs
};

// `sa[j]` is the record's SA at `periods[j]`. Nothing when the target is
// defined at none of the periods.
std::optional<TargetExceedance> LargestTargetRatio(const TargetSpectrum& target, std::span<const float> periods,
                                                   std::span<const float> sa);

}  // namespace tremblo
