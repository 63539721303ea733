#include "spectrum/azimuth_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tremblo {

namespace {

// Support directions and, for every azimuth and its opposite, the two
// directions beside it with their weights: a unit vector between directions
// u1 and u2 (angle D apart) is (sin(a2 - t) u1 + sin(t - a1) u2) / sin D.
struct SupportWeights {
    double cos[16], sin[16];
    AzimuthDirection direction[ROTD_AZIMUTHS];
    int first[2 * ROTD_AZIMUTHS];
    double w1[2 * ROTD_AZIMUTHS], w2[2 * ROTD_AZIMUTHS];
    SupportWeights() {
        const double step = 3.141592653589793 / 8;
        for (int k = 0; k < 8; ++k) {
            cos[k] = std::cos(k * step);
            sin[k] = std::sin(k * step);
            cos[k + 8] = -cos[k];  // exactly opposite
            sin[k + 8] = -sin[k];
        }
        for (int a = 0; a < ROTD_AZIMUTHS; ++a) direction[a] = AzimuthDirectionOf(a);
        for (int a = 0; a < 2 * ROTD_AZIMUTHS; ++a) {
            const double t = a * (3.141592653589793 / 180.0);
            const int k = std::min(static_cast<int>(t / step), 15);
            first[a] = k;
            w1[a] = std::max(0.0, std::sin((k + 1) * step - t) / std::sin(step));
            w2[a] = std::max(0.0, std::sin(t - k * step) / std::sin(step));
        }
    }
};

const SupportWeights kWeights;

// Widening of a polygon bound, relative to the points' size: the bound, the
// projections, the weights and the combined values each carry rounding
// errors of a few units in the 16th digit of that size.
constexpr double kSupportMargin = 1e-9;

}  // namespace

AzimuthSearch::AzimuthSearch(int n, const float* ns, const float* ew) : n_(n), ground_{ns, ew} {}

// Arrays for `steps` sub-steps; they keep their memory for later oscillators.
void AzimuthSearch::Resize(int steps) {
    for (std::size_t i = 0; i < replayedCount_; ++i) replayedSlot_[static_cast<size_t>(replayed_[i].block)] = -1;
    replayedCount_ = 0;
    if (steps == steps_) return;
    steps_ = steps;
    blocks_ = RotDBlockCount(steps);
    supers_ = (blocks_ + ROTD_SUPER_BLOCK - 1) / ROTD_SUPER_BLOCK;
    const size_t padded = static_cast<size_t>(supers_) * ROTD_SUPER_BLOCK;
    for (auto& h : groupSupports_) h.resize(static_cast<size_t>(supers_));
    groupScales_.resize(static_cast<size_t>(supers_));
    groupBounds_.resize(static_cast<size_t>(supers_));
    replayedSlot_.assign(static_cast<size_t>(blocks_), -1);
    for (int c = 0; c < 2; ++c) {
        states_[c].resize(static_cast<size_t>(blocks_));
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
            low_[c][q].assign(padded, 0.0f);
            high_[c][q].assign(padded, 0.0f);
        }
    }
}

void AzimuthSearch::Load(const RotDOscillator& o, const RotDSummaries& ns, const RotDSummaries& ew, int lane) {
    Resize(RotDStepCount(n_, o.substeps));
    oscillator_ = o;
    history_[0] = ns.history;
    history_[1] = ew.history;
    historyStride_ = ns.stride;
    lane_ = lane;
    boundsUsable_ = true;
    const RotDSummaries* summary[2] = {&ns, &ew};
    for (int c = 0; c < 2; ++c) {
        const int stride = summary[c]->stride;
        for (int b = 0; b < blocks_; ++b) {
            const double* state = summary[c]->states + static_cast<size_t>(b) * kStateFields * stride + lane;
            RotDState& start = states_[c][static_cast<size_t>(b)];
            start.newmark = {static_cast<float>(state[kStateA * stride]), static_cast<float>(state[kStateV * stride]),
                             static_cast<float>(state[kStateX * stride])};
            start.exact = {state[kStateX * stride], state[kStateV * stride]};
            const float* range = summary[c]->ranges + static_cast<size_t>(b) * kRangeFields * stride + lane;
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                const float lo = range[(kLowSA + 2 * q) * stride], hi = range[(kHighSA + 2 * q) * stride];
                boundsUsable_ = boundsUsable_ && std::isfinite(lo) && std::isfinite(hi);
                low_[c][q][static_cast<size_t>(b)] = lo;
                high_[c][q][static_cast<size_t>(b)] = hi;
            }
        }
    }
}

int AzimuthSearch::BlockLength(int block) const { return std::min(ROTD_BLOCK, steps_ - block * ROTD_BLOCK); }

