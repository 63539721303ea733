#include "spectrum/rotd_fast.h"

#include <algorithm>
#include <cmath>
#include <atomic>
#include <limits>
#include <memory>
#include <vector>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "spectrum/rotd_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "compute/simd_round-inl.h"
#include "spectrum/exact_lanes-inl.h"
#include "spectrum/sdof_lanes-inl.h"

#include "compute/parallel_workers.h"
#include "spectrum/azimuth_search.h"
#include "spectrum/oscillator_group.h"
#include "spectrum/rotd_oscillator.h"

#ifndef TREMBLO_SPECTRUM_ROTD_KERNEL_TYPES
#define TREMBLO_SPECTRUM_ROTD_KERNEL_TYPES
namespace tremblo {

// What one run of the kernel integrates: one component under ground[0 ..
// n-1], `count` lanes of a group with `substeps` sub-steps per interval; the
// Newmark lanes step dt with dt2 its square stored in single precision.
struct RotDKernelInput {
    const float* ground = nullptr;
    int n = 0;
    int substeps = 1;
    bool exact = false;
    double dt = 0.0;
    double dt2 = 0.0;
    int count = 0;
    int stride = 0;  // lanes per row of the outputs, at least count rounded up to whole vectors
};

// Where it leaves the summaries (RotDSummaries' layout); history may be null.
// The velocity kernel fills only the SV rows of the ranges, a history of SV
// alone (one row per sub-step), and each lane's peaks |SV| and |SD| over the
// whole window into peakVel and peakDisp.
struct RotDKernelOutput {
    double* states = nullptr;
    float* ranges = nullptr;
    float* history = nullptr;
    float* peakVel = nullptr;
    float* peakDisp = nullptr;
};

// The sample and the sub-step within it of consecutive sub-steps.
struct SubStepCursor {
    int m;
    int i = 0;
    int s = 1;
    explicit SubStepCursor(int substeps) : m(substeps) {}
    float Previous(const float* g) const { return i > 0 ? g[i - 1] : 0.0f; }
    // The ground acceleration at the end of the sub-step, as SubStepGrounds gives it.
    double End(const float* g) const { return SubStepGround(Previous(g), g[i], s, m); }
    float EndSingle(const float* g) const { return m == 1 ? g[i] : SubStepGroundSingle(Previous(g), g[i], s, m); }
    void Next() {
        if (++s > m) {
            s = 1;
            ++i;
        }
    }
};

}  // namespace tremblo
#endif  // TREMBLO_SPECTRUM_ROTD_KERNEL_TYPES

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// The smallest and largest value of each stored quantity since the last
// Reset; with a history row, also every value (quantity by quantity,
// `stride` lanes each).
template <int V, class DF>
struct RangeSink {
    using VF = hn::Vec<DF>;
    VF lo[SPECTRUM_QUANTITIES][V], hi[SPECTRUM_QUANTITIES][V];
    DF df;
    size_t lanes = 0;
    int stride = 0;
    float* row = nullptr;
    HWY_INLINE void Reset() {
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
        if (row != nullptr) hn::StoreU(value, df, row + q * stride + k * lanes);
    }
    HWY_INLINE void Acc(int k, VF value) { Take(SA, k, value); }
    HWY_INLINE void Vel(int k, VF value) { Take(SV, k, value); }
    HWY_INLINE void Disp(int k, VF value) { Take(SD, k, value); }
    HWY_INLINE void Store(float* ranges, int first) const {
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
            for (int k = 0; k < V; ++k) {
                hn::StoreU(lo[q][k], df, ranges + (kLowSA + 2 * q) * stride + first + k * lanes);
                hn::StoreU(hi[q][k], df, ranges + (kHighSA + 2 * q) * stride + first + k * lanes);
            }
    }
};

