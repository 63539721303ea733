#pragma once
// The fast computation of the orientation-independent spectra. Oscillators
// are integrated side by side in vector lanes (the spectrum kernel's exact
// arithmetic), keeping per block of steps only the state at the block's start
// and the range of each response. The peak along an azimuth is then found by
// bounding each block's responses by its ranges, so that only blocks that can
// hold the peak are integrated again, from their saved state, and scanned.
// The table equals the plain computation's bit for bit. Memory: about 6.3 MB
// per worker for a 70,000-sample window; at most 8 workers.
#include <array>
#include <cstddef>
#include <vector>

#include "spectrum/azimuth_search.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

inline constexpr int ROTD_MAX_WORKERS = 8;

// The entries to compute: oscillators (damping index * PERIOD_COUNT + period
// index) and quantities; the table's other entries are left as they are.
struct RotDSelection {
    std::vector<int> oscillators;
    std::array<bool, SPECTRUM_QUANTITIES> quantities{true, true, true};
    static RotDSelection All();
};

// As ComputeRotDReference for the selected entries; workers <= 0 means all
// cores (at most ROTD_MAX_WORKERS). Every response is kept when both
// components' responses fit historyBudget bytes per worker (16 MB: windows
// up to about 17,000 samples); otherwise blocks are integrated again.
void ComputeRotDFast(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                     const DampingRatios& dampingRatios, RotDTable& table, int workers = 0,
                     const RotDSelection& selection = RotDSelection::All(),
                     std::size_t historyBudget = ROTD_HISTORY_BUDGET);

}  // namespace tremblo
