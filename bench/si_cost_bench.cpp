// What the spectrum intensities of --measures cost per record on one core:
// the oscillators alone (each component's SV and SD peaks on the whole
// record at every period of the grid, no azimuth search: no computation of
// these values can do less) and the values as the measures compute them
// (the horizontal SI value with its azimuth search and both horizontals'
// own values, then the vertical's). Records of 60 and 300 s at 100 Hz, a
// wave packet with noise; best of ROUNDS.
//   cmake --build build --target si_cost_bench && build/bench/si_cost_bench [ROUNDS]
// Set the figures beside the time per record of `tremblo-batch --summary
// --rotd` (bench/measures_throughput.sh prints it for records of the same
// length) to see how much of its time they must add.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "spectrum/spectrum_fast.h"
#include "spectrum/spectrum_intensity.h"

namespace tremblo {
namespace {

std::vector<float> Component(int n, int c) {
    std::vector<float> g(static_cast<std::size_t>(n));
    unsigned state = 977u + static_cast<unsigned>(c);
    for (int i = 0; i < n; ++i) {
        state = state * 1664525u + 1013904223u;
        const double t = i * 0.01;
        const double envelope = t / 15.0 * std::exp(1.0 - t / 15.0);
        const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
        g[static_cast<std::size_t>(i)] = static_cast<float>(
            envelope * (150.0 * std::sin(2.0 * M_PI * (0.7 + 0.4 * c) * t) + 200.0 * noise));
    }
    return g;
}

// The best time of `rounds` calls of `work`, in milliseconds.
double BestMs(int rounds, const std::function<void()>& work) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace
}  // namespace tremblo

int main(int argc, char** argv) {
    using namespace tremblo;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const float dt = 0.01f;
    std::vector<OscillatorParameters> grid;
    for (double period : SpectrumIntensityPeriods(SI_PERIOD_STEP)) grid.push_back({static_cast<float>(period), SI_DAMPING});
    std::printf("%zu periods, 3 components, one core, best of %d\n", grid.size(), rounds);
    for (int seconds : {60, 300}) {
        const int n = seconds * 100;
        const std::vector<float> ns = Component(n, 0), ew = Component(n, 1), ud = Component(n, 2);
        double sink = 0.0;
        const double alone = BestMs(rounds, [&] {
            for (const std::vector<float>* g : {&ns, &ew, &ud})
                sink += ComputeOscillatorListFast(*g, dt, grid, OscillatorMethod::Exact, 1, false).back().relativeVel;
        });
        SpectrumIntensitySettings settings;
        settings.workers = 1;
        const double measured = BestMs(rounds, [&] {
            sink += HorizontalSpectrumIntensityOf(ns, ew, dt, settings).si;
            sink += ComponentSpectrumIntensityOf(ud, dt, settings).si;
        });
        std::printf("%3d s: oscillators alone %7.2f ms, spectrum intensities %7.2f ms per record (%g)\n", seconds, alone,
                    measured, sink);
    }
    return 0;
}
