#pragma once
// Konno-Ohmachi smoothing of spectra sampled at f_k = k df, k = 0 .. M:
// at each f_c > 0 the mean of the spectrum over all f > 0 weighted by
// W = [sin(b log10(f/f_c)) / (b log10(f/f_c))]^4 (W = 1 at f = f_c),
// divided by the sum of the weights. The value at f = 0 is kept as it is.
#include <span>
#include <vector>

namespace tremblo {

inline constexpr double KO_DEFAULT_BANDWIDTH = 40.0;
// The bandwidths the fast path takes; others are summed in full.
inline constexpr double KO_MAX_FAST_BANDWIDTH = 100.0;

// The window at f for the centre fc (both > 0), in double as defined.
double KonnoOhmachiWeight(double f, double fc, double b);

// The definition evaluated as it reads: every centre against every
// frequency, O(M^2), the spectrum divided by its power of two first
// (KoScaleExponent: exact). out has the size of amplitude.
void SmoothKonnoOhmachiPlain(std::span<const double> amplitude, double b, std::span<double> out);

struct KonnoOhmachiReport {
    int centres = 0;          // centre frequencies smoothed
    int summedInFull = 0;     // of them, summed term by term over all frequencies
    double largestBound = 0;  // the largest error bound (relative) of a centre taken from the sums
};

// The same smoothing for several spectra of one frequency grid at once,
// within 1e-6 of the definition summed term by term (relative) at every
// centre: the window is summed directly within a factor 10^0.002 of the
// centre; beyond that its sin^4 is split into five products of a function
// of f and one of f_c and its 1/log10(f/f_c)^4 into a sum of 80
// exponentials (relative error below 2e-13 for ratios from 10^0.002 to
// 10^5), whose sums run along the grid in one pass each way. A bound on the
// error of that far part is kept for every centre; where it could reach
// 1e-7 of the result (a spectrum that vanishes near the centre) the centre
// is summed in full, as the definition reads. Grids of more than 10^5
// frequencies and bandwidths beyond KO_MAX_FAST_BANDWIDTH are summed in full
// throughout. Both smoothings first divide each spectrum by a power of two
// (KoScaleExponent), so that spectra of any size keep that bound. `workers`
// <= 0 means all cores. Every spectrum and out[i] has the same size.
KonnoOhmachiReport SmoothKonnoOhmachi(std::span<const std::span<const double>> spectra, double b,
                                      std::span<const std::span<double>> out, int workers = 0);

}  // namespace tremblo
