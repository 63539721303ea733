#pragma once
// The exact oscillator's coefficients kept for the next record: they take a
// matrix exponential in extended precision (about 16 microseconds an
// oscillator, as long as integrating some thousands of steps), and every
// record of one sampling rate asks for the same sets. Each thread keeps its
// own (the helper threads live on between records); the values are those of
// MakeExactCoefficients bit for bit.
#include "spectrum/exact_oscillator.h"

namespace tremblo {

// Sets a thread keeps; the next one after that many starts the keeping anew.
inline constexpr int EXACT_COEFFICIENT_CACHE_SIZE = 4096;

ExactCoefficients CachedExactCoefficients(double dt, double period, double damping);

}  // namespace tremblo
