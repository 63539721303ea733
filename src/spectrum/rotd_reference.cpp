#include "spectrum/rotd_reference.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "spectrum/rotd_oscillator.h"

namespace tremblo {

std::array<float, ROTD_AZIMUTHS> AzimuthPeaks(int n, const float* ns, const float* ew) {
    std::array<float, ROTD_AZIMUTHS> peaks{};
    for (int azimuth = 0; azimuth < ROTD_AZIMUTHS; ++azimuth) {
        const AzimuthDirection d = AzimuthDirectionOf(azimuth);
        float peak = 0.0f;
        for (int i = 0; i < n; ++i) {
            const float value = std::fabs(ResponseAlong(d, ns[i], ew[i]));
            if (value > peak) peak = value;
        }
        peaks[azimuth] = peak;
    }
    return peaks;
}

namespace {

bool Listed(const std::vector<int>* oscillators, int o) {
    return oscillators == nullptr || std::find(oscillators->begin(), oscillators->end(), o) != oscillators->end();
}

}  // namespace

void ComputeRotDReference(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                          const DampingRatios& dampingRatios, RotDTable& table,
                          const std::vector<int>* oscillators, OscillatorMethod method) {
    n = std::max(n, 0);
    // responses[component][quantity]: absolute acceleration, velocity, displacement.
    std::vector<float> responses[2][SPECTRUM_QUANTITIES];
    const float* ground[2] = {ns, ew};
    for (int k = 0; k < DAMPING_COUNT; ++k) {
        for (int j = 0; j < PERIOD_COUNT; ++j) {
            if (!Listed(oscillators, k * PERIOD_COUNT + j)) continue;
            const RotDOscillator o = MakeRotDOscillator(method, dt, periods.periods[j], dampingRatios[k]);
            const int steps = RotDStepCount(n, o.substeps);
            for (int c = 0; c < 2; ++c) {
                float* out[SPECTRUM_QUANTITIES];
                for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                    responses[c][q].resize(static_cast<size_t>(steps));
                    out[q] = responses[c][q].data();
                }
                ComputeRotDResponses(o, n, ground[c], out);
            }
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                table.at(k, q, j) =
                    SummarizeAzimuthPeaks(AzimuthPeaks(steps, responses[0][q].data(), responses[1][q].data()));
        }
    }
}

}  // namespace tremblo
