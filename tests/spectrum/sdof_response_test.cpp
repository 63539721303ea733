// The reference oscillator against its steps written out, its first step
// and closed forms.
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

// The linear-acceleration steps written out in long double, every named
// quantity rounded to single precision where it is stored; 2 h w and the
// constants 1/3 and 1/6 are never rounded to single precision.
TEST(SdofResponse, EveryStepRoundsOnlyTheStoredQuantities) {
    const struct { float period, h, dt; } cases[] = {
        {0.5f, 0.05f, 0.01f}, {2.0f, 0.1f, 0.005f}, {0.1f, 0.02f, 0.01f}, {9.738561f, 0.01f, 0.02f}};
    const int n = 1500;
    std::vector<float> ground(n);
    for (int i = 0; i < n; ++i)
        ground[i] = static_cast<float>(80.0 * std::sin(0.037 * i) * std::exp(-0.002 * i) +
                                       13.0 * std::sin(1.3 * i * i));
    for (const auto& c : cases) {
        Response r(n);
        ComputeSdofResponse(n, c.dt, c.period, c.h, ground.data(), r.arrays());
        using L = long double;
        auto f = [](L value) { return static_cast<float>(value); };
        const float w = f(static_cast<L>(6.283185307179586) / c.period);
        const float w2 = f(static_cast<L>(w) * w), dt2 = f(static_cast<L>(c.dt) * c.dt);
        const L twoHW = 2 * static_cast<L>(c.h) * w;
        const float den = f(static_cast<L>(c.h) * w * c.dt + 1 + static_cast<L>(w2) * dt2 / 6);
        float a = 0, v = 0, x = 0;
        for (int i = 0; i < n; ++i) {
            const float vp = f(static_cast<L>(a) * c.dt * 0.5L + v);
            const float xp = f(static_cast<L>(v) * c.dt + x + static_cast<L>(a) * dt2 / 3);
            const float num = f(twoHW * vp + static_cast<L>(w2) * xp + ground[i]);
            a = f(-static_cast<L>(num) / den);
            const float absolute = f(static_cast<L>(a) + ground[i]);
            v = f(static_cast<L>(a) * c.dt * 0.5L + vp);
            x = f(static_cast<L>(a) * dt2 / 6 + xp);
            ASSERT_TRUE(r.relAcc[i] == a && r.absAcc[i] == absolute && r.vel[i] == v && r.disp[i] == x)
                << "T " << c.period << " h " << c.h << " step " << i << ": " << r.relAcc[i] << " "
                << r.absAcc[i] << " " << r.vel[i] << " " << r.disp[i] << " vs " << a << " " << absolute
                << " " << v << " " << x;
        }
    }
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
