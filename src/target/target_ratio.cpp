#include "target/target_ratio.h"

#include <algorithm>

namespace tremblo {

std::optional<TargetExceedance> LargestTargetRatio(const TargetSpectrum& target, std::span<const float> periods,
                                                   std::span<const float> sa) {
    std::optional<TargetExceedance> largest;
    double best = 0.0;
    const std::size_t n = std::min(periods.size(), sa.size());
    for (std::size_t j = 0; j < n; ++j) {
        const std::optional<double> value = target.SaAt(periods[j]);
        if (!value) continue;
        const double ratio = static_cast<double>(sa[j]) / *value;
        if (largest && !(ratio > best)) continue;
        best = ratio;
        largest = TargetExceedance{static_cast<float>(ratio), periods[j]};
    }
    return largest;
}

}  // namespace tremblo
