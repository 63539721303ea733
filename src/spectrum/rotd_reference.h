#pragma once
// The plain computation of the orientation-independent spectra, which reads
// like their definition: every oscillator's NS and EW responses in full, at
// every sub-step of the oscillator method (rotd_oscillator.h), and for every
// azimuth the largest absolute combined response over all of them. The fast
// computation gives the same table bit for bit.
#include <vector>

#include "spectrum/oscillator_method.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

// A response along each azimuth, ns/ew[0 .. n-1]: the largest |ResponseAlong|,
// from 0, a value replacing the peak only when strictly greater.
std::array<float, ROTD_AZIMUTHS> AzimuthPeaks(int n, const float* ns, const float* ew);

// The table for ground accelerations ns[0 .. n-1] and ew[0 .. n-1] (gal) at
// time step dt (s), which the method must accept with every period
// (OscillatorInputProblem); with a list of oscillators (damping index *
// PERIOD_COUNT + period index), only theirs, the other entries left as they are.
void ComputeRotDReference(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                          const DampingRatios& dampingRatios, RotDTable& table,
                          const std::vector<int>* oscillators = nullptr,
                          OscillatorMethod method = OscillatorMethod::Newmark);

}  // namespace tremblo
