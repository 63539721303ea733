#pragma once
// Everything the spectrum window holds for its computation, built once at
// program start: the period tables, the damping ratios and the menu settings
// that change them, the derived point counts, the spectrum table and the
// calculation's work arrays.
#include <memory>
#include <string>

#include "record/seismic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_calculation.h"
#include "spectrum/spectrum_progress.h"
#include "spectrum/spectrum_source.h"
#include "spectrum/spectrum_table.h"
#include "compute/engine_path.h"

namespace tremblo {

class SpectrumModel {
public:
    SpectrumModel();

    const PeriodTable& periods() const { return periods_; }
    const DampingRatios& dampingRatios() const { return dampingRatios_; }
    DampingMultiplier dampingMultiplier() const { return multiplier_; }
    const LinearPeriodAxis& linearPeriodAxis() const { return linearAxis_; }
    int linearPeriodCount() const { return linearPeriodCount_; }
    int linearFrequencyCount() const { return linearFrequencyCount_; }
    const SpectrumTable& spectrum() const { return *spectrum_; }
    // The record texts of the last calculation (defaults before any).
    const SpectrumSource& source() const { return source_; }
    // A calculation has filled the table.
    bool hasSpectra() const { return hasSpectra_; }

    // Forgets the table: after another record is loaded no view may show
    // spectra of the one before under the new record's labels.
    void ForgetSpectra() { hasSpectra_ = false; }
    // Replaces the damping ratios (the caller then recalculates).
    void SetDampingMultiplier(DampingMultiplier multiplier);
    // The oscillator of the next calculations (the table keeps the method
    // that made it: source().method).
    OscillatorMethod oscillatorMethod() const { return method_; }
    void SetOscillatorMethod(OscillatorMethod method) { method_ = method; }
    // Why the last calculation was refused (CalculationStatus::Refused).
    const std::string& problem() const { return calculation_.problem(); }
    // Sets the longest period of a linear axis and its point count.
    void SetLinearPeriodRange(LinearPeriodRange range);

    // The calculation run on the record's displayed window; the table and
    // the source are unchanged when the work arrays cannot be allocated, and
    // a refused calculation leaves no spectra to show (hasSpectra false).
    // workers <= 0: all cores.
    CalculationStatus Calculate(const SeismicRecord& record,
                                const SpectrumProgressCallback& report = {},
                                EnginePath path = EnginePath::Fast, int workers = 0);

private:
    PeriodTable periods_;
    DampingMultiplier multiplier_ = DampingMultiplier::Times1;
    DampingRatios dampingRatios_;
    LinearPeriodAxis linearAxis_;
    int linearPeriodCount_ = 0;
    int linearFrequencyCount_ = 0;
    std::unique_ptr<SpectrumTable> spectrum_;
    SpectrumSource source_;
    bool hasSpectra_ = false;
    OscillatorMethod method_ = OscillatorMethod::Newmark;
    SpectrumCalculation calculation_;
};

}  // namespace tremblo