// Block by block over all sub-steps: the lanes' state at each block's
// start, then its sub-steps into the ranges (and the history).
template <int V, class DF, class Lanes>
HWY_INLINE void SummarizeBlocks(DF df, const RotDKernelInput& in, const RotDKernelOutput& out, int first,
                                Lanes& lanes) {
    RangeSink<V, DF> ranges;
    ranges.df = df;
    ranges.lanes = hn::Lanes(df);
    ranges.stride = in.stride;
    const int steps = in.n * in.substeps;
    for (int start = 0; start < steps; start += ROTD_BLOCK) {
        const size_t block = static_cast<size_t>(start / ROTD_BLOCK);
        lanes.SaveState(out.states + block * kStateFields * in.stride + first, in.stride);
        ranges.Reset();
        const int end = std::min(steps, start + ROTD_BLOCK);
        for (int k = start; k < end; ++k) {
            if (out.history != nullptr)
                ranges.row = out.history + static_cast<size_t>(k) * SPECTRUM_QUANTITIES * in.stride + first;
            lanes.Step(ranges);
        }
        ranges.Store(out.ranges + block * kRangeFields * in.stride, first);
    }
}

// Newmark lanes at consecutive sub-steps.
template <int V, class D>
struct NewmarkRotDLanes {
    D d;
    hn::Rebind<float, D> df;
    SdofLanes<V, D> state;
    SubStepCursor cursor;
    const float* ground;
    NewmarkRotDLanes(D d, const RotDKernelInput& in, const OscillatorGroup& lanes, int first)
        : d(d), state(d, in.dt, in.dt2, lanes, first), cursor(in.substeps), ground(in.ground) {}
    HWY_INLINE void SaveState(double* states, int stride) const {
        const size_t L = hn::Lanes(d);
        for (int k = 0; k < V; ++k) {
            hn::StoreU(state.a[k], d, states + kStateA * stride + k * L);
            hn::StoreU(state.v[k], d, states + kStateV * stride + k * L);
            hn::StoreU(state.x[k], d, states + kStateX * stride + k * L);
        }
    }
    template <class Sink>
    HWY_INLINE void Step(Sink& sink) {
        const float g = cursor.EndSingle(ground);
        cursor.Next();
        state.Step(d, hn::Set(d, g), hn::Set(df, g), sink);
    }
};

// Exact lanes at consecutive sub-steps; their stored values are the double
// state rounded once, the absolute acceleration -(2 h w v + w^2 x).
template <int V, class D>
struct ExactRotDLanes {
    D d;
    hn::Rebind<float, D> df;
    ExactLanes<V, D> state;
    SubStepCursor cursor;
    const float* ground;
    double from = 0.0;
    ExactRotDLanes(D d, const RotDKernelInput& in, const OscillatorGroup& lanes, int first)
        : d(d), state(d, lanes, first), cursor(in.substeps), ground(in.ground) {}
    HWY_INLINE void SaveState(double* states, int stride) const {
        const size_t L = hn::Lanes(d);
        for (int k = 0; k < V; ++k) {
            hn::StoreU(hn::Zero(d), d, states + kStateA * stride + k * L);
            hn::StoreU(state.v[k], d, states + kStateV * stride + k * L);
            hn::StoreU(state.x[k], d, states + kStateX * stride + k * L);
        }
    }
    template <class Sink>
    HWY_INLINE void Step(Sink& sink) {
        const double to = cursor.End(ground);
        cursor.Next();
        state.Advance(hn::Set(d, from), hn::Set(d, to));
        from = to;
        for (int k = 0; k < V; ++k) {
            sink.Acc(k, RoundToFloat(df, hn::Neg(state.Restoring(k))));
            sink.Vel(k, RoundToFloat(df, state.v[k]));
            sink.Disp(k, RoundToFloat(df, state.x[k]));
        }
    }
};

// Summarizes `count` blocks of V vectors from lane `first` on; returns the
// first lane left.
template <int V, class D>
HWY_INLINE int SummarizeVectors(D d, const RotDKernelInput& in, const OscillatorGroup& lanes,
                                const RotDKernelOutput& out, int first, int count) {
    const int block = static_cast<int>(hn::Lanes(d)) * V;
    for (int b = 0; b < count; ++b, first += block) {
        const hn::Rebind<float, D> df;
        if (in.exact) {
            ExactRotDLanes<V, D> exact(d, in, lanes, first);
            SummarizeBlocks<V>(df, in, out, first, exact);
        } else {
            NewmarkRotDLanes<V, D> newmark(d, in, lanes, first);
            SummarizeBlocks<V>(df, in, out, first, newmark);
        }
    }
    return first;
}

