#pragma once
// The waveform CSV file: the shown window of one quantity of every component.
#include <ostream>
#include <string>

#include "record/seismic_record.h"
#include "wave/waveform_preparation.h"

namespace tremblo {

// Writes, lines ended by CR LF: the component labels; the sampling frequency
// followed by a comma; station code, origin date and origin time; the unit of
// `quantity` once per component; then windowLength lines of "%10.3f" values
// joined by commas. Acceleration comes from samples[c][windowStart + j],
// velocity and displacement from index j of the derived traces.
void WriteWaveformCsv(std::ostream& out, const SeismicRecord& record, WaveQuantity quantity);

std::string WaveformCsvText(const SeismicRecord& record, WaveQuantity quantity);

}  // namespace tremblo
