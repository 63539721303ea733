#include "spectrum/spectrum_calculation.h"

#include <algorithm>
#include <new>

#include "spectrum/component_spectra.h"
#include "spectrum/sdof_response.h"

namespace tremblo {

void CopySpectrumWindow(const SeismicRecord& record, int c, int n, float* out) {
    const int start = std::max(record.windowStart, 0);
    const int end = std::min(record.sampleCount, SAMPLE_CAPACITY);
    const int available = std::clamp(end - start, 0, n);
    if (available > 0) {
        const float* samples = record.samples[c].data() + start;
        std::copy(samples, samples + available, out);
    }
    std::fill(out + available, out + n, 0.0f);
}

SpectrumCalculation::SpectrumCalculation() { Reserve(); }

bool SpectrumCalculation::Reserve() {
    bool ok = true;
    for (auto& array : reference_) {
        if (!array) array.reset(new (std::nothrow) float[SAMPLE_CAPACITY]());
        ok = ok && array != nullptr;
    }
    if (!fast_ || !fast_->ok()) {
        fast_.reset(new (std::nothrow) FastSpectrumWorkspace(SAMPLE_CAPACITY));
    }
    return ok && fast_ && fast_->ok();
}

CalculationStatus SpectrumCalculation::Run(const SeismicRecord& record, const PeriodTable& periods,
                                           const DampingRatios& dampingRatios,
                                           SpectrumTable& spectrum,
                                           const SpectrumProgressCallback& report,
                                           EnginePath path, int workers) {
    if (!Reserve()) return CalculationStatus::OutOfMemory;
    const int components = std::clamp(record.componentCount, 0, MAX_COMPONENTS);
    const int n = std::clamp(record.windowLength, 0, SAMPLE_CAPACITY);

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