AzimuthSearch::ReplayedBlock& AzimuthSearch::Replay(int block) {
    int& slotIndex = replayedSlot_[static_cast<size_t>(block)];
    if (slotIndex >= 0) return replayed_[static_cast<size_t>(slotIndex)];
    if (replayedCount_ == replayed_.size()) replayed_.emplace_back();
    slotIndex = static_cast<int>(replayedCount_++);
    ReplayedBlock& slot = replayed_[static_cast<size_t>(slotIndex)];
    slot.block = block;
    const int start = block * ROTD_BLOCK;
    const int count = BlockLength(block);
    if (history_[0] != nullptr) {
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < count; ++i) {
                const float* step = history_[c] + static_cast<size_t>(start + i) * SPECTRUM_QUANTITIES * historyStride_ + lane_;
                for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) slot.values[c][q][i] = step[q * historyStride_];
            }
    } else {
        // The two components side by side: two independent chains of steps.
        const SubStepGrounds grounds[2] = {{ground_[0], oscillator_.substeps}, {ground_[1], oscillator_.substeps}};
        RotDState s[2] = {states_[0][static_cast<size_t>(block)], states_[1][static_cast<size_t>(block)]};
        float values[SPECTRUM_QUANTITIES];
        for (int i = 0; i < count; ++i) {
            for (int c = 0; c < 2; ++c) {
                StepRotD(oscillator_, grounds[c], start + i, s[c], values);
                for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) slot.values[c][q][i] = values[q];
            }
        }
    }
    std::fill(std::begin(slot.supportMade), std::end(slot.supportMade), false);
    return slot;
}

// The polygon of a replayed block's points of quantity q, made when first needed.
const AzimuthSearch::Support& AzimuthSearch::BlockSupport(ReplayedBlock& slot, int q) {
    Support& support = slot.support[q];
    if (slot.supportMade[q]) return support;
    slot.supportMade[q] = true;
    const int count = BlockLength(slot.block);
    const float* xs = slot.values[0][q];
    const float* ys = slot.values[1][q];
    // Directions k and k + 8 are opposite: one projection gives both supports.
    constexpr int kAxes = kSupportDirections / 2;
    double high[kAxes], low[kAxes];
    std::fill(std::begin(high), std::end(high), -std::numeric_limits<double>::infinity());
    std::fill(std::begin(low), std::end(low), std::numeric_limits<double>::infinity());
    support.scale = 0.0;
    for (int i = 0; i < count; ++i) {
        const double x = xs[i], y = ys[i];
        for (int k = 0; k < kAxes; ++k) {
            const double p = kWeights.cos[k] * x + kWeights.sin[k] * y;
            high[k] = std::max(high[k], p);
            low[k] = std::min(low[k], p);
        }
        support.scale = std::max(support.scale, std::fabs(x) + std::fabs(y));
    }
    for (int k = 0; k < kAxes; ++k) {
        support.h[k] = high[k];
        support.h[k + kAxes] = -low[k];
    }
    return support;
}

// Rounding to single precision is monotonic and symmetric, so the largest
// |ResponseAlong| of the block is its largest |double value| rounded once.
float AzimuthSearch::ScanBlock(const AzimuthDirection& d, int azimuth, int q, int block, float best,
                               float& bestNs, float& bestEw) {
    ReplayedBlock& r = Replay(block);
    if (boundsUsable_ && SupportBound(azimuth, BlockSupport(r, q)) <= best) return best;
    const float* ns = r.values[0][q];
    const float* ew = r.values[1][q];
    const int count = BlockLength(block);
    double largest[4] = {0.0, 0.0, 0.0, 0.0};
    int i = 0;
    for (; i + 4 <= count; i += 4)
        for (int l = 0; l < 4; ++l) largest[l] = std::max(largest[l], std::fabs(d.c * ns[i + l] + d.s * ew[i + l]));
    for (; i < count; ++i) largest[0] = std::max(largest[0], std::fabs(d.c * ns[i] + d.s * ew[i]));
    const float blockPeak =
        static_cast<float>(std::max(std::max(largest[0], largest[1]), std::max(largest[2], largest[3])));
    if (!(blockPeak > best)) return best;
    for (i = 0; i < count; ++i) {
        if (std::fabs(ResponseAlong(d, ns[i], ew[i])) == blockPeak) {
            bestNs = ns[i];
            bestEw = ew[i];
            break;
        }
    }
    return blockPeak;
}

