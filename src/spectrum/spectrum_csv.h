#pragma once
// The spectrum CSV file: for every component of the record and every
// quantity (SA, SV, SD) a block of 206 lines and three empty lines.
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_source.h"
#include "spectrum/spectrum_table.h"

namespace tremblo {

// The first line of a file written from spectra of the exact oscillator,
// ended by CR LF: "# oscillator: exact (...)"; nothing for the Newmark
// recurrence, whose files read as they always have.
std::string OscillatorCommentLine(OscillatorMethod method);

// The oscillator's comment line when it is not the default, then the blocks.
// Block lines, ended by CR LF: station code; origin date; origin time;
// component label; "SA"/"SV"/"SD"; "Period,Frequency" and ",%.2f" of each
// damping ratio; then per period "%7.3f,%7.3f" of the period and its
// inverse and ",%10.2f" of the five ratios' values. All five ratios are
// written whatever is shown.
void WriteSpectrumCsv(std::ostream& out, const SpectrumSource& source, const PeriodTable& periods,
                      const DampingRatios& dampingRatios, const SpectrumTable& spectrum);

// The blocks of every component of the source, one a symbol: quantity q of
// the table under symbols[q], values ",%<width>.<precision>f".
void WriteSpectrumBlocks(std::ostream& out, const SpectrumSource& source, const PeriodTable& periods,
                         const DampingRatios& dampingRatios, const SpectrumTable& spectrum,
                         std::span<const char* const> symbols, int width, int precision);

// The lines that open a block: station code, origin date, origin time, then
// the component and quantity lines as given.
void WriteSpectrumBlockTitle(std::ostream& out, const SpectrumSource& source, std::string_view component,
                             std::string_view quantity);

// "%7.3f,%7.3f" of a period and its inverse, the start of a block's row.
void AppendPeriodCells(std::string& line, float period);

std::string SpectrumCsvText(const SpectrumSource& source, const PeriodTable& periods,
                            const DampingRatios& dampingRatios, const SpectrumTable& spectrum);

}  // namespace tremblo
