#pragma once
// The peaks of one oscillator's horizontal response along every azimuth,
// found from block summaries instead of the whole response: the NS and EW
// responses of each block of ROTD_BLOCK sub-steps lie in a box (their ranges),
// and along an azimuth no value of the block can exceed the combined value
// at the box's far corner. Blocks whose bound does not beat the peak found so
// far are skipped; the others are integrated again from their saved state
// and scanned. Block bounds are evaluated with the combined response's own
// rounding, so every skipped value is provably no larger than the peak and
// the peaks equal AzimuthPeaks over the full responses bit for bit.
// Groups of ROTD_SUPER_BLOCK blocks are first bounded by a polygon: their
// support in 16 directions, interpolated between the two directions beside
// the azimuth and widened by a margin far above the rounding errors. A block
// integrated again gets such a polygon of its own points, which spares most
// of its later scans.
#include <array>
#include <cstddef>
#include <vector>

#include "spectrum/rotd_oscillator.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

inline constexpr int ROTD_BLOCK = 32;         // sub-steps per block
inline constexpr int ROTD_SUPER_BLOCK = 32;   // blocks per bound of the first level

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
};

class AzimuthSearch {
public:
    // Ground accelerations ns/ew[0 .. n-1]; the arrays must outlive the search.
    AzimuthSearch(int n, const float* ns, const float* ew);

    // Takes the summaries of `lane` for the oscillator `o`; without
    // histories blocks are integrated again.
    void Load(const RotDOscillator& o, const RotDSummaries& ns, const RotDSummaries& ew, int lane);

    // The peaks of quantity q along azimuths 0 .. 179.
    std::array<float, ROTD_AZIMUTHS> Peaks(int q);

private:
    static constexpr int kSupportDirections = 16;  // every 22.5 degrees
    // A polygon around a set of points: the largest projection on each
    // direction, and a size of the set (the largest |ns| + |ew|) that scales
    // the rounding margin.
    struct Support {
        double h[kSupportDirections];
        double scale;
    };
    struct ReplayedBlock {
        int block = -1;
        float values[2][SPECTRUM_QUANTITIES][ROTD_BLOCK];
        Support support[SPECTRUM_QUANTITIES];  // of its own points, once made
        bool supportMade[SPECTRUM_QUANTITIES];
    };

    void Resize(int steps);
    void BuildSupports(int q);
    void GroupBounds(int azimuth);
    void BlockBounds(const AzimuthDirection& d, int q, int s, double* bound) const;
    double SupportBound(int azimuth, const Support& h) const;
    ReplayedBlock& Replay(int block);
    const Support& BlockSupport(ReplayedBlock& slot, int q);
    float ScanBlock(const AzimuthDirection& d, int azimuth, int q, int block, float best, float& bestNs,
                    float& bestEw);
    int BlockLength(int block) const;

    int n_, steps_ = 0, blocks_ = 0, supers_ = 0;
    const float* ground_[2];
    const float* history_[2] = {nullptr, nullptr};
    int historyStride_ = 0;
    int lane_ = 0;
    RotDOscillator oscillator_;
    bool boundsUsable_ = true;  // false when a range is not finite: every block is scanned
    std::vector<RotDState> states_[2];
    // The range of each block's values, per component and quantity; padded
    // with zeros to whole groups of blocks.
    std::vector<float> low_[2][SPECTRUM_QUANTITIES], high_[2][SPECTRUM_QUANTITIES];
    // Per group of blocks, for the current quantity: the polygon, one vector
    // per direction, its scale, and its bound along the current azimuth.
    std::vector<double> groupSupports_[kSupportDirections];
    std::vector<double> groupScales_, groupBounds_;
    std::vector<int> replayedSlot_;      // per block: its slot in replayed_, or -1
    std::vector<ReplayedBlock> replayed_;
    std::size_t replayedCount_ = 0;
};

}  // namespace tremblo