// Each group's support in the 16 directions: the largest value over the
// corners of its blocks' boxes.
void AzimuthSearch::BuildSupports(int q) {
    const float *xLow = low_[0][q].data(), *xHigh = high_[0][q].data();
    const float *yLow = low_[1][q].data(), *yHigh = high_[1][q].data();
    for (int s = 0; s < supers_; ++s) {
        double h[kSupportDirections];
        std::fill(std::begin(h), std::end(h), -std::numeric_limits<double>::infinity());
        double scale = 0.0;
        const int first = s * ROTD_SUPER_BLOCK, last = std::min(blocks_, first + ROTD_SUPER_BLOCK);
        for (int b = first; b < last; ++b) {
            scale = std::max(scale, static_cast<double>(std::max(std::fabs(xLow[b]), std::fabs(xHigh[b]))) +
                                        std::max(std::fabs(yLow[b]), std::fabs(yHigh[b])));
            for (int k = 0; k < kSupportDirections; ++k) {
                const double cx = kWeights.cos[k] >= 0.0 ? xHigh[b] : xLow[b];
                const double cy = kWeights.sin[k] >= 0.0 ? yHigh[b] : yLow[b];
                h[k] = std::max(h[k], kWeights.cos[k] * cx + kWeights.sin[k] * cy);
            }
        }
        for (int k = 0; k < kSupportDirections; ++k) groupSupports_[k][static_cast<size_t>(s)] = h[k];
        groupScales_[static_cast<size_t>(s)] = scale;
    }
}

// The polygon bounds of every group along the azimuth, side by side.
void AzimuthSearch::GroupBounds(int azimuth) {
    const int a1 = azimuth, a2 = azimuth + ROTD_AZIMUTHS;
    const int k1 = kWeights.first[a1], k2 = (k1 + 1) % kSupportDirections;
    const int k3 = kWeights.first[a2], k4 = (k3 + 1) % kSupportDirections;
    const double w1 = kWeights.w1[a1], w2 = kWeights.w2[a1], w3 = kWeights.w1[a2], w4 = kWeights.w2[a2];
    const double *h1 = groupSupports_[k1].data(), *h2 = groupSupports_[k2].data();
    const double *h3 = groupSupports_[k3].data(), *h4 = groupSupports_[k4].data();
    const double* scale = groupScales_.data();
    double* bound = groupBounds_.data();
    for (int s = 0; s < supers_; ++s)
        bound[s] = std::max(w1 * h1[s] + w2 * h2[s], w3 * h3[s] + w4 * h4[s]) + kSupportMargin * scale[s];
}

// A bound of |combined value| along the azimuth over the points of a polygon.
double AzimuthSearch::SupportBound(int azimuth, const Support& support) const {
    double bound = 0.0;
    for (const int a : {azimuth, azimuth + ROTD_AZIMUTHS}) {
        const int k1 = kWeights.first[a], k2 = (k1 + 1) % kSupportDirections;
        bound = std::max(bound, kWeights.w1[a] * support.h[k1] + kWeights.w2[a] * support.h[k2]);
    }
    return bound + kSupportMargin * support.scale;
}

// The exact box bounds of the blocks of group s along the azimuth, side by
// side (the far corner's arrays chosen once by the direction's signs).
void AzimuthSearch::BlockBounds(const AzimuthDirection& d, int q, int s, double* bound) const {
    const size_t first = static_cast<size_t>(s) * ROTD_SUPER_BLOCK;
    const float* xFar = (d.c >= 0.0 ? high_[0][q] : low_[0][q]).data() + first;
    const float* xNear = (d.c >= 0.0 ? low_[0][q] : high_[0][q]).data() + first;
    const float* yFar = (d.s >= 0.0 ? high_[1][q] : low_[1][q]).data() + first;
    const float* yNear = (d.s >= 0.0 ? low_[1][q] : high_[1][q]).data() + first;
    for (int b = 0; b < ROTD_SUPER_BLOCK; ++b) {
        const double upper = d.c * xFar[b] + d.s * yFar[b];
        const double lower = d.c * xNear[b] + d.s * yNear[b];
        bound[b] = std::max(upper, -lower);
    }
}

std::array<float, ROTD_AZIMUTHS> AzimuthSearch::Peaks(int q) {
    if (boundsUsable_) BuildSupports(q);
    std::array<float, ROTD_AZIMUTHS> peaks{};
    double blockBounds[ROTD_SUPER_BLOCK];
    // The point that gave the previous azimuth's peak starts the next search:
    // neighbouring azimuths mostly peak at the same step.
    float seedNs = 0.0f, seedEw = 0.0f;
    for (int azimuth = 0; azimuth < ROTD_AZIMUTHS; ++azimuth) {
        const AzimuthDirection& d = kWeights.direction[azimuth];
        float best = std::fabs(ResponseAlong(d, seedNs, seedEw));
        if (boundsUsable_) GroupBounds(azimuth);
        for (int s = 0; s < supers_; ++s) {
            if (boundsUsable_ && groupBounds_[static_cast<size_t>(s)] <= best) continue;
            BlockBounds(d, q, s, blockBounds);
            const int first = s * ROTD_SUPER_BLOCK, count = std::min(blocks_ - first, ROTD_SUPER_BLOCK);
            for (int b = 0; b < count; ++b) {
                if (boundsUsable_ && blockBounds[b] <= best) continue;
                best = ScanBlock(d, azimuth, q, first + b, best, seedNs, seedEw);
            }
        }
        peaks[static_cast<size_t>(azimuth)] = best;
    }
    return peaks;
}

}  // namespace tremblo
