// The reference oscillator against its first step and closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "spectrum/sdof_response.h"
#include "wave/trace_peak.h"

namespace tremblo {
namespace {

struct Response {
    explicit Response(int n) : relAcc(n), absAcc(n), vel(n), disp(n) {}
    SdofResponse arrays() { return {relAcc.data(), absAcc.data(), vel.data(), disp.data()}; }
    std::vector<float> relAcc, absAcc, vel, disp;
};

TEST(SdofResponse, UnitImpulseFirstStep) {
    const float dt = 0.01f, period = 0.5f, h = 0.05f;
    std::vector<float> ground(4, 0.0f);
    ground[0] = 1.0f;
    Response r(4);
    ComputeSdofResponse(4, dt, period, h, ground.data(), r.arrays());
    const double w = 2.0 * M_PI / period;
    const double den = h * w * dt + 1.0 + w * w * dt * dt / 6.0;
    EXPECT_NEAR(r.relAcc[0], -1.0 / den, 1e-6);
    EXPECT_NEAR(r.absAcc[0], 1.0 - 1.0 / den, 1e-6);
    EXPECT_NEAR(r.vel[0], -0.5 * dt / den, 1e-8);
    EXPECT_NEAR(r.disp[0], -dt * dt / (6.0 * den), 1e-10);
    EXPECT_EQ(r.absAcc[0], r.relAcc[0] + ground[0]);
}

TEST(SdofResponse, RestStaysAtRest) {
    std::vector<float> ground(500, 0.0f);
    Response r(500);
    ComputeSdofResponse(500, 0.01f, 1.0f, 0.02f, ground.data(), r.arrays());
    EXPECT_EQ(FindPeak(500, r.absAcc.data()).value, 0.0f);
    EXPECT_EQ(FindPeak(500, r.vel.data()).value, 0.0f);
    EXPECT_EQ(FindPeak(500, r.disp.data()).value, 0.0f);
}

TEST(SdofResponse, UndampedResonanceGrowsLinearly) {
    // x'' + w^2 x = -A sin(w t): x = A/(2w) t cos(w t) - A/(2w^2) sin(w t),
    // so the envelope of the displacement grows as A t / (2 w).
    const float dt = 0.005f, period = 1.0f;
    const double w = 2.0 * M_PI / period, amplitude = 10.0;
    const int n = 4000;  // 20 s
    std::vector<float> ground(n);
    for (int i = 0; i < n; ++i) ground[i] = static_cast<float>(amplitude * std::sin(w * i * dt));
    Response r(n);
    ComputeSdofResponse(n, dt, period, 0.0f, ground.data(), r.arrays());
    for (int seconds : {5, 10, 20}) {
        const int m = static_cast<int>(seconds / dt);
        const double envelope = amplitude * seconds / (2.0 * w);
        EXPECT_NEAR(FindPeak(m, r.disp.data()).value, envelope, 0.03 * envelope) << seconds;
        // The velocity -A t/2 sin(w t) last peaked a quarter period earlier.
        const double velocity = amplitude * (seconds - period / 4.0) / 2.0;
        EXPECT_NEAR(FindPeak(m, r.vel.data()).value, velocity, 0.03 * velocity) << seconds;
    }
}

TEST(SdofResponse, DampedResonanceSettlesAtTheSteadyAmplitude) {
    // Steady state at resonance: |x| = A / (2 h w^2).
    const float dt = 0.01f, period = 0.5f, h = 0.05f;
    const double w = 2.0 * M_PI / period, amplitude = 100.0;
    const int n = 6000;  // 60 s, about 19 time constants
    std::vector<float> ground(n);
    for (int i = 0; i < n; ++i) ground[i] = static_cast<float>(amplitude * std::sin(w * i * dt));
    Response r(n);
    ComputeSdofResponse(n, dt, period, h, ground.data(), r.arrays());
    const double steady = amplitude / (2.0 * h * w * w);
    const int tail = n - 500;
    EXPECT_NEAR(FindPeak(500, r.disp.data() + tail).value, steady, 0.03 * steady);
}

}  // namespace
}  // namespace tremblo
