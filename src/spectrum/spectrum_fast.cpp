#include "spectrum/spectrum_fast.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "spectrum/spectrum_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "compute/simd_round-inl.h"
#include "spectrum/sdof_lanes-inl.h"
#include "spectrum/exact_lanes-inl.h"

#include "spectrum/exact_oscillator.h"
#include "spectrum/oscillator_group.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/rotd_oscillator.h"
#include "spectrum/sdof_response.h"
#include "compute/parallel_workers.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// Keeps the largest absolute value of each stored quantity. Max(new, old)
// keeps the old peak unless the new value is strictly greater (a NaN never
// wins), as FindPeak does.
template <int V, class DF>
struct PeakSink {
    using VF = hn::Vec<DF>;
    VF acc[V], vel[V], disp[V];
    explicit PeakSink(DF df) {
        for (int k = 0; k < V; ++k) acc[k] = vel[k] = disp[k] = hn::Zero(df);
    }
    HWY_INLINE void Acc(int k, VF value) { acc[k] = hn::Max(hn::Abs(value), acc[k]); }
    HWY_INLINE void Vel(int k, VF value) { vel[k] = hn::Max(hn::Abs(value), vel[k]); }
    HWY_INLINE void Disp(int k, VF value) { disp[k] = hn::Max(hn::Abs(value), disp[k]); }
};

// Double-precision peaks of the exact lanes, rounded to single precision
// when stored; without kAcc the acceleration is not even formed.
template <int V, class D, bool kAcc = true>
struct WidePeakSink {
    using VD = hn::Vec<D>;
    VD acc[V], vel[V], disp[V];
    explicit WidePeakSink(D d) {
        for (int k = 0; k < V; ++k) acc[k] = vel[k] = disp[k] = hn::Zero(d);
    }
    HWY_INLINE void Acc(int k, VD magnitude) {
        if constexpr (kAcc) acc[k] = hn::Max(magnitude, acc[k]);
    }
    HWY_INLINE void Vel(int k, VD magnitude) { vel[k] = hn::Max(magnitude, vel[k]); }
    HWY_INLINE void Disp(int k, VD magnitude) { disp[k] = hn::Max(magnitude, disp[k]); }
};

template <int V, class D>
HWY_INLINE void IntegrateNewmarkBlock(D d, const GroupInput& in, OscillatorGroup& lanes, int first) {
    const hn::Rebind<float, D> df;
    const size_t L = hn::Lanes(d);
    SdofLanes<V, D> state(d, in.dt, in.dt2, lanes, first);
    PeakSink<V, decltype(df)> peaks(df);
    if (in.substeps == 1) {
        for (int i = 0; i < in.n; ++i) state.Step(d, hn::Set(d, in.g[i]), hn::Set(df, in.gf[i]), peaks);
    } else {
        float previous = 0.0f;
        for (int i = 0; i < in.n; ++i) {
            for (int s = 1; s <= in.substeps; ++s) {
                const float ground = SubStepGroundSingle(previous, in.gf[i], s, in.substeps);
                state.Step(d, hn::Set(d, ground), hn::Set(df, ground), peaks);
            }
            previous = in.gf[i];
        }
    }
    for (int k = 0; k < V; ++k) {
        hn::StoreU(peaks.acc[k], df, lanes.peakAbsAcc + first + k * L);
        hn::StoreU(peaks.vel[k], df, lanes.peakVel + first + k * L);
        hn::StoreU(peaks.disp[k], df, lanes.peakDisp + first + k * L);
    }
}

