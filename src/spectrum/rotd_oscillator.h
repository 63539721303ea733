#pragma once
// One oscillator of the orientation-independent spectra, stepped as the
// spectra step it (OscillatorMethod): each sampling interval cut into the
// method's sub-steps, the ground acceleration linear between samples and zero
// one interval before the first. After every sub-step the three responses
// combined along the azimuths are stored in single precision:
//   Newmark: the recurrence's own stored values (absolute acceleration a + g,
//     velocity, displacement), as SdofStep leaves them;
//   exact: the double-precision state rounded once to single precision, the
//     absolute acceleration being -(2 h w v + w^2 x) evaluated in double.
// So the largest |response| along azimuth 0 (NS) or 90 (EW) equals the
// spectrum's peak of that component bit for bit. The plain computation, the
// vector kernel and the replays of the azimuth search all step through
// these functions or their lane-by-lane copies.
#include <cstdint>

#include "spectrum/exact_oscillator.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/sdof_response.h"
#include "spectrum/spectrum_table.h"

namespace tremblo {

struct RotDOscillator {
    OscillatorMethod method = OscillatorMethod::Newmark;
    int substeps = 1;
    float dtSub = 0.0f;       // Newmark: the sub-step (s) in single precision
    SdofConstants newmark;    // Newmark: for dtSub
    ExactCoefficients exact;  // exact: for the sub-step dt / substeps in double
};

// The oscillator of `period` (s) and `damping` for records sampled every dt
// seconds; dt and period must be accepted by IntervalProblem and PeriodProblem.
RotDOscillator MakeRotDOscillator(OscillatorMethod method, float dt, float period, float damping);

// The state between sub-steps, of the method in use.
struct RotDState {
    SdofState newmark;
    ExactState exact;
};

// Sub-steps of a record of n samples: n * substeps. Throws std::bad_alloc
// past what an int counts, as no buffer of that many steps can be had.
int RotDStepCount(int n, int substeps);

// The ground acceleration around every sub-step of samples g[0 .. n-1],
// sub-step k (0 .. n * m - 1) ending at sample k / m's share k % m + 1.
class SubStepGrounds {
public:
    SubStepGrounds(const float* g, int substeps) : g_(g), m_(substeps) {}
    // At the end of sub-step k, in double (the exact oscillator's ground).
    double End(int k) const {
        const int i = k / m_, s = k % m_ + 1;
        return SubStepGround(Previous(i), g_[i], s, m_);
    }
    // At the start of sub-step k: the end of the one before, zero before the first.
    double Start(int k) const { return k == 0 ? 0.0 : End(k - 1); }
    // At the end of sub-step k as the Newmark recurrence keeps it.
    float EndSingle(int k) const {
        const int i = k / m_, s = k % m_ + 1;
        return m_ == 1 ? g_[i] : SubStepGroundSingle(Previous(i), g_[i], s, m_);
    }

private:
    float Previous(int i) const { return i > 0 ? g_[i - 1] : 0.0f; }
    const float* g_;
    int m_;
};

// One sub-step k: the state moves on and values[SA], [SV], [SD] receive the
// stored absolute acceleration, velocity and displacement.
inline void StepRotD(const RotDOscillator& o, const SubStepGrounds& ground, int k, RotDState& s,
                     float values[SPECTRUM_QUANTITIES]) {
    if (o.method == OscillatorMethod::Exact) {
        ExactStep(o.exact, ground.Start(k), ground.End(k), s.exact);
        values[SA] = static_cast<float>(-(o.exact.twoHOmega * s.exact.v + o.exact.omega2 * s.exact.x));
        values[SV] = static_cast<float>(s.exact.v);
        values[SD] = static_cast<float>(s.exact.x);
        return;
    }
    values[SA] = SdofStep(o.newmark, o.dtSub, ground.EndSingle(k), s.newmark);
    values[SV] = s.newmark.v;
    values[SD] = s.newmark.x;
}

// The plain responses under ground[0 .. n-1] from rest: out[q][0 .. n * m - 1].
void ComputeRotDResponses(const RotDOscillator& o, int n, const float* ground, float* const out[SPECTRUM_QUANTITIES]);

}  // namespace tremblo
