#pragma once
// The fast spectrum computation: oscillators integrated side by side in
// vector lanes (the best instruction set of the processor, chosen at run
// time) and spread over the cores. Only the peaks are kept. Each lane runs
// exactly the reference's arithmetic (double-evaluated expressions rounded
// to single precision when stored; the quotient -num/den of two floats
// taken in single precision, which rounds exactly as the double quotient
// rounded to float), so the peaks equal the reference's bit for bit.
#include <memory>
#include <span>
#include <vector>

#include "record/seismic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/period_table.h"
#include "spectrum/spectrum_progress.h"
#include "spectrum/spectrum_table.h"

namespace tremblo {

// Ground accelerations of up to three components, in single and double
// precision, allocated once for the longest window.
class FastSpectrumWorkspace {
public:
    explicit FastSpectrumWorkspace(int capacity = SAMPLE_CAPACITY);
    bool ok() const;
    int capacity() const { return capacity_; }
    float* groundAcc(int c) { return single_[c].get(); }
    double* groundAccDouble(int c) { return wide_[c].get(); }

private:
    int capacity_;
    std::unique_ptr<float[]> single_[MAX_COMPONENTS];
    std::unique_ptr<double[]> wide_[MAX_COMPONENTS];
};

// Computes spectrum[c] for c < componentCount from groundAcc(c)[0 .. n-1]
// (already copied into the workspace) with the oscillator of `method`;
// dt must be a valid interval (IntervalProblem). Progress moves the bars as the
// oscillators are finished, from the calling thread. workers <= 0 means all
// cores. n must not exceed the workspace's capacity.
void ComputeSpectraFast(FastSpectrumWorkspace& workspace, int componentCount, int n, float dt,
                        const PeriodTable& periods, const DampingRatios& dampingRatios,
                        SpectrumTable& spectrum, SpectrumProgress& progress,
                        const SpectrumProgressCallback& report, int workers = 0,
                        OscillatorMethod method = OscillatorMethod::Newmark);

// The peaks of each oscillator of the list under one component's
// ground[0 .. size - 1] (gal) sampled every dt seconds, integrated with the
// same kernel: equal bit for bit to ComputeOscillatorPeaks of each (the
// exact oscillator's absolute acceleration is left at 0 unless absoluteAcc,
// and not computed). dt and every period must be accepted (IntervalProblem,
// PeriodProblem). workers <= 0 means all cores. Throws std::bad_alloc when
// memory is short.
std::vector<OscillatorPeaks> ComputeOscillatorListFast(std::span<const float> ground, float dt,
                                                       std::span<const OscillatorParameters> oscillators,
                                                       OscillatorMethod method, int workers = 0,
                                                       bool absoluteAcc = true);

}  // namespace tremblo