template <int V, bool kAcc, class D>
HWY_INLINE void IntegrateExactBlock(D d, const GroupInput& in, OscillatorGroup& lanes, int first) {
    const hn::Rebind<float, D> df;
    const size_t L = hn::Lanes(d);
    ExactLanes<V, D> state(d, lanes, first);
    WidePeakSink<V, D, kAcc> peaks(d);
    double previous = 0.0;
    const int m = in.substeps;
    for (int i = 0; i < in.n; ++i) {
        double from = previous;
        for (int s = 1; s <= m; ++s) {
            const double to = SubStepGround(previous, in.g[i], s, m);
            state.Step(hn::Set(d, from), hn::Set(d, to), peaks);
            from = to;
        }
        previous = in.g[i];
    }
    for (int k = 0; k < V; ++k) {
        hn::StoreU(RoundToFloat(df, peaks.acc[k]), df, lanes.peakAbsAcc + first + k * L);
        hn::StoreU(RoundToFloat(df, peaks.vel[k]), df, lanes.peakVel + first + k * L);
        hn::StoreU(RoundToFloat(df, peaks.disp[k]), df, lanes.peakDisp + first + k * L);
    }
}

// Vectors integrated side by side in one block: enough independent chains
// to hide the latency of a step (a -> vp -> num -> a, about 60 cycles) on
// the 4-lane target. Wider targets fall back to 5 vectors, then 1.
#ifndef TREMBLO_SDOF_VECTORS
#define TREMBLO_SDOF_VECTORS 10
#endif
constexpr int kSdofVectors = TREMBLO_SDOF_VECTORS;
// The exact step's chain (x, v -> x, v) is short but still the bound: three
// vectors hide it best on the 8-lane target (a third faster than two); its
// lanes carry more coefficients, so more vectors spill the registers.
#ifndef TREMBLO_EXACT_VECTORS
#define TREMBLO_EXACT_VECTORS 3
#endif
constexpr int kExactVectors = TREMBLO_EXACT_VECTORS;

// Integrates `count` blocks of V vectors from lane `first` on; returns the
// first lane left.
template <int V, class D>
HWY_INLINE int IntegrateBlocks(D d, const GroupInput& in, OscillatorGroup& lanes, int first, int count) {
    const int block = static_cast<int>(hn::Lanes(d)) * V;
    for (int b = 0; b < count; ++b, first += block) {
        if (in.exact && in.absoluteAcc) {
            IntegrateExactBlock<V, true>(d, in, lanes, first);
        } else if (in.exact) {
            IntegrateExactBlock<V, false>(d, in, lanes, first);
        } else {
            IntegrateNewmarkBlock<V>(d, in, lanes, first);
        }
    }
    return first;
}

// Integrates the group's first `count` lanes (rounded up to whole vectors).
void IntegrateGroup(const GroupInput& in, OscillatorGroup& lanes, int count) {
    const hn::ScalableTag<double> d;
    const int L = static_cast<int>(hn::Lanes(d));
    const int used = std::min((count + L - 1) / L * L, OSCILLATOR_GROUP);
    int first = 0;
    if (in.exact) {
        first = IntegrateBlocks<kExactVectors>(d, in, lanes, 0, used / (kExactVectors * L));
    } else {
        first = IntegrateBlocks<kSdofVectors>(d, in, lanes, 0, used / (kSdofVectors * L));
        first = IntegrateBlocks<5>(d, in, lanes, first, (used - first) / (5 * L));
    }
    IntegrateBlocks<1>(d, in, lanes, first, (used - first) / L);
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tremblo {

HWY_EXPORT(IntegrateGroup);

namespace {

std::unique_ptr<float[]> AllocateFloats(int n) {
    return std::unique_ptr<float[]>(new (std::nothrow) float[static_cast<size_t>(n)]());
}

std::unique_ptr<double[]> AllocateDoubles(int n) {
    return std::unique_ptr<double[]>(new (std::nothrow) double[static_cast<size_t>(n)]());
}

constexpr int kOscillatorsPerComponent = DAMPING_COUNT * PERIOD_COUNT;
constexpr int kGroupsPerComponent =
    (kOscillatorsPerComponent + OSCILLATOR_GROUP - 1) / OSCILLATOR_GROUP;

}  // namespace

FastSpectrumWorkspace::FastSpectrumWorkspace(int capacity) : capacity_(std::max(capacity, 1)) {
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        single_[c] = AllocateFloats(capacity_);
        wide_[c] = AllocateDoubles(capacity_);
    }
}

bool FastSpectrumWorkspace::ok() const {
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        if (!single_[c] || !wide_[c]) return false;
    }
    return true;
}

