#pragma once
// The Fourier spectra as CSV (lines end with CR LF, values "%.6e", one row
// per frequency from k = 1):
//   [# 5 % cosine taper at each end]     only when the window was tapered
//   # Konno-Ohmachi smoothing b = 40
//   [# HV empty at 12 frequencies: the smoothed UD spectrum vanishes there]
//   Frequency,NS,EW,UD,NS smoothed,EW smoothed,UD smoothed[,HV]
// with the components' own labels; HV only for three components when asked.
// The surface/borehole ratio, with the same lines before its header (a
// ratio column's empty cells noted as HV's are):
//   Frequency,NS2/NS1,EW2/EW1,UD2/UD1
// (nothing for records that make no pair). A value that is no finite number
// is never written: its cell stays empty.
#include <string>
#include <vector>

#include "fourier/fourier_spectra.h"

namespace tremblo {

// A ratio column with empty cells: where the spectrum below the line
// vanishes.
struct RatioGap {
    std::string column;  // "HV", "NS2/NS1"
    std::string below;   // the spectrum below the line: "UD", "NS1"
    int count = 0;       // frequencies without a value
};

std::string FourierCsvText(const FourierSpectra& spectra, bool withHv);
std::vector<RatioGap> FourierCsvGaps(const FourierSpectra& spectra, bool withHv);

std::string SurfaceBoreholeCsvText(const FourierSpectra& surface, const FourierSpectra& borehole);
std::vector<RatioGap> SurfaceBoreholeCsvGaps(const FourierSpectra& surface, const FourierSpectra& borehole);

// The gap as the user is told of it, in the user's language.
std::string RatioGapNote(const RatioGap& gap);

}  // namespace tremblo
