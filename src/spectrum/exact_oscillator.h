#pragma once
// The exact step of the damped oscillator x'' + 2 h w x' + w^2 x = -g under
// a ground acceleration g linear over the step (the recurrence of Nigam and
// Jennings, 1969): the state after the step is a fixed linear combination of
// the state before it and the ground acceleration at the step's two ends.
// The coefficients come from the matrix exponential of the oscillator's
// equations, so they hold for any damping ratio from 0 to 1 and beyond.
// The state is carried in double precision.

namespace tremblo {

struct ExactCoefficients {
    double a11 = 1, a12 = 0, a21 = 0, a22 = 1;  // state to state
    double b0x = 0, b1x = 0;  // ground acceleration at the step's start and end, to displacement
    double b0v = 0, b1v = 0;  // the same, to velocity
    double twoHOmega = 0;     // 2 h w, for the absolute acceleration
    double omega2 = 0;        // w^2
};

// For a step of `dt` seconds and the oscillator of `period` (s) and damping
// ratio `damping`; w = 2 pi / period.
ExactCoefficients MakeExactCoefficients(double dt, double period, double damping);

struct ExactState {
    double x = 0.0;  // relative displacement
    double v = 0.0;  // relative velocity
};

// One step from ground acceleration g0 to g1. The vector kernels evaluate
// the same expressions in the same order.
inline void ExactStep(const ExactCoefficients& k, double g0, double g1, ExactState& s) {
    const double x = (k.a11 * s.x + k.a12 * s.v) + (k.b0x * g0 + k.b1x * g1);
    const double v = (k.a21 * s.x + k.a22 * s.v) + (k.b0v * g0 + k.b1v * g1);
    s.x = x;
    s.v = v;
}

// |absolute acceleration| = |x'' + g| = |2 h w v + w^2 x|.
inline double ExactAbsoluteAcc(const ExactCoefficients& k, const ExactState& s) {
    const double a = k.twoHOmega * s.v + k.omega2 * s.x;
    return a < 0 ? -a : a;
}

}  // namespace tremblo