namespace {

// Oscillators integrated with the same sub-steps, at most a group of them.
struct GroupItem {
    int component = 0;
    int substeps = 1;
    std::vector<int> oscillators;  // damping index * PERIOD_COUNT + period index
};

// Every component's oscillators, grouped by their sub-step count, the most
// sub-steps (the longest work) first.
std::vector<GroupItem> PlanGroups(int componentCount, OscillatorMethod method, float dt,
                                  const PeriodTable& periods) {
    std::vector<int> order(kOscillatorsPerComponent);
    std::vector<int> substeps(PERIOD_COUNT);
    for (int j = 0; j < PERIOD_COUNT; ++j) substeps[j] = SubStepCount(method, dt, periods.periods[j]);
    for (int o = 0; o < kOscillatorsPerComponent; ++o) order[o] = o;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return substeps[a % PERIOD_COUNT] > substeps[b % PERIOD_COUNT];
    });
    std::vector<GroupItem> items;
    for (int c = 0; c < componentCount; ++c) {
        for (int o : order) {
            const int m = substeps[o % PERIOD_COUNT];
            if (items.empty() || items.back().component != c || items.back().substeps != m ||
                static_cast<int>(items.back().oscillators.size()) == OSCILLATOR_GROUP)
                items.push_back({c, m, {}});
            items.back().oscillators.push_back(o);
        }
    }
    return items;
}

// The oscillator's constants, stepped as the spectra step it (the same
// constants the orientation-independent spectra use).
void FillLane(OscillatorGroup& group, int lane, OscillatorMethod method, float dt, float period, float damping) {
    const RotDOscillator o = MakeRotDOscillator(method, dt, period, damping);
    SetGroupLane(group, lane, o.newmark, o.exact);
}

}  // namespace

void ComputeSpectraFast(FastSpectrumWorkspace& workspace, int componentCount, int n, float dt,
                        const PeriodTable& periods, const DampingRatios& dampingRatios,
                        SpectrumTable& spectrum, SpectrumProgress& progress,
                        const SpectrumProgressCallback& report, int workers, OscillatorMethod method) {
    componentCount = std::clamp(componentCount, 0, MAX_COMPONENTS);
    n = std::clamp(n, 0, workspace.capacity());
    for (int c = 0; c < componentCount; ++c) {
        const float* single = workspace.groundAcc(c);
        double* wide = workspace.groundAccDouble(c);
        for (int i = 0; i < n; ++i) wide[i] = single[i];
    }
    const std::vector<GroupItem> items = PlanGroups(componentCount, method, dt, periods);
    const int itemCount = static_cast<int>(items.size());
    std::atomic<int> nextItem{0};
    std::atomic<int> finished{0};
    const int total = componentCount * kOscillatorsPerComponent;
    auto show = [&](int done) {
        progress.overallPosition = done / PERIOD_COUNT;
        // The period bar ends full, not back at the start of a ratio.
        progress.periodPosition = done == total ? PERIOD_COUNT : done % PERIOD_COUNT;
        if (report) report(progress);
    };
    // Let the dispatcher settle on a target before the workers read it.
    OscillatorGroup empty{};
    HWY_DYNAMIC_DISPATCH(IntegrateGroup)(GroupInput{}, empty, 0);
    const auto kernel = HWY_DYNAMIC_DISPATCH(IntegrateGroup);

    if (workers <= 0) workers = DefaultWorkerCount();
    workers = std::max(1, std::min(workers, itemCount));
    show(0);
    RunOnWorkers(workers, [&](int worker) {
        OscillatorGroup group;
        for (int at = nextItem++; at < itemCount; at = nextItem++) {
            const GroupItem& item = items[static_cast<size_t>(at)];
            const int count = static_cast<int>(item.oscillators.size());
            for (int lane = 0; lane < OSCILLATOR_GROUP; ++lane) {
                // Lanes past the last oscillator repeat it; their peaks are dropped.
                const int o = item.oscillators[static_cast<size_t>(std::min(lane, count - 1))];
                FillLane(group, lane, method, dt, periods.periods[o % PERIOD_COUNT],
                         dampingRatios[o / PERIOD_COUNT]);
            }
            GroupInput in;
            in.g = workspace.groundAccDouble(item.component);
            in.gf = workspace.groundAcc(item.component);
            in.n = n;
            in.substeps = item.substeps;
            in.exact = method == OscillatorMethod::Exact;
            const float dtSub = static_cast<float>(static_cast<double>(dt) / item.substeps);
            in.dt = dtSub;
            in.dt2 = static_cast<float>(static_cast<double>(dtSub) * dtSub);
            kernel(in, group, count);
            for (int lane = 0; lane < count; ++lane) {
                const int o = item.oscillators[static_cast<size_t>(lane)];
                const int k = o / PERIOD_COUNT, j = o % PERIOD_COUNT;
                spectrum.at(item.component, k, SA, j) = group.peakAbsAcc[lane];
                spectrum.at(item.component, k, SV, j) = group.peakVel[lane];
                spectrum.at(item.component, k, SD, j) = group.peakDisp[lane];
            }
            const int done = finished += count;
            if (worker == 0) show(done);
        }
    });
    show(total);
}

