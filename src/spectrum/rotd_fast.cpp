#include "spectrum/rotd_fast.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <memory>
#include <vector>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "spectrum/rotd_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "compute/simd_round-inl.h"
#include "spectrum/sdof_lanes-inl.h"

#include "compute/parallel_workers.h"
#include "spectrum/azimuth_search.h"
#include "spectrum/oscillator_group.h"
#include "spectrum/sdof_response.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// The smallest and largest value of each stored quantity since the last
// Reset; with a history, also every value (at row: quantity by quantity,
// OSCILLATOR_GROUP lanes each).
template <int V, class DF>
struct RangeSink {
    using VF = hn::Vec<DF>;
    VF lo[SPECTRUM_QUANTITIES][V], hi[SPECTRUM_QUANTITIES][V];
    DF df;
    size_t lanes = 0;
    float* row = nullptr;
    HWY_INLINE void Reset(DF df) {
        const VF inf = hn::Set(df, std::numeric_limits<float>::infinity());
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
            for (int k = 0; k < V; ++k) {
                lo[q][k] = inf;
                hi[q][k] = hn::Neg(inf);
            }
    }
    HWY_INLINE void Take(int q, int k, VF value) {
        lo[q][k] = hn::Min(lo[q][k], value);
        hi[q][k] = hn::Max(hi[q][k], value);
        if (row != nullptr) hn::StoreU(value, df, row + q * OSCILLATOR_GROUP + k * lanes);
    }
    HWY_INLINE void Acc(int k, VF value) { Take(SA, k, value); }
    HWY_INLINE void Vel(int k, VF value) { Take(SV, k, value); }
    HWY_INLINE void Disp(int k, VF value) { Take(SD, k, value); }
};

template <int V, class D>
HWY_INLINE void SummarizeLanes(D d, const double* g, const float* gf, int n, double dt, double dt2,
                               const OscillatorGroup& lanes, int first, float* summary, float* history) {
    const hn::Rebind<float, D> df;
    const size_t L = hn::Lanes(d);
    SdofLanes<V, D> state(d, dt, dt2, lanes, first);
    RangeSink<V, decltype(df)> ranges;
    ranges.lanes = L;
    for (int start = 0; start < n; start += ROTD_BLOCK) {
        float* out = summary + static_cast<size_t>(start / ROTD_BLOCK) * ROTD_SUMMARY_STRIDE + first;
        for (int k = 0; k < V; ++k) {
            hn::StoreU(RoundToFloat(df, state.a[k]), df, out + kStateA * OSCILLATOR_GROUP + k * L);
            hn::StoreU(RoundToFloat(df, state.v[k]), df, out + kStateV * OSCILLATOR_GROUP + k * L);
            hn::StoreU(RoundToFloat(df, state.x[k]), df, out + kStateX * OSCILLATOR_GROUP + k * L);
        }
        ranges.Reset(df);
        const int end = std::min(n, start + ROTD_BLOCK);
        for (int i = start; i < end; ++i) {
            if (history != nullptr) ranges.row = history + static_cast<size_t>(i) * ROTD_HISTORY_STRIDE + first;
            state.Step(d, hn::Set(d, g[i]), hn::Set(df, gf[i]), ranges);
        }
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
            for (int k = 0; k < V; ++k) {
                hn::StoreU(ranges.lo[q][k], df, out + (kLowSA + 2 * q) * OSCILLATOR_GROUP + k * L);
                hn::StoreU(ranges.hi[q][k], df, out + (kHighSA + 2 * q) * OSCILLATOR_GROUP + k * L);
            }
    }
}

template <int V, class D>
HWY_INLINE int SummarizeVectors(D d, const double* g, const float* gf, int n, double dt, double dt2,
                                const OscillatorGroup& lanes, float* summary, float* history, int first, int count) {
    const int block = static_cast<int>(hn::Lanes(d)) * V;
    for (int b = 0; b < count; ++b, first += block)
        SummarizeLanes<V>(d, g, gf, n, dt, dt2, lanes, first, summary, history);
    return first;
}

