#pragma once
// The damped single-degree-of-freedom oscillator x'' + 2 h w x' + w^2 x = -g,
// integrated by the linear-acceleration method (Newmark, beta 1/6, gamma 1/2)
// from rest. Every step's expressions are evaluated in double from the
// single-precision values and each quantity is rounded to single precision
// when stored; 1/3 and 1/6 are double constants.

namespace tremblo {

inline constexpr double TWO_PI = 6.283185307179586;

// The per-oscillator values that stay constant over the steps.
struct SdofConstants {
    float omega = 0.0f;        // 2 pi / T
    float omega2 = 0.0f;       // omega * omega
    float dt2 = 0.0f;          // dt * dt
    double twoHOmega = 0.0;    // 2 * h * omega, kept in double
    float den = 0.0f;          // h*omega*dt + 1 + omega2*dt2/6
};

SdofConstants MakeSdofConstants(float dt, float period, float damping);

// The oscillator's state between steps: relative acceleration, velocity and
// displacement, as stored in single precision.
struct SdofState {
    float a = 0.0f;
    float v = 0.0f;
    float x = 0.0f;
};

// One step of the recurrence under ground acceleration g; returns the
// absolute acceleration a + g stored in single precision.
inline float SdofStep(const SdofConstants& k, float dt, double g, SdofState& s) {
    const float vp = static_cast<float>(static_cast<double>(s.a) * dt * 0.5 + s.v);
    const float xp = static_cast<float>(static_cast<double>(s.v) * dt + s.x +
                                        static_cast<double>(s.a) * k.dt2 * (1.0 / 3.0));
    const float num = static_cast<float>(k.twoHOmega * vp + static_cast<double>(k.omega2) * xp + g);
    s.a = static_cast<float>(-static_cast<double>(num) / k.den);
    s.v = static_cast<float>(static_cast<double>(s.a) * dt * 0.5 + vp);
    s.x = static_cast<float>(static_cast<double>(s.a) * k.dt2 * (1.0 / 6.0) + xp);
    return static_cast<float>(static_cast<double>(s.a) + g);
}

// Output arrays of one integration, n entries each.
struct SdofResponse {
    float* relativeAcc;
    float* absoluteAcc;
    float* relativeVel;
    float* relativeDisp;
};

// The reference: integrates the oscillator of `period` (s) and damping
// ratio `damping` over groundAcc[0 .. n-1] with time step dt (s) and writes
// entries 0 .. n-1 of every output array.
void ComputeSdofResponse(int n, float dt, float period, float damping, const float* groundAcc,
                         const SdofResponse& out);

}  // namespace tremblo
