#pragma once
// The lanes of one group of oscillators handed to the vector kernel: the
// per-oscillator constants in the form the kernel reads them and the peaks
// it writes. Internal to the fast spectrum computation.

#include "spectrum/exact_oscillator.h"
#include "spectrum/sdof_response.h"

namespace tremblo {

inline constexpr int OSCILLATOR_GROUP = 80;

struct OscillatorGroup {
    double twoHOmega[OSCILLATOR_GROUP];
    double omega2[OSCILLATOR_GROUP];
    float negDen[OSCILLATOR_GROUP];
    // The exact oscillator's coefficients (ExactCoefficients, in its order:
    // a11, a12, a21, a22, b0x, b1x, b0v, b1v, twoHOmega, omega2).
    double exact[10][OSCILLATOR_GROUP];
    float peakAbsAcc[OSCILLATOR_GROUP];
    float peakVel[OSCILLATOR_GROUP];
    float peakDisp[OSCILLATOR_GROUP];
};

// Puts one oscillator's constants into lane `lane` in the kernel's layout:
// the Newmark lanes read twoHOmega, omega2 and negDen, the exact lanes the
// coefficients.
inline void SetGroupLane(OscillatorGroup& group, int lane, const SdofConstants& newmark,
                         const ExactCoefficients& exact) {
    group.twoHOmega[lane] = newmark.twoHOmega;
    group.omega2[lane] = newmark.omega2;
    group.negDen[lane] = -newmark.den;
    const double values[10] = {exact.a11, exact.a12, exact.a21, exact.a22, exact.b0x,
                               exact.b1x, exact.b0v, exact.b1v, exact.twoHOmega, exact.omega2};
    for (int i = 0; i < 10; ++i) group.exact[i][lane] = values[i];
}

// What a group's lanes integrate: the ground acceleration in double and in
// single precision, n samples, each interval cut into `substeps` sub-steps;
// the Newmark lanes step dt (sub-step length) with dt2 its square stored in
// single precision; the exact lanes read their coefficients.
struct GroupInput {
    const double* g = nullptr;
    const float* gf = nullptr;
    int n = 0;
    int substeps = 1;
    bool exact = false;
    bool absoluteAcc = true;  // false: the exact lanes leave peakAbsAcc at 0 and skip its work
    double dt = 0.0;
    double dt2 = 0.0;
};

}  // namespace tremblo
