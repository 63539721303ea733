#include "spectrum/azimuth_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "spectrum/azimuth_scan.h"

namespace tremblo {

namespace {

// Widening of a block's reach |NS| + |EW| into a bound of its combined
// values along any azimuth: they carry three roundings of half a unit in
// the 16th digit.
constexpr double kReachMargin = 1.0 + 1e-12;

// Blocks taken in order of reach before the others.
constexpr size_t kWidestFirst = 16;

}  // namespace

AzimuthSearch::AzimuthSearch(int n, const float* ns, const float* ew) : n_(n), ground_{ns, ew} {}

void AzimuthSearch::SetGround(int n, const float* ns, const float* ew) {
    n_ = n;
    ground_[0] = ns;
    ground_[1] = ew;
}

// Arrays for `steps` sub-steps; they keep their memory for later oscillators.
void AzimuthSearch::Resize(int steps) {
    for (std::size_t i = 0; i < replayedCount_; ++i) replayedSlot_[static_cast<size_t>(replayed_[i].block)] = -1;
    replayedCount_ = 0;
    if (steps == steps_) return;
    steps_ = steps;
    blocks_ = RotDBlockCount(steps);
    replayedSlot_.assign(static_cast<size_t>(blocks_), -1);
    for (int c = 0; c < 2; ++c) {
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
            low_[c][q].resize(static_cast<size_t>(blocks_));
            high_[c][q].resize(static_cast<size_t>(blocks_));
        }
    }
}

void AzimuthSearch::Load(const RotDOscillator& o, const RotDSummaries& ns, const RotDSummaries& ew, int lane,
                         const std::array<bool, SPECTRUM_QUANTITIES>& quantities) {
    Resize(RotDStepCount(n_, o.substeps));
    oscillator_ = o;
    history_[0] = ns.history;
    history_[1] = ew.history;
    historyStride_ = ns.stride;
    historyRows_ = ns.historyRows;
    lane_ = lane;
    boundsUsable_ = true;
    const RotDSummaries* summary[2] = {&ns, &ew};
    // The states are read only for the few blocks integrated again: kept as they lie.
    states_[0] = ns.states;
    states_[1] = ew.states;
    stateStride_ = ns.stride;
    for (int c = 0; c < 2; ++c) {
        const int stride = summary[c]->stride;
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
            if (!quantities[static_cast<size_t>(q)]) continue;
            const float* range = summary[c]->ranges + lane;
            const size_t lowRow = static_cast<size_t>(kLowSA + 2 * q) * stride;
            const size_t highRow = static_cast<size_t>(kHighSA + 2 * q) * stride;
            const size_t blockStep = static_cast<size_t>(kRangeFields) * stride;
            float* low = low_[c][q].data();
            float* high = high_[c][q].data();
            bool finite = true;
            for (int b = 0; b < blocks_; ++b, range += blockStep) {
                const float lo = range[lowRow], hi = range[highRow];
                finite = finite && std::isfinite(lo) && std::isfinite(hi);
                low[b] = lo;
                high[b] = hi;
            }
            boundsUsable_ = boundsUsable_ && finite;
        }
    }
}

RotDState AzimuthSearch::StartOf(int c, int block) const {
    const int stride = stateStride_;
    const double* state = states_[c] + static_cast<size_t>(block) * kStateFields * stride + lane_;
    RotDState start;
    start.newmark = {static_cast<float>(state[kStateA * stride]), static_cast<float>(state[kStateV * stride]),
                     static_cast<float>(state[kStateX * stride])};
    start.exact = {state[kStateX * stride], state[kStateV * stride]};
    return start;
}

const AzimuthSearch::ReplayedBlock& AzimuthSearch::Replay(int block) {
    int& slotIndex = replayedSlot_[static_cast<size_t>(block)];
    if (slotIndex >= 0) return replayed_[static_cast<size_t>(slotIndex)];
    if (replayedCount_ == replayed_.size()) replayed_.emplace_back();
    slotIndex = static_cast<int>(replayedCount_++);
    ReplayedBlock& slot = replayed_[static_cast<size_t>(slotIndex)];
    slot.block = block;
    const int start = block * ROTD_BLOCK;
    const int count = BlockLength(block);
    // The two components side by side: two independent chains of steps.
    const SubStepGrounds grounds[2] = {{ground_[0], oscillator_.substeps}, {ground_[1], oscillator_.substeps}};
    RotDState s[2] = {StartOf(0, block), StartOf(1, block)};
    float values[SPECTRUM_QUANTITIES];
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < 2; ++c) {
            StepRotD(oscillator_, grounds[c], start + i, s[c], values);
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) slot.values[c][q][i] = values[q];
        }
    }
    return slot;
}

