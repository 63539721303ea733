#pragma once
// The Fourier spectra as CSV (lines end with CR LF, values "%.6e", one row
// per frequency from k = 1):
//   [# 5 % cosine taper at each end]     only when the window was tapered
//   Frequency,NS,EW,UD,NS smoothed,EW smoothed,UD smoothed[,HV]
// with the components' own labels; HV only for three components when asked.
// The surface/borehole ratio: Frequency,NS2/NS1,EW2/EW1,UD2/UD1 (nothing for
// records that make no pair).
#include <string>

#include "fourier/fourier_spectra.h"

namespace tremblo {

std::string FourierCsvText(const FourierSpectra& spectra, bool withHv);

std::string SurfaceBoreholeCsvText(const FourierSpectra& surface, const FourierSpectra& borehole);

}  // namespace tremblo
