#pragma once
// The peaks of one oscillator's horizontal response along every azimuth,
// found from block summaries instead of the whole response: the NS and EW
// responses of each block of ROTD_BLOCK steps lie in a box (their ranges),
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

#include "spectrum/rotd_table.h"
#include "spectrum/sdof_response.h"
#include "spectrum/oscillator_group.h"

namespace tremblo {

inline constexpr int ROTD_BLOCK = 32;         // steps per block
inline constexpr int ROTD_SUPER_BLOCK = 32;   // blocks per bound of the first level

// Fields of a block summary, each OSCILLATOR_GROUP lanes wide: the state at
// the block's start, then the lowest and highest value of each quantity.
enum RotDSummaryField { kStateA, kStateV, kStateX, kLowSA, kHighSA, kLowSV, kHighSV, kLowSD, kHighSD, kSummaryFields };
inline constexpr int ROTD_SUMMARY_STRIDE = kSummaryFields * OSCILLATOR_GROUP;  // floats per block

// A step's responses when every step is kept: quantity by quantity,
// OSCILLATOR_GROUP lanes each; and the memory both components' histories may
// take per worker.
inline constexpr int ROTD_HISTORY_STRIDE = SPECTRUM_QUANTITIES * OSCILLATOR_GROUP;
inline constexpr std::size_t ROTD_HISTORY_BUDGET = 16u << 20;

inline int RotDBlockCount(int n) { return (n + ROTD_BLOCK - 1) / ROTD_BLOCK; }

class AzimuthSearch {
public:
    // Ground accelerations ns/ew[0 .. n-1] at time step dt; the arrays must outlive the search.
    AzimuthSearch(int n, float dt, const float* ns, const float* ew);

    // Takes the summaries of `lane` (summary[c] laid out block by block,
    // ROTD_SUMMARY_STRIDE floats each) for the oscillator of `constants`,
    // and the histories of every step (ROTD_HISTORY_STRIDE floats each) when
    // kept; without them blocks are integrated again.
    void Load(const SdofConstants& constants, const float* summaryNs, const float* summaryEw, int lane,
              const float* historyNs = nullptr, const float* historyEw = nullptr);

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

    void BuildSupports(int q);
    void GroupBounds(int azimuth);
    void BlockBounds(const AzimuthDirection& d, int q, int s, double* bound) const;
    double SupportBound(int azimuth, const Support& h) const;
    ReplayedBlock& Replay(int block);
    const Support& BlockSupport(ReplayedBlock& slot, int q);
    float ScanBlock(const AzimuthDirection& d, int azimuth, int q, int block, float best, float& bestNs,
                    float& bestEw);

    int n_, blocks_, supers_;
    float dt_;
    const float* ground_[2];
    const float* history_[2] = {nullptr, nullptr};
    int lane_ = 0;
    SdofConstants constants_;
    bool boundsUsable_ = true;  // false when a range is not finite: every block is scanned
    std::vector<SdofState> states_[2];
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
