#include "spectrum/spectrum_intensity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "spectrum/oscillator_method.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_oscillator.h"
#include "spectrum/rotd_reference.h"
#include "spectrum/spectrum_fast.h"

namespace tremblo {

namespace {

constexpr OscillatorMethod kMethod = OscillatorMethod::Exact;

int StepCount(double step) {
    const double band = SI_LONGEST_PERIOD - SI_SHORTEST_PERIOD;
    return std::max(1, static_cast<int>(std::lround(band / step)));
}

// The grid's step as the periods are spread: the band over the step count.
double GridStep(double step) { return (SI_LONGEST_PERIOD - SI_SHORTEST_PERIOD) / StepCount(step); }

std::vector<OscillatorParameters> GridOscillators(double step) {
    std::vector<OscillatorParameters> oscillators;
    for (double period : SpectrumIntensityPeriods(step))
        oscillators.push_back({static_cast<float>(period), SI_DAMPING});
    return oscillators;
}

std::vector<OscillatorPeaks> PlainPeaks(std::span<const float> ground, float dt,
                                        const std::vector<OscillatorParameters>& oscillators) {
    std::vector<OscillatorPeaks> peaks;
    for (const OscillatorParameters& o : oscillators)
        peaks.push_back(
            ComputeOscillatorPeaks(kMethod, static_cast<int>(ground.size()), dt, o.period, o.damping, ground.data()));
    return peaks;
}

// The peaks of each oscillator of the grid along the azimuths (SV) and of
// each component (every quantity).
struct HorizontalPeaks {
    std::vector<std::array<float, ROTD_AZIMUTHS>> along;
    std::vector<OscillatorPeaks> ns, ew;
};

// From the full responses, one oscillator after the other.
HorizontalPeaks PlainHorizontalPeaks(std::span<const float> ns, std::span<const float> ew, float dt,
                                     const std::vector<OscillatorParameters>& oscillators) {
    const int n = static_cast<int>(std::min(ns.size(), ew.size()));
    HorizontalPeaks peaks;
    peaks.ns = PlainPeaks(ns.first(static_cast<std::size_t>(n)), dt, oscillators);
    peaks.ew = PlainPeaks(ew.first(static_cast<std::size_t>(n)), dt, oscillators);
    std::vector<float> responses[2][SPECTRUM_QUANTITIES];
    const float* ground[2] = {ns.data(), ew.data()};
    for (const OscillatorParameters& p : oscillators) {
        const RotDOscillator o = MakeRotDOscillator(kMethod, dt, p.period, p.damping);
        const int steps = RotDStepCount(n, o.substeps);
        for (int c = 0; c < 2; ++c) {
            float* out[SPECTRUM_QUANTITIES];
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                responses[c][q].resize(static_cast<std::size_t>(steps));
                out[q] = responses[c][q].data();
            }
            ComputeRotDResponses(o, n, ground[c], out);
        }
        peaks.along.push_back(AzimuthPeaks(steps, responses[0][SV].data(), responses[1][SV].data()));
    }
    return peaks;
}

HorizontalPeaks FastHorizontalPeaks(std::span<const float> ns, std::span<const float> ew, float dt,
                                    const std::vector<OscillatorParameters>& oscillators, int workers) {
    const int n = static_cast<int>(std::min(ns.size(), ew.size()));
    HorizontalPeaks peaks;
    peaks.along.resize(oscillators.size());
    peaks.ns.resize(oscillators.size());
    peaks.ew.resize(oscillators.size());
    ComputeAzimuthPeaksFast(
        n, dt, ns.data(), ew.data(), oscillators, {false, true, false},
        [&](int index, int, const std::array<float, ROTD_AZIMUTHS>& along) {
            peaks.along[static_cast<std::size_t>(index)] = along;
        },
        workers, kMethod, ROTD_HISTORY_BUDGET,
        [&](int index, const OscillatorPeaks& nsPeaks, const OscillatorPeaks& ewPeaks) {
            peaks.ns[static_cast<std::size_t>(index)] = nsPeaks;
            peaks.ew[static_cast<std::size_t>(index)] = ewPeaks;
        });
    return peaks;
}

// Housner's SI and the SI value from the peaks at the grid's periods.
ComponentSpectrumIntensity IntensityOfPeaks(const std::vector<OscillatorPeaks>& peaks,
                                            const std::vector<OscillatorParameters>& oscillators, double periodStep) {
    std::vector<double> velocity, pseudoVelocity;
    for (std::size_t j = 0; j < peaks.size(); ++j) {
        const double period = oscillators[j].period;
        velocity.push_back(peaks[j].relativeVel);
        pseudoVelocity.push_back(2.0 * std::numbers::pi / period * peaks[j].relativeDisp);
    }
    const double step = GridStep(periodStep);
    return {IntegrateOverPeriods(pseudoVelocity, step), IntegrateOverPeriods(velocity, step) / SI_DIVISOR};
}

}  // namespace

