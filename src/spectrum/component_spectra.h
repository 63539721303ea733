#pragma once
// The reference computation of one component's spectra: every damping ratio
// and period integrated one after the other by ComputeSdofResponse.
#include "spectrum/damping_ratios.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/period_table.h"
#include "spectrum/sdof_response.h"
#include "spectrum/spectrum_progress.h"
#include "spectrum/spectrum_table.h"

namespace tremblo {

// For k = 0 .. 4 and j = 0 .. 199: integrates the oscillator (periods[j],
// dampingRatios[k]) over groundAcc[0 .. n-1] into the work arrays and stores
// the peaks of absoluteAcc, relativeVel and relativeDisp into
// spectrum[c][k][SA/SV/SD][j]. The overall bar is set to 5c + k before each
// ratio and to 5(c + 1) at the end; the per-ratio bar to j before each period.
// progress.overallMaximum and periodMaximum are passed through unchanged.
// Oscillators that need sub-steps, and every exact one, are integrated by
// ComputeOscillatorPeaks without the work arrays.
void ComputeComponentSpectra(int c, int n, float dt, const float* groundAcc,
                             const PeriodTable& periods, const DampingRatios& dampingRatios,
                             const SdofResponse& work, SpectrumTable& spectrum,
                             SpectrumProgress& progress, const SpectrumProgressCallback& report,
                             OscillatorMethod method = OscillatorMethod::Newmark);

}  // namespace tremblo
