#include "spectrum/rotd_reference.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "spectrum/sdof_response.h"

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

void ComputeRotDReference(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                          const DampingRatios& dampingRatios, RotDTable& table,
                          const std::vector<int>* oscillators) {
    // responses[component][quantity]: absolute acceleration, velocity, displacement.
    std::vector<float> responses[2][SPECTRUM_QUANTITIES];
    std::vector<float> relativeAcc(static_cast<size_t>(n));
    for (auto& component : responses)
        for (auto& quantity : component) quantity.resize(static_cast<size_t>(n));
    const float* ground[2] = {ns, ew};
    for (int k = 0; k < DAMPING_COUNT; ++k) {
        for (int j = 0; j < PERIOD_COUNT; ++j) {
            if (oscillators != nullptr &&
                std::find(oscillators->begin(), oscillators->end(), k * PERIOD_COUNT + j) == oscillators->end())
                continue;
            for (int c = 0; c < 2; ++c) {
                auto& r = responses[c];
                ComputeSdofResponse(n, dt, periods.periods[j], dampingRatios[k], ground[c],
                                    SdofResponse{relativeAcc.data(), r[SA].data(), r[SV].data(), r[SD].data()});
            }
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                table.at(k, q, j) =
                    SummarizeAzimuthPeaks(AzimuthPeaks(n, responses[0][q].data(), responses[1][q].data()));
        }
    }
}

}  // namespace tremblo
