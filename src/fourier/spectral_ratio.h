#pragma once
// Ratios of smoothed Fourier spectra: horizontal over vertical (H/V) of a
// three-component record, and surface over borehole of a KiK-net station
// (X.NS2 over X.NS1, component by component). Where the spectrum below the
// line vanishes the ratio has no value: it is NaN there, and the CSV and the
// graph leave it out and say so.
#include <optional>
#include <string>
#include <vector>

#include "fourier/fourier_spectra.h"

namespace tremblo {

// sqrt((NS^2 + EW^2) / 2) / UD of the smoothed spectra, k = 0 .. N/2 (the
// quadratic mean of the horizontals); NaN where it is not a finite number
// (UD is 0 there). Empty for a record of fewer than three components, and
// for one whose files do not say that its rows are two horizontals and a
// vertical.
std::vector<double> HorizontalToVertical(const FourierSpectra& spectra);

// Why the two records make no surface/borehole pair (nothing when they do):
// not one surface and one borehole series of the same files, other
// components, another frequency grid (sampling, window length), or spectra
// made with other settings (taper, b). In the user's language.
std::optional<std::string> SurfaceBoreholeMismatch(const FourierSpectra& surface, const FourierSpectra& borehole);

// Of a pair: smoothed surface over smoothed borehole, per component; NaN
// where that is not a finite number (the borehole spectrum is 0 there).
std::vector<std::vector<double>> SurfaceBoreholeRatio(const FourierSpectra& surface, const FourierSpectra& borehole);

// The column names "NS2/NS1", ... of the pair's components.
std::vector<std::string> SurfaceBoreholeLabels(const FourierSpectra& surface, const FourierSpectra& borehole);

// The frequencies from k = 1 on (those the CSV files hold) where a ratio
// has no value.
int UndefinedRatioCount(const std::vector<double>& ratio);

}  // namespace tremblo
