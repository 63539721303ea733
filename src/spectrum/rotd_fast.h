#pragma once
// The fast computation of the orientation-independent spectra. Oscillators
// of equal sub-step counts are integrated side by side in vector lanes (the
// spectrum kernel's exact arithmetic), keeping per block of sub-steps only
// the state at the block's start and the range of each response, and every
// stored response when it fits the history budget. The peaks along the
// azimuths are then found by bounding each block's responses by its ranges,
// so that only blocks that can hold a peak are read from the history, or
// integrated again from their saved state, and scanned (azimuth_search.h).
// Only the lanes of
// the selected oscillators are integrated, so a few entries cost a few
// oscillators. The table equals the plain computation's bit for bit.
// Memory: about 8.4 MB per worker for a 70,000-sample window at one sub-step
// (the block summaries; the histories come within their budget); at most 8
// workers.
#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "spectrum/azimuth_search.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

inline constexpr int ROTD_MAX_WORKERS = 8;

// Oscillators integrated together at most (lanes of one group).
inline constexpr int ROTD_GROUP = 40;

// The entries to compute: oscillators (damping index * PERIOD_COUNT + period
// index) and quantities; the table's other entries are left as they are.
struct RotDSelection {
    std::vector<int> oscillators;
    std::array<bool, SPECTRUM_QUANTITIES> quantities{true, true, true};
    static RotDSelection All();
};

// As ComputeRotDReference for the selected entries with the oscillator of
// `method`; workers <= 0 means all cores (at most ROTD_MAX_WORKERS). When at
// least a group of oscillators is selected, a group's responses are kept when
// both components' fit historyBudget bytes per worker (16 MB: windows up to
// about 17,000 sub-steps); otherwise blocks are integrated again. Throws
// std::bad_alloc when memory is short.
void ComputeRotDFast(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                     const DampingRatios& dampingRatios, RotDTable& table, int workers = 0,
                     const RotDSelection& selection = RotDSelection::All(),
                     OscillatorMethod method = OscillatorMethod::Newmark,
                     std::size_t historyBudget = ROTD_HISTORY_BUDGET);

// Receives the peaks of quantity q along azimuths 0 .. 179 of oscillator
// `index` of a list; called from the workers, at most once per oscillator
// and quantity, never twice at once for one oscillator.
using AzimuthPeaksSink =
    std::function<void(int index, int q, const std::array<float, ROTD_AZIMUTHS>& peaks)>;

// Receives the own peaks of NS and EW of oscillator `index` of a list (the
// single-component spectra's peaks, from the same integration); called as
// AzimuthPeaksSink is.
using ComponentPeaksSink = std::function<void(int index, const OscillatorPeaks& ns, const OscillatorPeaks& ew)>;

// The machinery of ComputeRotDFast for any list of oscillators: the peaks of
// the selected quantities along every azimuth, equal bit for bit to
// AzimuthPeaks over the plain responses (ComputeRotDResponses) of NS and EW;
// with a componentSink, also each component's peaks of every quantity, equal
// bit for bit to ComputeOscillatorPeaks (finite responses), except that
// when SV alone is searched with the exact oscillator only the SV and SD
// peaks are computed (SA's is 0). dt and every
// period must be accepted (OscillatorInputProblem). When at least a group
// of oscillators is listed, their responses are kept within historyBudget
// as ComputeRotDFast keeps them. Throws std::bad_alloc when memory is short.
void ComputeAzimuthPeaksFast(int n, float dt, const float* ns, const float* ew,
                             std::span<const OscillatorParameters> oscillators,
                             const std::array<bool, SPECTRUM_QUANTITIES>& quantities, const AzimuthPeaksSink& sink,
                             int workers = 0, OscillatorMethod method = OscillatorMethod::Newmark,
                             std::size_t historyBudget = ROTD_HISTORY_BUDGET,
                             const ComponentPeaksSink& componentSink = {});

}  // namespace tremblo
