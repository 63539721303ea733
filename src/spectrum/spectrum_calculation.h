#pragma once
// The calculation run of the spectrum window: the displayed window of every
// component of the record through all damping ratios and periods, into the
// spectrum table, with progress for the window's two bars. The work arrays
// are allocated for SAMPLE_CAPACITY samples and fitted to longer windows.
#include <memory>
#include <optional>
#include <string>

#include "record/seismic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_fast.h"
#include "spectrum/spectrum_progress.h"
#include "spectrum/spectrum_table.h"
#include "compute/engine_path.h"

namespace tremblo {

enum class CalculationStatus {
    Done,
    OutOfMemory,  // the work arrays could not be allocated; the table is unchanged
    Refused,      // the interval, a period or a result is unusable: see problem()
};

// Copies samples windowStart .. windowStart + n - 1 of component c to out;
// samples at or past sampleCount count as zero.
void CopySpectrumWindow(const SeismicRecord& record, int c, int n, float* out);

// Why the oscillators cannot run at interval dt over the periods (nothing
// when they can).
std::optional<std::string> OscillatorInputProblem(double dt, const PeriodTable& periods);

// The first entry of components 0 .. components-1 that is not a finite
// number, named by component, period and damping ratio.
std::optional<std::string> NotFiniteProblem(const SpectrumTable& spectrum, int components,
                                            const PeriodTable& periods, const DampingRatios& dampingRatios);

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
                          EnginePath path = EnginePath::Fast, int workers = 0,
                          OscillatorMethod method = OscillatorMethod::Newmark);

    // Why the last run was refused, in the program's words: the interval or
    // a period the oscillator cannot take (the table unchanged), or the
    // first period whose response is not a finite number (the table then
    // holds the run's values, which no view may show).
    const std::string& problem() const { return problem_; }

private:
    CalculationStatus FiniteOrRefused(const SpectrumTable& spectrum, int components, const PeriodTable& periods,
                                      const DampingRatios& dampingRatios);
    std::string problem_;
    // The reference path's arrays: groundAcc, relativeAcc, absoluteAcc,
    // relativeVel, relativeDisp.
    std::unique_ptr<float[]> reference_[5];
    std::unique_ptr<FastSpectrumWorkspace> fast_;
    int capacity_ = 0;
};

}  // namespace tremblo
