#pragma once
// The calculation run of the spectrum window: the displayed window of every
// component of the record through all damping ratios and periods, into the
// spectrum table, with progress for the window's two bars. The work arrays
// are allocated for SAMPLE_CAPACITY samples and fitted to longer windows.
#include <memory>

#include "record/seismic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_fast.h"
#include "spectrum/spectrum_progress.h"
#include "spectrum/spectrum_table.h"
#include "compute/engine_path.h"

namespace tremblo {

enum class CalculationStatus {
    Done,
    OutOfMemory,  // the work arrays could not be allocated; the table is unchanged
};

// Copies samples windowStart .. windowStart + n - 1 of component c to out;
// samples at or past sampleCount count as zero.
void CopySpectrumWindow(const SeismicRecord& record, int c, int n, float* out);

class SpectrumCalculation {
public:
    // Tries to allocate the work arrays; a failure is reported by Run.
    SpectrumCalculation();

    // Allocates what is still missing for windows of `n` samples; false
    // when memory is short.
    bool Reserve(int n);

    // For c < componentCount: the samples windowStart .. windowStart +
    // windowLength - 1 of component c (samples at or past sampleCount count
    // as zero) become the ground acceleration, and spectrum[c] is
    // overwritten for all five ratios; entries of other components keep
    // their values. A window length of zero or less gives zeros. The
    // progress bars start at overall 0 of 5 x componentCount and periods of
    // 200. workers <= 0 means all cores (fast path only).
    CalculationStatus Run(const SeismicRecord& record, const PeriodTable& periods,
                          const DampingRatios& dampingRatios, SpectrumTable& spectrum,
                          const SpectrumProgressCallback& report = {},
                          EnginePath path = EnginePath::Fast, int workers = 0);

private:
    // The reference path's arrays: groundAcc, relativeAcc, absoluteAcc,
    // relativeVel, relativeDisp.
    std::unique_ptr<float[]> reference_[5];
    std::unique_ptr<FastSpectrumWorkspace> fast_;
    int capacity_ = 0;
};

}  // namespace tremblo
