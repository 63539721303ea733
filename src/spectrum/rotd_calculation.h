#pragma once
// The orientation-independent spectra of a loaded record: its NS and EW
// components (the first two of a three-component record) over the spectrum
// window, with the spectrum table's periods and damping ratios and the
// oscillator of the spectra.
#include <optional>
#include <string>

#include "compute/engine_path.h"
#include "record/seismic_record.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_table.h"
#include "spectrum/spectrum_calculation.h"

namespace tremblo {

// Why the record has no such spectra, in the program's words; nothing when it has.
std::optional<std::string> RotDUnavailable(const SeismicRecord& record);

// How a calculation ended: Done, OutOfMemory, or Refused with the reason in
// the program's words (a record without two horizontal components, an
// interval or period the oscillator cannot take, a value that is not a
// finite number).
struct RotDStatus {
    CalculationStatus status = CalculationStatus::Done;
    std::string problem;
    bool done() const { return status == CalculationStatus::Done; }
};

// Fills the table (the selected entries on the fast path, every entry on
// the reference path); unless done, the table is unchanged. workers <= 0
// means all cores (fast path only).
RotDStatus ComputeRecordRotD(const SeismicRecord& record, const PeriodTable& periods,
                             const DampingRatios& dampingRatios, RotDTable& table,
                             EnginePath path = EnginePath::Fast, int workers = 0,
                             const RotDSelection& selection = RotDSelection::All(),
                             OscillatorMethod method = OscillatorMethod::Newmark);

}  // namespace tremblo
