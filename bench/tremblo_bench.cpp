// Times the scalar reference and the fast path of the two heavy workloads on
// a synthetic three-component record of 70000 samples at 100 Hz: the whole
// spectrum table and the derivation of velocity and displacement. Checks
// that both paths agree bit for bit and prints one line per workload:
//   spectrum reference_s=... fast_s=... ratio=...
//   derivation reference_s=... fast_s=... ratio=...
//   rotd fast_s=... ratio_to_plain_spectrum=... peak_rss_growth_mb=...
//   rotd_exact fast_s=...
//   rotd_summary newmark_ms=... exact_ms=...
// The rotd lines time the RotD50/RotD100 table of the NS and EW components
// (200 periods x 5 ratios x 180 azimuths) against the plain spectrum table,
// then with the exact oscillator; the last one the entries a batch summary
// row takes (SA at 5 % for six periods) over a 50 s window, per record.
// fast_s is the best of several runs (the machine is shared; the median is
// printed on the line before); reference_s is one run.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <vector>

#include "record/seismic_record.h"
#include "synthetic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"
#include "spectrum/rotd_calculation.h"
#include "spectrum/spectrum_calculation.h"
#include "wave/motion_derivation.h"
#include "compute/simd_targets.h"

using namespace tremblo;

namespace {

double Seconds(const std::function<void()>& work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Best(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

long PeakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool SameBits(const float* a, const float* b, int n) { return std::memcmp(a, b, sizeof(float) * n) == 0; }

}  // namespace

int main() {
    auto record = std::make_unique<SeismicRecord>();
    FillSyntheticRecord(*record);
    std::printf("simd path: %s, worker threads: %d\n", ChosenSimdTargetName(),
                static_cast<int>(std::thread::hardware_concurrency()));

    // Spectrum table: 3 components x 5 ratios x 200 periods x 70000 steps.
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    SpectrumCalculation calculation;
    auto reference = std::make_unique<SpectrumTable>();
    auto fast = std::make_unique<SpectrumTable>();
    const double spectrumReference = Seconds([&] {
        calculation.Run(*record, periods, ratios, *reference, {}, EnginePath::Reference);
    });
    std::vector<double> spectrumRuns;
    for (int run = 0; run < 7; ++run) {
        spectrumRuns.push_back(Seconds([&] {
            calculation.Run(*record, periods, ratios, *fast, {}, EnginePath::Fast);
        }));
    }
    const bool spectrumSame = SameBits(reference->values.data(), fast->values.data(),
                                       static_cast<int>(reference->values.size()));

    // Derivation: velocity and displacement of three full components.
    DerivationWorkspace workspace;
    const double derivationReference = Seconds([&] {
        DeriveMotion(*record, true, EnginePath::Reference, workspace);
    });
    std::vector<std::vector<float>> expected;
    for (int c = 0; c < 3; ++c) {
        expected.emplace_back(record->velocity[c].data(), record->velocity[c].data() + SAMPLE_CAPACITY);
        expected.emplace_back(record->displacement[c].data(),
                              record->displacement[c].data() + SAMPLE_CAPACITY);
    }
    std::vector<double> derivationRuns;
    for (int run = 0; run < 25; ++run) {
        derivationRuns.push_back(Seconds([&] {
            DeriveMotion(*record, true, EnginePath::Fast, workspace);
        }));
    }
    bool derivationSame = true;
    for (int c = 0; c < 3; ++c) {
        derivationSame = derivationSame &&
                         SameBits(expected[2 * c].data(), record->velocity[c].data(), SAMPLE_CAPACITY) &&
                         SameBits(expected[2 * c + 1].data(), record->displacement[c].data(), SAMPLE_CAPACITY);
    }

    // RotD: the growth of the peak resident size is the computation's memory.
    record->recordLoaded = true;
    auto rotd = std::make_unique<RotDTable>();
    const long rssBefore = PeakResidentKb();
    std::vector<double> rotdRuns;
    for (int run = 0; run < 3; ++run)
        rotdRuns.push_back(Seconds([&] { ComputeRecordRotD(*record, periods, ratios, *rotd); }));
    const long rssGrowth = PeakResidentKb() - rssBefore;
    std::vector<double> exactRuns;
    for (int run = 0; run < 3; ++run)
        exactRuns.push_back(Seconds([&] {
            ComputeRecordRotD(*record, periods, ratios, *rotd, EnginePath::Fast, 0, RotDSelection::All(),
                              OscillatorMethod::Exact);
        }));

    // The summary's entries over the 50 s window around the strong motion, one worker.
    RotDSelection summary;
    summary.quantities = {true, false, false};
    for (double seconds : {0.1, 0.2, 0.5, 1.0, 2.0, 5.0}) {
        const auto nearest = std::min_element(periods.periods.begin(), periods.periods.end(), [&](float a, float b) {
            return std::fabs(a - seconds) < std::fabs(b - seconds);
        });
        summary.oscillators.push_back(3 * PERIOD_COUNT + static_cast<int>(nearest - periods.periods.begin()));
    }
    record->windowStart = 9500;
    record->windowLength = 5000;
    double summaryMs[2];
    for (OscillatorMethod method : {OscillatorMethod::Newmark, OscillatorMethod::Exact}) {
        std::vector<double> runs;
        for (int run = 0; run < 7; ++run)
            runs.push_back(Seconds([&] {
                for (int record100 = 0; record100 < 100; ++record100)
                    ComputeRecordRotD(*record, periods, ratios, *rotd, EnginePath::Fast, 1, summary, method);
            }));
        summaryMs[method == OscillatorMethod::Exact] = Best(runs) * 10.0;
    }

    std::printf("spectrum results identical: %s\n", spectrumSame ? "yes" : "NO");
    std::printf("derivation results identical: %s\n", derivationSame ? "yes" : "NO");
    std::printf("fast median: spectrum %.3g s, derivation %.3g s\n", Median(spectrumRuns),
                Median(derivationRuns));
    const double spectrumFast = Best(spectrumRuns);
    const double derivationFast = Best(derivationRuns);
    std::printf("spectrum reference_s=%.3g fast_s=%.3g ratio=%.0f\n", spectrumReference,
                spectrumFast, spectrumReference / spectrumFast);
    std::printf("derivation reference_s=%.3g fast_s=%.3g ratio=%.0f\n", derivationReference,
                derivationFast, derivationReference / derivationFast);
    const double rotdFast = Best(rotdRuns);
    std::printf("rotd fast_s=%.3g ratio_to_plain_spectrum=%.1f peak_rss_growth_mb=%.1f\n", rotdFast,
                spectrumReference / rotdFast, rssGrowth / 1024.0);
    std::printf("rotd_exact fast_s=%.3g\n", Best(exactRuns));
    std::printf("rotd_summary newmark_ms=%.3g exact_ms=%.3g\n", summaryMs[0], summaryMs[1]);
    return spectrumSame && derivationSame ? 0 : 1;
}