// Vectors side by side: fewer than the spectrum kernel's, as every vector
// here also carries six running ranges.
void SummarizeGroup(const double* g, const float* gf, int n, double dt, double dt2,
                    const OscillatorGroup& lanes, float* summary, float* history) {
    const hn::ScalableTag<double> d;
    const int L = static_cast<int>(hn::Lanes(d));
    const int first =
        SummarizeVectors<5>(d, g, gf, n, dt, dt2, lanes, summary, history, 0, OSCILLATOR_GROUP / (5 * L));
    SummarizeVectors<1>(d, g, gf, n, dt, dt2, lanes, summary, history, first, (OSCILLATOR_GROUP - first) / L);
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tremblo {

HWY_EXPORT(SummarizeGroup);

namespace {

constexpr int kOscillators = DAMPING_COUNT * PERIOD_COUNT;

}  // namespace

RotDSelection RotDSelection::All() {
    RotDSelection all;
    for (int o = 0; o < kOscillators; ++o) all.oscillators.push_back(o);
    return all;
}

void ComputeRotDFast(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                     const DampingRatios& dampingRatios, RotDTable& table, int workers,
                     const RotDSelection& selection, std::size_t historyBudget) {
    n = std::max(n, 0);
    const std::vector<int>& chosen = selection.oscillators;
    const int chosenCount = static_cast<int>(chosen.size());
    const int groups = (chosenCount + OSCILLATOR_GROUP - 1) / OSCILLATOR_GROUP;
    if (groups == 0) return;
    const std::vector<double> wide[2] = {std::vector<double>(ns, ns + n), std::vector<double>(ew, ew + n)};
    const float* ground[2] = {ns, ew};
    const double dtWide = dt;
    const double dt2 = static_cast<float>(dtWide * dt);
    const size_t summarySize = static_cast<size_t>(RotDBlockCount(n)) * ROTD_SUMMARY_STRIDE;
    // Short windows keep every response (no block is integrated twice);
    // long ones keep only the summaries.
    const size_t historySize = static_cast<size_t>(n) * ROTD_HISTORY_STRIDE;
    const bool keepHistory = 2 * historySize * sizeof(float) <= historyBudget;

    // Let the dispatcher settle on a target before the workers read it.
    OscillatorGroup empty{};
    HWY_DYNAMIC_DISPATCH(SummarizeGroup)(nullptr, nullptr, 0, dtWide, dt2, empty, nullptr, nullptr);
    const auto kernel = HWY_DYNAMIC_DISPATCH(SummarizeGroup);

    if (workers <= 0) workers = DefaultWorkerCount();
    workers = std::clamp(workers, 1, std::min(groups, ROTD_MAX_WORKERS));
    // Every worker's buffers are allocated here, so that a shortage throws
    // std::bad_alloc to the caller.
    // The kernel writes every entry it reads back: no need to clear them.
    struct WorkerBuffers {
        std::unique_ptr<float[]> summaries[2], histories[2];
        AzimuthSearch search;
        WorkerBuffers(size_t size, size_t history, int n, float dt, const float* ns, const float* ew)
            : summaries{std::make_unique_for_overwrite<float[]>(size), std::make_unique_for_overwrite<float[]>(size)},
              search(n, dt, ns, ew) {
            if (history == 0) return;
            for (auto& h : histories) h = std::make_unique_for_overwrite<float[]>(history);
        }
        float* history(int c) { return histories[c].get(); }
    };
    std::vector<std::unique_ptr<WorkerBuffers>> buffers;
    for (int w = 0; w < workers; ++w)
        buffers.push_back(std::make_unique<WorkerBuffers>(summarySize, keepHistory ? historySize : 0, n, dt, ns, ew));
    std::atomic<int> nextItem{0};
    RunOnWorkers(workers, [&](int worker) {
        WorkerBuffers& own = *buffers[static_cast<size_t>(worker)];
        const std::unique_ptr<float[]>* summaries = own.summaries;
        AzimuthSearch& search = own.search;
        OscillatorGroup group;
        SdofConstants constants[OSCILLATOR_GROUP];
        for (int item = nextItem++; item < groups; item = nextItem++) {
            const int first = item * OSCILLATOR_GROUP;
            const int count = std::min(OSCILLATOR_GROUP, chosenCount - first);
            for (int lane = 0; lane < OSCILLATOR_GROUP; ++lane) {
                // Lanes past the last oscillator repeat it; their results are dropped.
                const int o = chosen[static_cast<size_t>(first + std::min(lane, count - 1))];
                const SdofConstants k = MakeSdofConstants(dt, periods.periods[o % PERIOD_COUNT],
                                                          dampingRatios[o / PERIOD_COUNT]);
                constants[lane] = k;
                group.twoHOmega[lane] = k.twoHOmega;
                group.omega2[lane] = k.omega2;
                group.negDen[lane] = -k.den;
            }
            for (int c = 0; c < 2; ++c)
                kernel(wide[c].data(), ground[c], n, dtWide, dt2, group, summaries[c].get(), own.history(c));
            for (int lane = 0; lane < count; ++lane) {
                const int o = chosen[static_cast<size_t>(first + lane)];
                search.Load(constants[lane], summaries[0].get(), summaries[1].get(), lane, own.history(0),
                            own.history(1));
                for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                    if (selection.quantities[static_cast<size_t>(q)])
                        table.at(o / PERIOD_COUNT, q, o % PERIOD_COUNT) = SummarizeAzimuthPeaks(search.Peaks(q));
            }
        }
    });
}

}  // namespace tremblo
#endif  // HWY_ONCE
