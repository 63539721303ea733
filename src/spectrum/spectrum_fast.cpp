#include "spectrum/spectrum_fast.h"

#include <algorithm>
#include <atomic>
#include <new>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "spectrum/spectrum_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "compute/simd_round-inl.h"
#include "spectrum/sdof_lanes-inl.h"

#include "spectrum/oscillator_group.h"
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

template <int V, class D>
HWY_INLINE void IntegrateBlock(D d, const double* g, const float* gf, int n, double dt, double dt2,
                               OscillatorGroup& lanes, int first) {
    const hn::Rebind<float, D> df;
    const size_t L = hn::Lanes(d);
    SdofLanes<V, D> state(d, dt, dt2, lanes, first);
    PeakSink<V, decltype(df)> peaks(df);
    for (int i = 0; i < n; ++i) state.Step(d, hn::Set(d, g[i]), hn::Set(df, gf[i]), peaks);
    for (int k = 0; k < V; ++k) {
        hn::StoreU(peaks.acc[k], df, lanes.peakAbsAcc + first + k * L);
        hn::StoreU(peaks.vel[k], df, lanes.peakVel + first + k * L);
        hn::StoreU(peaks.disp[k], df, lanes.peakDisp + first + k * L);
    }
}

// Vectors integrated side by side in one block: enough independent chains
// to hide the latency of a step (a -> vp -> num -> a, about 60 cycles) on
// the 4-lane target. Wider targets fall back to 5 vectors, then 1.
#ifndef TREMBLO_SDOF_VECTORS
#define TREMBLO_SDOF_VECTORS 10
#endif
constexpr int kSdofVectors = TREMBLO_SDOF_VECTORS;

// Integrates `count` blocks of V vectors from lane `first` on; returns the
// first lane left.
template <int V, class D>
HWY_INLINE int IntegrateBlocks(D d, const double* g, const float* gf, int n, double dt, double dt2,
                               OscillatorGroup& lanes, int first, int count) {
    const int block = static_cast<int>(hn::Lanes(d)) * V;
    for (int b = 0; b < count; ++b, first += block) {
        IntegrateBlock<V>(d, g, gf, n, dt, dt2, lanes, first);
    }
    return first;
}

void IntegrateGroup(const double* g, const float* gf, int n, double dt, double dt2,
                    OscillatorGroup& lanes) {
    const hn::ScalableTag<double> d;
    const int L = static_cast<int>(hn::Lanes(d));
    int first = IntegrateBlocks<kSdofVectors>(d, g, gf, n, dt, dt2, lanes, 0,
                                              OSCILLATOR_GROUP / (kSdofVectors * L));
    first = IntegrateBlocks<5>(d, g, gf, n, dt, dt2, lanes, first, (OSCILLATOR_GROUP - first) / (5 * L));
    IntegrateBlocks<1>(d, g, gf, n, dt, dt2, lanes, first, (OSCILLATOR_GROUP - first) / L);
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

void ComputeSpectraFast(FastSpectrumWorkspace& workspace, int componentCount, int n, float dt,
                        const PeriodTable& periods, const DampingRatios& dampingRatios,
                        SpectrumTable& spectrum, SpectrumProgress& progress,
                        const SpectrumProgressCallback& report, int workers) {
    componentCount = std::clamp(componentCount, 0, MAX_COMPONENTS);
    n = std::clamp(n, 0, workspace.capacity());
    for (int c = 0; c < componentCount; ++c) {
        const float* single = workspace.groundAcc(c);
        double* wide = workspace.groundAccDouble(c);
        for (int i = 0; i < n; ++i) wide[i] = single[i];
    }
    const double dtWide = dt;
    const double dt2 = static_cast<float>(dtWide * dt);

    const int items = componentCount * kGroupsPerComponent;
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
    HWY_DYNAMIC_DISPATCH(IntegrateGroup)(nullptr, nullptr, 0, dtWide, dt2, empty);
    const auto kernel = HWY_DYNAMIC_DISPATCH(IntegrateGroup);

    if (workers <= 0) workers = DefaultWorkerCount();
    workers = std::max(1, std::min(workers, items));
    show(0);
    RunOnWorkers(workers, [&](int worker) {
        OscillatorGroup group;
        for (int item = nextItem++; item < items; item = nextItem++) {
            const int c = item / kGroupsPerComponent;
            const int first = (item % kGroupsPerComponent) * OSCILLATOR_GROUP;
            const int count = std::min(OSCILLATOR_GROUP, kOscillatorsPerComponent - first);
            for (int lane = 0; lane < OSCILLATOR_GROUP; ++lane) {
                // Lanes past the last oscillator repeat it; their peaks are dropped.
                const int o = first + std::min(lane, count - 1);
                const SdofConstants k = MakeSdofConstants(dt, periods.periods[o % PERIOD_COUNT],
                                                          dampingRatios[o / PERIOD_COUNT]);
                group.twoHOmega[lane] = k.twoHOmega;
                group.omega2[lane] = k.omega2;
                group.negDen[lane] = -k.den;
            }
            kernel(workspace.groundAccDouble(c), workspace.groundAcc(c), n, dtWide, dt2, group);
            for (int lane = 0; lane < count; ++lane) {
                const int o = first + lane;
                const int k = o / PERIOD_COUNT, j = o % PERIOD_COUNT;
                spectrum.at(c, k, SA, j) = group.peakAbsAcc[lane];
                spectrum.at(c, k, SV, j) = group.peakVel[lane];
                spectrum.at(c, k, SD, j) = group.peakDisp[lane];
            }
            const int done = finished += count;
            if (worker == 0) show(done);
        }
    });
    show(total);
}

}  // namespace tremblo
#endif  // HWY_ONCE
