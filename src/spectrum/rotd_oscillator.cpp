#include "spectrum/rotd_oscillator.h"

#include <climits>
#include <new>

#include "spectrum/exact_coefficient_cache.h"

namespace tremblo {

RotDOscillator MakeRotDOscillator(OscillatorMethod method, float dt, float period, float damping) {
    RotDOscillator o;
    o.method = method;
    o.substeps = SubStepCount(method, dt, period);
    if (method == OscillatorMethod::Exact) {
        o.exact = CachedExactCoefficients(static_cast<double>(dt) / o.substeps, period, damping);
    } else {
        o.dtSub = static_cast<float>(static_cast<double>(dt) / o.substeps);
        o.newmark = MakeSdofConstants(o.dtSub, period, damping);
    }
    return o;
}

int RotDStepCount(int n, int substeps) {
    const long long steps = static_cast<long long>(n) * substeps;
    if (steps > INT_MAX) throw std::bad_alloc();
    return static_cast<int>(steps);
}

void ComputeRotDResponses(const RotDOscillator& o, int n, const float* ground, float* const out[SPECTRUM_QUANTITIES]) {
    const int steps = RotDStepCount(n, o.substeps);
    const SubStepGrounds grounds(ground, o.substeps);
    RotDState state;
    float values[SPECTRUM_QUANTITIES];
    for (int k = 0; k < steps; ++k) {
        StepRotD(o, grounds, k, state, values);
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) out[q][k] = values[q];
    }
}

}  // namespace tremblo
