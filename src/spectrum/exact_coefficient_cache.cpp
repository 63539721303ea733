#include "spectrum/exact_coefficient_cache.h"

#include <array>
#include <bit>
#include <cstdint>
#include <unordered_map>

namespace tremblo {

namespace {

// The three values by their bits: equal keys are equal doubles (and -0.0 or
// a NaN only ever meets itself, which gives the same coefficients again).
using CoefficientKey = std::array<std::uint64_t, 3>;

struct KeyHash {
    std::size_t operator()(const CoefficientKey& k) const {
        std::uint64_t h = 0x9E3779B97F4A7C15ull;
        for (std::uint64_t v : k) h = (h ^ v) * 0x100000001B3ull + (h >> 29);
        return static_cast<std::size_t>(h);
    }
};

}  // namespace

ExactCoefficients CachedExactCoefficients(double dt, double period, double damping) {
    thread_local std::unordered_map<CoefficientKey, ExactCoefficients, KeyHash> kept;
    const CoefficientKey key{std::bit_cast<std::uint64_t>(dt), std::bit_cast<std::uint64_t>(period),
                             std::bit_cast<std::uint64_t>(damping)};
    if (const auto found = kept.find(key); found != kept.end()) return found->second;
    if (kept.size() >= static_cast<std::size_t>(EXACT_COEFFICIENT_CACHE_SIZE)) kept.clear();
    const ExactCoefficients k = MakeExactCoefficients(dt, period, damping);
    kept.emplace(key, k);
    return k;
}

}  // namespace tremblo