std::vector<double> SpectrumIntensityPeriods(double step) {
    const int count = StepCount(step);
    std::vector<double> periods;
    for (int j = 0; j <= count; ++j)
        periods.push_back(SI_SHORTEST_PERIOD + (SI_LONGEST_PERIOD - SI_SHORTEST_PERIOD) * j / count);
    return periods;
}

double IntegrateOverPeriods(std::span<const double> values, double step) {
    if (values.size() < 2) return 0.0;
    double sum = (values.front() + values.back()) * 0.5;
    for (std::size_t j = 1; j + 1 < values.size(); ++j) sum += values[j];
    return sum * step;
}

std::optional<std::string> SpectrumIntensityProblem(double dt) {
    if (auto why = IntervalProblem(dt)) return why;
    return PeriodProblem(static_cast<float>(SI_SHORTEST_PERIOD), dt);
}

ComponentSpectrumIntensity ComponentSpectrumIntensityOf(std::span<const float> ground, float dt,
                                                        const SpectrumIntensitySettings& settings) {
    const std::vector<OscillatorParameters> oscillators = GridOscillators(settings.periodStep);
    // SV and SD are all the intensities read.
    const std::vector<OscillatorPeaks> peaks =
        settings.path == EnginePath::Fast
            ? ComputeOscillatorListFast(ground, dt, oscillators, kMethod, settings.workers, false)
            : PlainPeaks(ground, dt, oscillators);
    return IntensityOfPeaks(peaks, oscillators, settings.periodStep);
}

HorizontalSpectrumIntensity HorizontalSpectrumIntensityOf(std::span<const float> ns, std::span<const float> ew,
                                                          float dt, const SpectrumIntensitySettings& settings) {
    const std::vector<OscillatorParameters> oscillators = GridOscillators(settings.periodStep);
    const HorizontalPeaks peaks = settings.path == EnginePath::Fast
                                      ? FastHorizontalPeaks(ns, ew, dt, oscillators, settings.workers)
                                      : PlainHorizontalPeaks(ns, ew, dt, oscillators);
    const double step = GridStep(settings.periodStep);
    HorizontalSpectrumIntensity largest;
    std::vector<double> along(peaks.along.size());
    for (int azimuth = 0; azimuth < ROTD_AZIMUTHS; ++azimuth) {
        for (std::size_t j = 0; j < peaks.along.size(); ++j) along[j] = peaks.along[j][static_cast<std::size_t>(azimuth)];
        const double si = IntegrateOverPeriods(along, step) / SI_DIVISOR;
        // The first azimuth of the largest; a NaN never replaces it.
        if (azimuth == 0 || si > largest.si) {
            largest.si = si;
            largest.azimuth = azimuth;
        }
    }
    largest.ns = IntensityOfPeaks(peaks.ns, oscillators, settings.periodStep);
    largest.ew = IntensityOfPeaks(peaks.ew, oscillators, settings.periodStep);
    return largest;
}

}  // namespace tremblo