std::vector<OscillatorPeaks> ComputeOscillatorListFast(std::span<const float> ground, float dt,
                                                       std::span<const OscillatorParameters> oscillators,
                                                       OscillatorMethod method, int workers, bool absoluteAcc) {
    std::vector<OscillatorPeaks> peaks(oscillators.size());
    if (oscillators.empty()) return peaks;
    const int n = static_cast<int>(ground.size());
    const std::vector<double> wide(ground.begin(), ground.end());
    // Groups of equal sub-step counts, the most sub-steps (the longest work) first.
    std::vector<int> order(oscillators.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    auto substeps = [&](int i) { return SubStepCount(method, dt, oscillators[static_cast<size_t>(i)].period); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return substeps(a) > substeps(b); });
    std::vector<std::vector<int>> groups;
    for (int i : order) {
        if (groups.empty() || substeps(groups.back().front()) != substeps(i) ||
            static_cast<int>(groups.back().size()) == OSCILLATOR_GROUP)
            groups.emplace_back();
        groups.back().push_back(i);
    }
    const int groupCount = static_cast<int>(groups.size());
    OscillatorGroup empty{};
    HWY_DYNAMIC_DISPATCH(IntegrateGroup)(GroupInput{}, empty, 0);
    const auto kernel = HWY_DYNAMIC_DISPATCH(IntegrateGroup);
    if (workers <= 0) workers = DefaultWorkerCount();
    workers = std::clamp(workers, 1, groupCount);
    std::atomic<int> nextGroup{0};
    RunOnWorkers(workers, [&](int) {
        OscillatorGroup group;
        for (int at = nextGroup++; at < groupCount; at = nextGroup++) {
            const std::vector<int>& members = groups[static_cast<size_t>(at)];
            const int count = static_cast<int>(members.size());
            for (int lane = 0; lane < OSCILLATOR_GROUP; ++lane) {
                // Lanes past the last oscillator repeat it; their peaks are dropped.
                const OscillatorParameters& o = oscillators[static_cast<size_t>(members[static_cast<size_t>(std::min(lane, count - 1))])];
                FillLane(group, lane, method, dt, o.period, o.damping);
            }
            GroupInput in;
            in.g = wide.data();
            in.gf = ground.data();
            in.n = n;
            in.substeps = substeps(members.front());
            in.exact = method == OscillatorMethod::Exact;
            in.absoluteAcc = absoluteAcc;
            const float dtSub = static_cast<float>(static_cast<double>(dt) / in.substeps);
            in.dt = dtSub;
            in.dt2 = static_cast<float>(static_cast<double>(dtSub) * dtSub);
            kernel(in, group, count);
            for (int lane = 0; lane < count; ++lane)
                peaks[static_cast<size_t>(members[static_cast<size_t>(lane)])] = {group.peakAbsAcc[lane], group.peakVel[lane],
                                                                                  group.peakDisp[lane]};
        }
    });
    return peaks;
}

}  // namespace tremblo
#endif  // HWY_ONCE
