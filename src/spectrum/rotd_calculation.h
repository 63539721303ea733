#pragma once
// The orientation-independent spectra of a loaded record: its NS and EW
// components (the first two of a three-component record) over the spectrum
// window, with the spectrum table's periods and damping ratios.
#include <optional>
#include <string>

#include "compute/engine_path.h"
#include "record/seismic_record.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

// Why the record has no such spectra, in the program's words; nothing when it has.
std::optional<std::string> RotDUnavailable(const SeismicRecord& record);

// Fills the table (the selected entries on the fast path, every entry on
// the reference path); false (table unchanged) when the record has none or
// memory is short. workers <= 0 means all cores (fast path only).
bool ComputeRecordRotD(const SeismicRecord& record, const PeriodTable& periods,
                       const DampingRatios& dampingRatios, RotDTable& table,
                       EnginePath path = EnginePath::Fast, int workers = 0,
                       const RotDSelection& selection = RotDSelection::All());

}  // namespace tremblo