int AzimuthSearch::BlockLength(int block) const { return std::min(ROTD_BLOCK, steps_ - block * ROTD_BLOCK); }

// The NS and EW values of quantity q in the block, from the kept responses
// or integrated again (once for the three quantities).
void AzimuthSearch::ReadBlock(int block, int q, double* xs, double* ys) {
    const int start = block * ROTD_BLOCK;
    const int count = BlockLength(block);
    if (history_[0] != nullptr) {
        const std::size_t row = static_cast<std::size_t>(historyRows_) * historyStride_;
        const std::size_t at = static_cast<std::size_t>(start) * row +
                               static_cast<std::size_t>(historyRows_ == 1 ? 0 : q) * historyStride_ + lane_;
        const float* ns = history_[0] + at;
        const float* ew = history_[1] + at;
        for (int i = 0; i < count; ++i) {
            xs[i] = ns[static_cast<std::size_t>(i) * row];
            ys[i] = ew[static_cast<std::size_t>(i) * row];
        }
        return;
    }
    const ReplayedBlock& r = Replay(block);
    for (int i = 0; i < count; ++i) {
        xs[i] = r.values[0][q][i];
        ys[i] = r.values[1][q][i];
    }
}

// The reach |NS| + |EW| of every block.
void AzimuthSearch::Reaches(int q, std::vector<double>& reach) const {
    reach.resize(static_cast<size_t>(blocks_));
    for (size_t i = 0; i < reach.size(); ++i)
        reach[i] = static_cast<double>(std::max(std::fabs(low_[0][q][i]), std::fabs(high_[0][q][i]))) +
                   std::max(std::fabs(low_[1][q][i]), std::fabs(high_[1][q][i]));
}

// Every block on every azimuth: values that are not finite numbers take
// their part as in the plain scan.
void AzimuthSearch::ScanEveryBlock(int q, double* best) {
    alignas(64) double xs[ROTD_BLOCK], ys[ROTD_BLOCK];
    int groups[ROTD_SLOT_GROUPS];
    for (int g = 0; g < ROTD_SLOT_GROUPS; ++g) groups[g] = g;
    for (int b = 0; b < blocks_; ++b) {
        ReadBlock(b, q, xs, ys);
        TakePoints(xs, ys, BlockLength(b), groups, ROTD_SLOT_GROUPS, best);
    }
}

// The widest blocks first, so that the peaks soon come near their end
// values; then every block in turn, read only on the azimuths its bound
// leaves open.
void AzimuthSearch::SearchBlocks(int q, double* best) {
    alignas(64) double xs[ROTD_BLOCK], ys[ROTD_BLOCK];
    int groups[ROTD_SLOT_GROUPS];
    Reaches(q, reach_);
    order_.resize(static_cast<size_t>(blocks_));
    for (int b = 0; b < blocks_; ++b) order_[static_cast<size_t>(b)] = b;
    const size_t widest = std::min<size_t>(order_.size(), kWidestFirst);
    std::partial_sort(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(widest), order_.end(),
                      [&](int a, int b) { return reach_[static_cast<size_t>(a)] > reach_[static_cast<size_t>(b)]; });
    double smallest = 0.0;  // the smallest peak so far over the azimuths
    for (const int b : order_) {
        const size_t i = static_cast<size_t>(b);
        if (reach_[i] * kReachMargin <= smallest) continue;
        const ResponseBox box{low_[0][q][i], high_[0][q][i], low_[1][q][i], high_[1][q][i]};
        const int count = SlotGroupsBeyond(box, best, groups);
        if (count == 0) continue;
        ReadBlock(b, q, xs, ys);
        TakePoints(xs, ys, BlockLength(b), groups, count, best);
        smallest = SmallestOfSlots(best);
    }
}

std::array<float, ROTD_AZIMUTHS> AzimuthSearch::Peaks(int q) {
    alignas(64) double best[ROTD_SLOTS] = {};
    std::fill(best + ROTD_AZIMUTHS, best + ROTD_SLOTS, std::numeric_limits<double>::infinity());
    if (boundsUsable_)
        SearchBlocks(q, best);
    else
        ScanEveryBlock(q, best);
    std::array<float, ROTD_AZIMUTHS> peaks{};
    for (int a = 0; a < ROTD_AZIMUTHS; ++a) peaks[static_cast<size_t>(a)] = static_cast<float>(best[a]);
    return peaks;
}

}  // namespace tremblo
