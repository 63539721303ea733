#pragma once
// The lanes of one group of oscillators handed to the vector kernel: the
// per-oscillator constants in the form the kernel reads them and the peaks
// it writes. Internal to the fast spectrum computation.

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
    double dt = 0.0;
    double dt2 = 0.0;
};

}  // namespace tremblo
