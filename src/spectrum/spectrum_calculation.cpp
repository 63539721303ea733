#include "spectrum/spectrum_calculation.h"

#include <algorithm>
#include <new>

#include "spectrum/component_spectra.h"
#include "spectrum/sdof_response.h"

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
                                           EnginePath path, int workers) {
    const int components = std::clamp(record.componentCount, 0, MAX_COMPONENTS);
    const int n = std::clamp(record.windowLength, 0, record.capacity());
    if (!Reserve(n)) return CalculationStatus::OutOfMemory;

    SpectrumProgress progress;
    progress.overallMaximum = DAMPING_COUNT * components;
    progress.periodMaximum = PERIOD_COUNT;
    if (report) report(progress);

    if (path == EnginePath::Fast) {
        for (int c = 0; c < components; ++c) CopySpectrumWindow(record, c, n, fast_->groundAcc(c));
        ComputeSpectraFast(*fast_, components, n, record.dt, periods, dampingRatios, spectrum,
                           progress, report, workers);
        return CalculationStatus::Done;
    }
    float* groundAcc = reference_[0].get();
    const SdofResponse work{reference_[1].get(), reference_[2].get(), reference_[3].get(),
                            reference_[4].get()};
    for (int c = 0; c < components; ++c) {
        CopySpectrumWindow(record, c, n, groundAcc);
        ComputeComponentSpectra(c, n, record.dt, groundAcc, periods, dampingRatios, work, spectrum,
                                progress, report);
    }
    return CalculationStatus::Done;
}

}  // namespace tremblo