// Vectors side by side: fewer than the spectrum kernel's, as every vector
// here also carries six running ranges; the exact lanes carry more
// coefficients still. Only the vectors holding the first `count` lanes run.
void SummarizeGroup(const RotDKernelInput& in, const OscillatorGroup& lanes, const RotDKernelOutput& out) {
    const hn::ScalableTag<double> d;
    const int L = static_cast<int>(hn::Lanes(d));
    const int used = std::min((in.count + L - 1) / L * L, in.stride);
    const int wide = in.exact ? 2 : 5;
    int first = 0;
    if (in.exact)
        first = SummarizeVectors<2>(d, in, lanes, out, 0, used / (wide * L));
    else
        first = SummarizeVectors<5>(d, in, lanes, out, 0, used / (wide * L));
    SummarizeVectors<1>(d, in, lanes, out, first, (used - first) / L);
}

// Exact lanes block by block keeping only what a search along the azimuths
// of SV and the components' SV and SD peaks read. The block's range is taken
// in double and rounded once at its end: rounding is monotone, so it equals
// the range of the rounded values; likewise the peak |SD|.
template <int V, class D>
HWY_INLINE void SummarizeVelocityVectors(D d, const RotDKernelInput& in, const OscillatorGroup& lanes,
                                         const RotDKernelOutput& out, int first) {
    using VD = hn::Vec<D>;
    const hn::Rebind<float, D> df;
    const size_t L = hn::Lanes(d);
    const size_t stride = static_cast<size_t>(in.stride);
    ExactLanes<V, D> state(d, lanes, first);
    SubStepCursor cursor(in.substeps);
    double from = 0.0;
    VD peakV[V], peakX[V], lo[V], hi[V];
    const VD inf = hn::Set(d, std::numeric_limits<double>::infinity());
    for (int k = 0; k < V; ++k) peakV[k] = peakX[k] = hn::Zero(d);
    const int steps = in.n * in.substeps;
    for (int start = 0; start < steps; start += ROTD_BLOCK) {
        const size_t block = static_cast<size_t>(start / ROTD_BLOCK);
        double* states = out.states + block * kStateFields * stride + first;
        for (int k = 0; k < V; ++k) {
            hn::StoreU(hn::Zero(d), d, states + kStateA * stride + k * L);
            hn::StoreU(state.v[k], d, states + kStateV * stride + k * L);
            hn::StoreU(state.x[k], d, states + kStateX * stride + k * L);
            lo[k] = inf;
            hi[k] = hn::Neg(inf);
        }
        const int end = std::min(steps, start + ROTD_BLOCK);
        for (int i = start; i < end; ++i) {
            const double to = cursor.End(in.ground);
            cursor.Next();
            state.Advance(hn::Set(d, from), hn::Set(d, to));
            from = to;
            float* row = out.history == nullptr
                             ? nullptr
                             : out.history + static_cast<size_t>(i) * stride + first;
#pragma GCC unroll 16
            for (int k = 0; k < V; ++k) {
                lo[k] = hn::Min(lo[k], state.v[k]);
                hi[k] = hn::Max(hi[k], state.v[k]);
                peakX[k] = hn::Max(peakX[k], hn::Abs(state.x[k]));
                if (row != nullptr) hn::StoreU(RoundToFloat(df, state.v[k]), df, row + k * L);
            }
        }
        float* ranges = out.ranges + block * kRangeFields * stride + first;
        for (int k = 0; k < V; ++k) {
            peakV[k] = hn::Max(peakV[k], hn::Max(hn::Abs(lo[k]), hn::Abs(hi[k])));
            hn::StoreU(RoundToFloat(df, lo[k]), df, ranges + kLowSV * stride + k * L);
            hn::StoreU(RoundToFloat(df, hi[k]), df, ranges + kHighSV * stride + k * L);
        }
    }
    for (int k = 0; k < V; ++k) {
        hn::StoreU(RoundToFloat(df, peakV[k]), df, out.peakVel + first + k * L);
        hn::StoreU(RoundToFloat(df, peakX[k]), df, out.peakDisp + first + k * L);
    }
}

