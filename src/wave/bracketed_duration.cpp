#include "wave/bracketed_duration.h"

#include <cmath>
#include <cstddef>

namespace tremblo {

namespace {

bool Reaches(float sample, double thresholdGal) { return std::fabs(static_cast<double>(sample)) >= thresholdGal; }

}  // namespace

std::optional<double> BracketedDuration(std::span<const float> gal, double dt, double thresholdGal) {
    std::size_t first = 0;
    while (first < gal.size() && !Reaches(gal[first], thresholdGal)) ++first;
    if (first == gal.size()) return std::nullopt;
    std::size_t last = gal.size() - 1;
    while (!Reaches(gal[last], thresholdGal)) --last;
    return static_cast<double>(last - first) * dt;
}

}  // namespace tremblo
