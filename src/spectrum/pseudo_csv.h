#pragma once
// Pseudo-spectral values for other programs.
//
// NAMEpsa.csv: the spectrum CSV's layout with two blocks a component, "pSA"
// (gal) and "pSV" (kine), values ",%12.4f" (small pseudo values keep their
// digits).
//
// NAMEspectra.csv: one row per component, damping ratio and period,
// "Component,Damping,Period,SA,SV,SD,PSA,PSV", numbers "%.9g" (every float
// read back exactly).
//
// Spectra of the exact oscillator open both files with the comment line of
// OscillatorCommentLine.
#include <string>

#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_source.h"
#include "spectrum/spectrum_table.h"

namespace tremblo {

// The table with SA and SV replaced by PSA and PSV (SD kept).
SpectrumTable PseudoSpectrumTable(const SpectrumTable& spectrum, const PeriodTable& periods);

std::string PseudoCsvText(const SpectrumSource& source, const PeriodTable& periods,
                          const DampingRatios& dampingRatios, const SpectrumTable& spectrum);

std::string SpectraTableCsvText(const SpectrumSource& source, const PeriodTable& periods,
                                const DampingRatios& dampingRatios, const SpectrumTable& spectrum);

}  // namespace tremblo
