#include "spectrum/oscillator_peaks.h"

#include <cmath>

#include "spectrum/exact_oscillator.h"
#include "spectrum/sdof_response.h"

namespace tremblo {

namespace {

// A peak replaced only by a strictly greater absolute value.
void KeepPeak(float value, float& peak) {
    const float magnitude = std::fabs(value);
    if (magnitude > peak) peak = magnitude;
}

void KeepPeak(double value, double& peak) {
    const double magnitude = std::fabs(value);
    if (magnitude > peak) peak = magnitude;
}

OscillatorPeaks NewmarkPeaks(int n, float dt, float period, float damping, const float* g, int m) {
    const float dtSub = static_cast<float>(static_cast<double>(dt) / m);
    const SdofConstants k = MakeSdofConstants(dtSub, period, damping);
    SdofState s;
    OscillatorPeaks peaks;
    float previous = 0.0f;
    for (int i = 0; i < n; ++i) {
        for (int step = 1; step <= m; ++step) {
            const float ground = m == 1 ? g[i] : SubStepGroundSingle(previous, g[i], step, m);
            KeepPeak(SdofStep(k, dtSub, ground, s), peaks.absoluteAcc);
            KeepPeak(s.v, peaks.relativeVel);
            KeepPeak(s.x, peaks.relativeDisp);
        }
        previous = g[i];
    }
    return peaks;
}

OscillatorPeaks ExactPeaks(int n, float dt, float period, float damping, const float* g, int m) {
    const ExactCoefficients k = MakeExactCoefficients(static_cast<double>(dt) / m, period, damping);
    ExactState s;
    double acc = 0.0, vel = 0.0, disp = 0.0;
    double previous = 0.0;
    for (int i = 0; i < n; ++i) {
        double from = previous;
        for (int step = 1; step <= m; ++step) {
            const double to = SubStepGround(previous, g[i], step, m);
            ExactStep(k, from, to, s);
            KeepPeak(ExactAbsoluteAcc(k, s), acc);
            KeepPeak(s.v, vel);
            KeepPeak(s.x, disp);
            from = to;
        }
        previous = g[i];
    }
    return {static_cast<float>(acc), static_cast<float>(vel), static_cast<float>(disp)};
}

}  // namespace

OscillatorPeaks ComputeOscillatorPeaks(OscillatorMethod method, int n, float dt, float period,
                                       float damping, const float* groundAcc) {
    const int m = SubStepCount(method, dt, period);
    return method == OscillatorMethod::Exact ? ExactPeaks(n, dt, period, damping, groundAcc, m)
                                             : NewmarkPeaks(n, dt, period, damping, groundAcc, m);
}

}  // namespace tremblo
