#pragma once
// The RotD CSV file: for each quantity (SA, SV, SD) a block in the layout of
// the spectrum CSV: station code; origin date; origin time; the components
// combined ("NS-EW", from the record's labels); "SA"/"SV"/"SD" with
// "RotD"; a header line "Period,Frequency", then "RotD50 h", "RotD100 h" and
// "Azimuth100 h" for each damping ratio h ("%.2f"); then per period
// "%7.3f,%7.3f" of the period and its inverse, ",%10.2f" of the five RotD50
// and five RotD100 values and ",%3d" of the five azimuths (degrees, north =
// 0, east = 90); three empty lines after each block. Lines end with CR LF.
#include <ostream>
#include <string>

#include "spectrum/rotd_table.h"
#include "spectrum/spectrum_source.h"

namespace tremblo {

void WriteRotDCsv(std::ostream& out, const SpectrumSource& source, const PeriodTable& periods,
                  const DampingRatios& dampingRatios, const RotDTable& table);

// The file's text; RotD values of the exact oscillator open it with the
// comment line of OscillatorCommentLine.
std::string RotDCsvText(const SpectrumSource& source, const PeriodTable& periods,
                        const DampingRatios& dampingRatios, const RotDTable& table,
                        OscillatorMethod method = OscillatorMethod::Newmark);

}  // namespace tremblo
