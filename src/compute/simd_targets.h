#pragma once
// The instruction-set paths that the vectorised kernels were compiled for and
// that this processor can run, and a way to restrict the run-time choice to
// one of them (tests and the benchmark compare every path).
#include <cstdint>
#include <vector>

namespace tremblo {

struct SimdTarget {
    int64_t bits = 0;          // the target's bit in the dispatcher's mask
    const char* name = "";     // e.g. "AVX2", "SSE4", "EMU128"
};

// Compiled and supported here, best first.
std::vector<SimdTarget> SupportedSimdTargets();

// The name of the path the dispatcher picks now.
const char* ChosenSimdTargetName();

// While alive, the dispatcher picks only `target`. Not thread-safe: create it
// while no kernel runs.
class ScopedSimdTarget {
public:
    explicit ScopedSimdTarget(const SimdTarget& target);
    ~ScopedSimdTarget();
    ScopedSimdTarget(const ScopedSimdTarget&) = delete;
    ScopedSimdTarget& operator=(const ScopedSimdTarget&) = delete;
};

}  // namespace tremblo
