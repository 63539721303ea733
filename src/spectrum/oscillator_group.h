#pragma once
// The lanes of one group of oscillators handed to the vector kernel: the
// per-oscillator constants in the form the kernel reads them and the peaks
// it writes. Internal to the fast spectrum computation.

namespace tremblo {

inline constexpr int OSCILLATOR_GROUP = 40;

struct OscillatorGroup {
    double twoHOmega[OSCILLATOR_GROUP];
    double omega2[OSCILLATOR_GROUP];
    float negDen[OSCILLATOR_GROUP];
    float peakAbsAcc[OSCILLATOR_GROUP];
    float peakVel[OSCILLATOR_GROUP];
    float peakDisp[OSCILLATOR_GROUP];
};

}  // namespace tremblo
