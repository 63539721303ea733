// Times the two oscillators on the benchmarks' record (3 components x 5
// ratios x 200 periods x 70000 samples at 100 Hz) and on the same record
// kept every fourth sample (25 Hz, 17500 samples: sub-steps at the short
// periods), all in one run, fast path, all cores:
//   exact_vs_newmark newmark_s=... exact_s=... ratio=...
//   rate_25hz_vs_100hz method=newmark s_100hz=... s_25hz=... ratio=...
//   rate_25hz_vs_100hz method=exact s_100hz=... s_25hz=... ratio=...
// Each time is the best of five runs (the machine is shared).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "compute/simd_targets.h"
#include "spectrum/spectrum_calculation.h"
#include "synthetic_record.h"

using namespace tremblo;

namespace {

double BestSeconds(SpectrumCalculation& calculation, const SeismicRecord& record, OscillatorMethod method) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    auto table = std::make_unique<SpectrumTable>();
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        if (calculation.Run(record, periods, ratios, *table, {}, EnginePath::Fast, 0, method) !=
            CalculationStatus::Done) {
            std::printf("calculation failed: %s\n", calculation.problem().c_str());
            return 0;
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    return best;
}

std::unique_ptr<SeismicRecord> EveryFourthSample(const SeismicRecord& full) {
    auto record = std::make_unique<SeismicRecord>();
    const int n = full.sampleCount / 4;
    record->componentCount = full.componentCount;
    record->sampleCount = n;
    record->samplingFrequency = 25;
    record->dt = 0.04f;
    for (int c = 0; c < full.componentCount; ++c)
        for (int i = 0; i < n; ++i) record->samples[c][i] = full.samples[c][4 * i];
    record->windowStart = 0;
    record->windowLength = n;
    return record;
}

}  // namespace

int main() {
    auto record = std::make_unique<SeismicRecord>();
    FillSyntheticRecord(*record);
    const auto coarse = EveryFourthSample(*record);
    std::printf("simd path: %s\n", ChosenSimdTargetName());
    SpectrumCalculation calculation;
    const double newmark = BestSeconds(calculation, *record, OscillatorMethod::Newmark);
    const double exact = BestSeconds(calculation, *record, OscillatorMethod::Exact);
    std::printf("exact_vs_newmark newmark_s=%.3g exact_s=%.3g ratio=%.2f\n", newmark, exact, exact / newmark);
    for (auto method : {OscillatorMethod::Newmark, OscillatorMethod::Exact}) {
        const double full = method == OscillatorMethod::Newmark ? newmark : exact;
        const double quarter = BestSeconds(calculation, *coarse, method);
        std::printf("rate_25hz_vs_100hz method=%s s_100hz=%.3g s_25hz=%.3g ratio=%.2f\n", OscillatorMethodName(method),
                    full, quarter, quarter / full);
    }
    return 0;
}
