#pragma once
// The plain computation of one oscillator's peaks by either method, which
// reads like its definition: the ground acceleration taken as linear
// between samples, zero one interval before the first, and stepped at the
// method's sub-steps; the peaks are the largest absolute values at every
// sub-step. The vector kernels give the same peaks bit for bit.
#include "spectrum/oscillator_method.h"

namespace tremblo {

// An oscillator by its natural period (s) and damping ratio.
struct OscillatorParameters {
    float period = 1.0f;
    float damping = 0.05f;
};

struct OscillatorPeaks {
    float absoluteAcc = 0.0f;  // SA, gal
    float relativeVel = 0.0f;  // SV, kine
    float relativeDisp = 0.0f; // SD, cm
};

// The ground acceleration at sub-step s (1 .. m) of the interval from
// `previous` to `current`; sub-step m is `current` itself.
inline double SubStepGround(double previous, double current, int s, int m) {
    return s == m ? current : previous + (current - previous) * (static_cast<double>(s) / m);
}

// Sub-steps of the Newmark recurrence keep their ground acceleration in
// single precision, as the recurrence keeps every value it stores.
inline float SubStepGroundSingle(float previous, float current, int s, int m) {
    return static_cast<float>(SubStepGround(previous, current, s, m));
}

// The peaks of the oscillator (period s, damping ratio) under
// groundAcc[0 .. n-1] sampled every dt seconds. With the Newmark method and
// one sub-step this is the plain recurrence, and the peaks are those of
// FindPeak over its stored responses.
OscillatorPeaks ComputeOscillatorPeaks(OscillatorMethod method, int n, float dt, float period,
                                       float damping, const float* groundAcc);

}  // namespace tremblo
