#pragma once
// The peaks of one oscillator's horizontal response along every azimuth,
// found from block summaries instead of the whole response: the NS and EW
// responses of each block of ROTD_BLOCK sub-steps lie in a box (their
// ranges), and along an azimuth no value of the block can exceed the
// combined value at the box's far corner, evaluated with the values' own
// rounding. All azimuths are searched at once (azimuth_scan.h), the widest
// boxes first: a block is read (from the kept responses, or integrated again
// from its saved state) only on the azimuths where its bound beats the peak
// found so far, and not at all when its reach |NS| + |EW| cannot beat the
// smallest peak. So every value left out is provably no larger than the
// peak, and the peaks equal AzimuthPeaks over the full responses bit for bit.
#include <array>
#include <cstddef>
#include <vector>

#include "spectrum/rotd_oscillator.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

inline constexpr int ROTD_BLOCK = 32;  // sub-steps per block

// Rows of a block summary, each `stride` lanes wide: the state at the
// block's start (in double: Newmark's single-precision a, v, x exactly; the
// exact oscillator's v and x), and the lowest and highest stored value of
// each quantity over the block.
enum RotDStateField { kStateA, kStateV, kStateX, kStateFields };
enum RotDRangeField { kLowSA, kHighSA, kLowSV, kHighSV, kLowSD, kHighSD, kRangeFields };

// The memory both components' histories (every stored value) may take per
// worker; past it blocks are integrated again.
inline constexpr std::size_t ROTD_HISTORY_BUDGET = 16u << 20;

inline int RotDBlockCount(int steps) { return (steps + ROTD_BLOCK - 1) / ROTD_BLOCK; }

// Where the vector kernel leaves one group's summaries of one component:
// block by block the states (kStateFields rows) and the ranges (kRangeFields
// rows); when kept, sub-step by sub-step the stored values (SA, SV, SD rows).
struct RotDSummaries {
    const double* states = nullptr;
    const float* ranges = nullptr;
    const float* history = nullptr;
    int stride = 0;  // lanes per row
    int historyRows = SPECTRUM_QUANTITIES;  // the history's rows per sub-step: SA, SV, SD, or SV alone
};

class AzimuthSearch {
public:
    // Ground accelerations ns/ew[0 .. n-1]; the arrays must outlive the search.
    AzimuthSearch(int n, const float* ns, const float* ew);
    // Other ground accelerations, for the oscillators loaded from now on; the
    // arrays keep their memory.
    void SetGround(int n, const float* ns, const float* ew);

    // Takes the summaries of `lane` for the oscillator `o`; without
    // histories blocks are integrated again. Only the ranges of the
    // quantities marked are read: Peaks asks for no other. The summaries
    // must stay as they are while the peaks are searched.
    void Load(const RotDOscillator& o, const RotDSummaries& ns, const RotDSummaries& ew, int lane,
              const std::array<bool, SPECTRUM_QUANTITIES>& quantities = {true, true, true});

    // The peaks of quantity q (one marked when loading) along azimuths 0 .. 179.
    std::array<float, ROTD_AZIMUTHS> Peaks(int q);

private:
    struct ReplayedBlock {
        int block = -1;
        float values[2][SPECTRUM_QUANTITIES][ROTD_BLOCK];
    };

    void Resize(int steps);
    const ReplayedBlock& Replay(int block);
    // The state at the start of a block of component c, from its summary.
    RotDState StartOf(int c, int block) const;
    void ReadBlock(int block, int q, double* xs, double* ys);
    int BlockLength(int block) const;
    void Reaches(int q, std::vector<double>& reach) const;
    void ScanEveryBlock(int q, double* best);
    void SearchBlocks(int q, double* best);

    int n_, steps_ = 0, blocks_ = 0;
    const float* ground_[2];
    const float* history_[2] = {nullptr, nullptr};
    int historyStride_ = 0;
    int historyRows_ = SPECTRUM_QUANTITIES;
    int lane_ = 0;
    RotDOscillator oscillator_;
    bool boundsUsable_ = true;  // false when a range is not finite: every block is read
    const double* states_[2] = {nullptr, nullptr};  // the summaries' rows of block states
    int stateStride_ = 0;
    // The range of each block's values, per component and quantity.
    std::vector<float> low_[2][SPECTRUM_QUANTITIES], high_[2][SPECTRUM_QUANTITIES];
    std::vector<int> replayedSlot_;  // per block: its slot in replayed_, or -1
    std::vector<ReplayedBlock> replayed_;
    std::size_t replayedCount_ = 0;
    std::vector<double> reach_;  // per block, of the current quantity
    std::vector<int> order_;     // blocks in the order they are taken
};

}  // namespace tremblo
