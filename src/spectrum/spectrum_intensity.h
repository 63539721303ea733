#pragma once
// Spectrum intensities over the periods 0.1 to 2.5 s at 20 % damping:
// Housner's (1952) SI_H = integral of PSV(T) dT, PSV = (2 pi / T) SD, in cm;
// and the SI value of Katayama, Sato and Saito (1988),
// SI = (1 / 2.4) integral of SV(T) dT, SV the peak relative velocity, in
// cm/s (kine). Per component, and for the horizontal motion the largest SI
// value over the azimuths 0, 1, ... 179 degrees, SV along an azimuth being
// the peak of the NS and EW oscillator responses combined along it as
// RotD50/RotD100 combine them (rotd_table.h), so that along 0 and 90 degrees
// it is the NS and EW value.
//
// The oscillator is the program's exact one (Nigam and Jennings 1969) at
// its sub-steps, from rest; the peaks are those of the response spectra.
// The integrals are taken by the trapezoidal rule over a period grid of
// their own, uniform from 0.1 to 2.5 s: SI_PERIOD_STEP is small enough that
// halving it moves no value by 1e-4 of itself (measured on the sample
// records and on synthetic motions of several rates and bands by
// bench/si_grid_check; see computations.md).
//
// The fast path (vector lanes, workers) gives the plain computation's
// results bit for bit: the peaks are equal, and the sums are taken in the
// same order by the same function.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "compute/engine_path.h"

namespace tremblo {

inline constexpr float SI_DAMPING = 0.2f;
inline constexpr double SI_SHORTEST_PERIOD = 0.1;  // s
inline constexpr double SI_LONGEST_PERIOD = 2.5;   // s
inline constexpr double SI_DIVISOR = 2.4;          // s: the SI value is a mean over the band
inline constexpr double SI_PERIOD_STEP = 0.01;     // s

struct SpectrumIntensitySettings {
    double periodStep = SI_PERIOD_STEP;  // s; the grid takes the nearest step that divides the band
    EnginePath path = EnginePath::Fast;
    int workers = 1;  // fast path; <= 0 means all cores
};

struct ComponentSpectrumIntensity {
    double housner = 0.0;  // cm
    double si = 0.0;       // cm/s
};

struct HorizontalSpectrumIntensity {
    double si = 0.0;   // cm/s: the largest over the azimuths
    int azimuth = 0;   // degrees: the first azimuth where it is reached
    ComponentSpectrumIntensity ns, ew;  // of each component, from the same oscillators
};

// The grid: 0.1, 0.1 + s, ..., 2.5 s, s = 2.4 / round(2.4 / step) (at least one step).
std::vector<double> SpectrumIntensityPeriods(double step);

// The trapezoidal rule over values at evenly spaced periods `step` apart.
double IntegrateOverPeriods(std::span<const double> values, double step);

// Why records sampled every dt seconds have no spectrum intensities, in
// the program's words (the interval or the shortest period refused by the
// oscillator); nothing when they have.
std::optional<std::string> SpectrumIntensityProblem(double dt);

// Of one component's ground acceleration (gal) sampled every dt seconds;
// dt must be accepted (SpectrumIntensityProblem). Throws std::bad_alloc
// when memory is short.
ComponentSpectrumIntensity ComponentSpectrumIntensityOf(std::span<const float> ground, float dt,
                                                        const SpectrumIntensitySettings& settings);

// Of the horizontal motion of two perpendicular components, NS (azimuth 0)
// and EW (azimuth 90), of equal length, with each component's own values
// (those of ComponentSpectrumIntensityOf, bit for bit). Throws
// std::bad_alloc when memory is short.
HorizontalSpectrumIntensity HorizontalSpectrumIntensityOf(std::span<const float> ns, std::span<const float> ew,
                                                          float dt, const SpectrumIntensitySettings& settings);

}  // namespace tremblo