// The exact lanes of a group for a search of SV alone: two vectors side by
// side, then one at a time.
void SummarizeVelocityGroup(const RotDKernelInput& in, const OscillatorGroup& lanes, const RotDKernelOutput& out) {
    const hn::ScalableTag<double> d;
    const int L = static_cast<int>(hn::Lanes(d));
    const int used = std::min((in.count + L - 1) / L * L, in.stride);
    int first = 0;
    for (; first + 2 * L <= used; first += 2 * L) SummarizeVelocityVectors<2>(d, in, lanes, out, first);
    for (; first < used; first += L) SummarizeVelocityVectors<1>(d, in, lanes, out, first);
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tremblo {

HWY_EXPORT(SummarizeGroup);
HWY_EXPORT(SummarizeVelocityGroup);

namespace {

constexpr int kOscillators = DAMPING_COUNT * PERIOD_COUNT;
// Rows are padded to whole vectors of the widest target's doubles.
constexpr int kRowAlignment = 8;

// The most memory a thread keeps in workers' buffers from one call to the next.
constexpr size_t kKeptBufferBytes = 16u << 20;

// Oscillators integrated with the same sub-steps, at most a group of them.
struct RotDItem {
    int substeps = 1;
    int steps = 0;   // sub-steps of the window
    int stride = 0;  // lanes per row of its summaries
    std::vector<int> oscillators;
    bool keepHistory = false;
    int historyRows = SPECTRUM_QUANTITIES;  // stored quantities per sub-step
    size_t states() const { return static_cast<size_t>(RotDBlockCount(steps)) * kStateFields * stride; }
    size_t ranges() const { return static_cast<size_t>(RotDBlockCount(steps)) * kRangeFields * stride; }
    size_t history() const { return static_cast<size_t>(steps) * historyRows * stride; }
};

// The oscillators of the list (by their index) grouped by sub-step count,
// the most sub-steps (the longest work) first.
std::vector<RotDItem> PlanItems(std::span<const OscillatorParameters> chosen, OscillatorMethod method, float dt,
                                int n, size_t historyBudget, int historyRows) {
    std::vector<int> order(chosen.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    auto substeps = [&](int o) { return SubStepCount(method, dt, chosen[static_cast<size_t>(o)].period); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return substeps(a) > substeps(b); });
    std::vector<RotDItem> items;
    for (int o : order) {
        const int m = substeps(o);
        if (items.empty() || items.back().substeps != m ||
            static_cast<int>(items.back().oscillators.size()) == ROTD_GROUP)
            items.push_back({m, RotDStepCount(n, m), 0, {}, false});
        items.back().oscillators.push_back(o);
    }
    // A few oscillators rarely scan the same block twice: their blocks are
    // integrated again rather than every response written to fresh memory.
    const bool manyOscillators = chosen.size() >= static_cast<size_t>(ROTD_GROUP);
    for (RotDItem& item : items) {
        const int count = static_cast<int>(item.oscillators.size());
        item.stride = std::min(ROTD_GROUP, (count + kRowAlignment - 1) / kRowAlignment * kRowAlignment);
        item.historyRows = historyRows;
        item.keepHistory = manyOscillators && 2 * item.history() * sizeof(float) <= historyBudget;
    }
    return items;
}

// The lanes' constants in the kernel's layout; lanes past the last
// oscillator repeat it (their results are dropped).
void FillGroup(const std::vector<RotDOscillator>& oscillators, OscillatorGroup& group) {
    const int count = static_cast<int>(oscillators.size());
    for (int lane = 0; lane < ROTD_GROUP; ++lane) {
        const RotDOscillator& o = oscillators[static_cast<size_t>(std::min(lane, count - 1))];
        SetGroupLane(group, lane, o.newmark, o.exact);
    }
}

// One worker's buffers, fitted before the work starts, so that a shortage
// throws std::bad_alloc to the caller. The kernel writes every entry it
// reads back: no need to clear them.
struct WorkerBuffers {
    std::unique_ptr<double[]> states[2];
    std::unique_ptr<float[]> ranges[2], histories[2];
    float peakVel[2][ROTD_GROUP], peakDisp[2][ROTD_GROUP];
    size_t stateCapacity = 0, rangeCapacity = 0, historyCapacity = 0;
    AzimuthSearch search{0, nullptr, nullptr};

    // Room for the sizes given, keeping arrays that are large enough.
    void Fit(size_t stateSize, size_t rangeSize, size_t historySize, int n, const float* ns, const float* ew) {
        search.SetGround(n, ns, ew);
        for (int c = 0; c < 2; ++c) {
            if (stateSize > stateCapacity) states[c] = std::make_unique_for_overwrite<double[]>(stateSize);
            if (rangeSize > rangeCapacity) ranges[c] = std::make_unique_for_overwrite<float[]>(rangeSize);
            if (historySize > historyCapacity) histories[c] = std::make_unique_for_overwrite<float[]>(historySize);
        }
        stateCapacity = std::max(stateCapacity, stateSize);
        rangeCapacity = std::max(rangeCapacity, rangeSize);
        historyCapacity = std::max(historyCapacity, historySize);
    }
    size_t Bytes() const {
        return 2 * (stateCapacity * sizeof(double) + (rangeCapacity + historyCapacity) * sizeof(float));
    }
    RotDKernelOutput Output(int c, bool history) {
        return {states[c].get(), ranges[c].get(), history ? histories[c].get() : nullptr, peakVel[c], peakDisp[c]};
    }
    RotDSummaries Summaries(int c, const RotDItem& item) const {
        return {states[c].get(), ranges[c].get(), item.keepHistory ? histories[c].get() : nullptr, item.stride,
                item.historyRows};
    }
    // The largest |value| of each quantity of component c over the blocks'
    // ranges, a peak replaced only by a strictly greater one (as the spectra
    // keep it): every stored value lies in its block's range, whose ends are
    // stored values.
    // The velocity kernel gives the SV and SD peaks itself (SA's is left at 0).
    OscillatorPeaks ComponentPeaks(int c, const RotDItem& item, int lane, bool velocityOnly) const {
        if (velocityOnly) return {0.0f, peakVel[c][lane], peakDisp[c][lane]};
        float peaks[SPECTRUM_QUANTITIES] = {};
        const int blocks = RotDBlockCount(item.steps);
        for (int b = 0; b < blocks; ++b) {
            const float* range = ranges[c].get() + static_cast<size_t>(b) * kRangeFields * item.stride + lane;
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                const float low = std::fabs(range[(kLowSA + 2 * q) * item.stride]);
                const float high = std::fabs(range[(kHighSA + 2 * q) * item.stride]);
                if (low > peaks[q]) peaks[q] = low;
                if (high > peaks[q]) peaks[q] = high;
            }
        }
        return {peaks[SA], peaks[SV], peaks[SD]};
    }
};

}  // namespace

RotDSelection RotDSelection::All() {
    RotDSelection all;
    for (int o = 0; o < kOscillators; ++o) all.oscillators.push_back(o);
    return all;
}

void ComputeRotDFast(int n, float dt, const float* ns, const float* ew, const PeriodTable& periods,
                     const DampingRatios& dampingRatios, RotDTable& table, int workers,
                     const RotDSelection& selection, OscillatorMethod method, std::size_t historyBudget) {
    std::vector<OscillatorParameters> oscillators;
    for (int o : selection.oscillators)
        oscillators.push_back({periods.periods[o % PERIOD_COUNT], dampingRatios[o / PERIOD_COUNT]});
    ComputeAzimuthPeaksFast(
        n, dt, ns, ew, oscillators, selection.quantities,
        [&](int index, int q, const std::array<float, ROTD_AZIMUTHS>& peaks) {
            const int o = selection.oscillators[static_cast<size_t>(index)];
            table.at(o / PERIOD_COUNT, q, o % PERIOD_COUNT) = SummarizeAzimuthPeaks(peaks);
        },
        workers, method, historyBudget);
}

void ComputeAzimuthPeaksFast(int n, float dt, const float* ns, const float* ew,
                             std::span<const OscillatorParameters> chosen,
                             const std::array<bool, SPECTRUM_QUANTITIES>& quantities, const AzimuthPeaksSink& sink,
                             int workers, OscillatorMethod method, std::size_t historyBudget,
                             const ComponentPeaksSink& componentSink) {
    n = std::max(n, 0);
    // SV alone of exact oscillators: the kernel that keeps no other quantity.
    const bool velocityOnly = method == OscillatorMethod::Exact && !quantities[SA] && quantities[SV] && !quantities[SD];
    const std::vector<RotDItem> items =
        PlanItems(chosen, method, dt, n, historyBudget, velocityOnly ? 1 : SPECTRUM_QUANTITIES);
    const int itemCount = static_cast<int>(items.size());
    if (itemCount == 0) return;
    size_t stateSize = 1, rangeSize = 1, historySize = 0;
    for (const RotDItem& item : items) {
        stateSize = std::max(stateSize, item.states());
        rangeSize = std::max(rangeSize, item.ranges());
        if (item.keepHistory) historySize = std::max(historySize, item.history());
    }
    const float* ground[2] = {ns, ew};

    // Let the dispatcher settle on a target before the workers read it.
    OscillatorGroup empty{};
    HWY_DYNAMIC_DISPATCH(SummarizeGroup)(RotDKernelInput{}, empty, RotDKernelOutput{});
    HWY_DYNAMIC_DISPATCH(SummarizeVelocityGroup)(RotDKernelInput{}, empty, RotDKernelOutput{});
    const auto kernel =
        velocityOnly ? HWY_DYNAMIC_DISPATCH(SummarizeVelocityGroup) : HWY_DYNAMIC_DISPATCH(SummarizeGroup);

    if (workers <= 0) workers = DefaultWorkerCount();
    workers = std::clamp(workers, 1, std::min(itemCount, ROTD_MAX_WORKERS));
    // The calling thread keeps its workers' buffers for the next call, up to
    // kKeptBufferBytes in all: the records of a batch are of a few lengths,
    // and fresh memory costs a page fault per page. Larger ones are made for
    // the call alone.
    thread_local std::vector<std::unique_ptr<WorkerBuffers>> kept;
    std::vector<std::unique_ptr<WorkerBuffers>> once;
    const size_t bytesPerWorker =
        2 * (stateSize * sizeof(double) + (rangeSize + historySize) * sizeof(float));
    const bool keep = bytesPerWorker * static_cast<size_t>(workers) <= kKeptBufferBytes;
    std::vector<std::unique_ptr<WorkerBuffers>>& buffers = keep ? kept : once;
    while (buffers.size() < static_cast<size_t>(workers)) buffers.push_back(std::make_unique<WorkerBuffers>());
    for (int w = 0; w < workers; ++w) {
        WorkerBuffers& own = *buffers[static_cast<size_t>(w)];
        // Arrays kept from a larger call than is kept now are given back first.
        if (keep && own.Bytes() > kKeptBufferBytes) own = WorkerBuffers{};
        own.Fit(stateSize, rangeSize, historySize, n, ns, ew);
    }
    std::atomic<int> nextItem{0};
    RunOnWorkers(workers, [&](int worker) {
        WorkerBuffers& own = *buffers[static_cast<size_t>(worker)];
        OscillatorGroup group;
        std::vector<RotDOscillator> oscillators;
        for (int at = nextItem++; at < itemCount; at = nextItem++) {
            const RotDItem& item = items[static_cast<size_t>(at)];
            oscillators.clear();
            for (int o : item.oscillators) {
                const OscillatorParameters& p = chosen[static_cast<size_t>(o)];
                oscillators.push_back(MakeRotDOscillator(method, dt, p.period, p.damping));
            }
            FillGroup(oscillators, group);
            RotDKernelInput in;
            in.n = n;
            in.substeps = item.substeps;
            in.exact = method == OscillatorMethod::Exact;
            in.dt = oscillators[0].dtSub;
            in.dt2 = static_cast<float>(in.dt * in.dt);
            in.count = static_cast<int>(oscillators.size());
            in.stride = item.stride;
            for (int c = 0; c < 2; ++c) {
                in.ground = ground[c];
                kernel(in, group, own.Output(c, item.keepHistory));
            }
            for (int lane = 0; lane < in.count; ++lane) {
                if (componentSink)
                    componentSink(item.oscillators[static_cast<size_t>(lane)],
                                  own.ComponentPeaks(0, item, lane, velocityOnly),
                                  own.ComponentPeaks(1, item, lane, velocityOnly));
                own.search.Load(oscillators[static_cast<size_t>(lane)], own.Summaries(0, item), own.Summaries(1, item),
                                lane, quantities);
                for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                    if (quantities[static_cast<size_t>(q)]) sink(item.oscillators[static_cast<size_t>(lane)], q, own.search.Peaks(q));
            }
        }
    });
}

}  // namespace tremblo
#endif  // HWY_ONCE
