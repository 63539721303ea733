#include "spectrum/spectrum_calculation.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "spectrum/component_spectra.h"
#include "spectrum/sdof_response.h"
#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

void CopySpectrumWindow(const SeismicRecord& record, int c, int n, float* out) {
    const int start = std::max(record.windowStart, 0);
    const int end = std::min(record.sampleCount, record.capacity());
    const int available = std::clamp(end - start, 0, n);
    if (available > 0) {
        const float* samples = record.samples[c].data() + start;
        std::copy(samples, samples + available, out);
    }
    std::fill(out + available, out + n, 0.0f);
}

SpectrumCalculation::SpectrumCalculation() { Reserve(SAMPLE_CAPACITY); }

// The arrays fit `n` samples: at least SAMPLE_CAPACITY, and no more than a
// window of that many needs, so that a long record's memory is given back
// after it.
bool SpectrumCalculation::Reserve(int n) {
    const int wanted = std::max(n, SAMPLE_CAPACITY);
    if (wanted != capacity_) {
        for (auto& array : reference_) array.reset();
        fast_.reset();
        capacity_ = wanted;
    }
    bool ok = true;
    for (auto& array : reference_) {
        if (!array) array.reset(new (std::nothrow) float[static_cast<std::size_t>(capacity_)]());
        ok = ok && array != nullptr;
    }
    if (!fast_ || !fast_->ok()) {
        fast_.reset(new (std::nothrow) FastSpectrumWorkspace(capacity_));
    }
    return ok && fast_ && fast_->ok();
}

CalculationStatus SpectrumCalculation::Run(const SeismicRecord& record, const PeriodTable& periods,
                                           const DampingRatios& dampingRatios,
                                           SpectrumTable& spectrum,
                                           const SpectrumProgressCallback& report,
                                           EnginePath path, int workers, OscillatorMethod method) {
    const int components = std::clamp(record.componentCount, 0, MAX_COMPONENTS);
    const int n = std::clamp(record.windowLength, 0, record.capacity());
    problem_.clear();
    if (auto why = OscillatorInputProblem(record.dt, periods)) {
        problem_ = *why;
        return CalculationStatus::Refused;
    }
    if (!Reserve(n)) return CalculationStatus::OutOfMemory;

    SpectrumProgress progress;
    progress.overallMaximum = DAMPING_COUNT * components;
    progress.periodMaximum = PERIOD_COUNT;
    if (report) report(progress);

    if (path == EnginePath::Fast) {
        for (int c = 0; c < components; ++c) CopySpectrumWindow(record, c, n, fast_->groundAcc(c));
        ComputeSpectraFast(*fast_, components, n, record.dt, periods, dampingRatios, spectrum,
                           progress, report, workers, method);
        return FiniteOrRefused(spectrum, components, periods, dampingRatios);
    }
    float* groundAcc = reference_[0].get();
    const SdofResponse work{reference_[1].get(), reference_[2].get(), reference_[3].get(),
                            reference_[4].get()};
    for (int c = 0; c < components; ++c) {
        CopySpectrumWindow(record, c, n, groundAcc);
        ComputeComponentSpectra(c, n, record.dt, groundAcc, periods, dampingRatios, work, spectrum,
                                progress, report, method);
    }
    return FiniteOrRefused(spectrum, components, periods, dampingRatios);
}

CalculationStatus SpectrumCalculation::FiniteOrRefused(const SpectrumTable& spectrum, int components,
                                                       const PeriodTable& periods,
                                                       const DampingRatios& dampingRatios) {
    if (auto why = NotFiniteProblem(spectrum, components, periods, dampingRatios)) {
        problem_ = *why;
        return CalculationStatus::Refused;
    }
    return CalculationStatus::Done;
}

std::optional<std::string> OscillatorInputProblem(double dt, const PeriodTable& periods) {
    if (auto why = IntervalProblem(dt)) return why;
    for (float period : periods.periods)
        if (auto why = PeriodProblem(period, dt)) return why;
    return std::nullopt;
}

std::optional<std::string> NotFiniteProblem(const SpectrumTable& spectrum, int components,
                                            const PeriodTable& periods, const DampingRatios& dampingRatios) {
    for (int c = 0; c < components; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j)
                    if (!std::isfinite(spectrum.at(c, k, q, j)))
                        return StringPrintf(
                            TrText("spectrum", "第%d成分の周期 %g 秒 (減衰 %g%%) の応答が有限の値になりません").c_str(),
                            c + 1, static_cast<double>(periods.periods[static_cast<size_t>(j)]),
                            100.0 * dampingRatios[k]);
    return std::nullopt;
}

}  // namespace tremblo
