#include "spectrum/spectrum_fast.h"

#include <algorithm>
#include <atomic>
#include <new>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "spectrum/spectrum_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "wave/simd_round-inl.h"

#include "spectrum/oscillator_group.h"
#include "spectrum/sdof_response.h"
#include "wave/parallel_workers.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

template <int V, class D>
HWY_INLINE void IntegrateBlock(D d, const double* g, const float* gf, int n, double dt, double dt2,
                               OscillatorGroup& lanes, int first) {
    using VD = hn::Vec<D>;
    const hn::Rebind<float, D> df;
    using VF = hn::Vec<decltype(df)>;
    const size_t L = hn::Lanes(d);
    const VD vdt = hn::Set(d, dt);
    const VD vdtHalf = hn::Set(d, dt * 0.5);
    const VD vdt2 = hn::Set(d, dt2);
    const VD third = hn::Set(d, 1.0 / 3.0);
    const VD sixth = hn::Set(d, 1.0 / 6.0);
    VD c1[V], w2[V], a[V], v[V], x[V];
    VF negDen[V], pAcc[V], pVel[V], pDisp[V];
    for (int k = 0; k < V; ++k) {
        c1[k] = hn::LoadU(d, lanes.twoHOmega + first + k * L);
        w2[k] = hn::LoadU(d, lanes.omega2 + first + k * L);
        negDen[k] = hn::LoadU(df, lanes.negDen + first + k * L);
        a[k] = v[k] = x[k] = hn::Zero(d);
        pAcc[k] = pVel[k] = pDisp[k] = hn::Zero(df);
    }
    for (int i = 0; i < n; ++i) {
        const VD gi = hn::Set(d, g[i]);
        const VF gfi = hn::Set(df, gf[i]);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) {
            // a*dt*0.5 and a*dt2 are exact products of floats in double.
            const VD vp = hn::PromoteTo(d, RoundToFloat(df, hn::Add(hn::Mul(a[k], vdtHalf), v[k])));
            const VD xp = hn::PromoteTo(
                d, RoundToFloat(df, hn::Add(hn::Add(hn::Mul(v[k], vdt), x[k]),
                                            hn::Mul(hn::Mul(a[k], vdt2), third))));
            const VF num = RoundToFloat(
                df, hn::Add(hn::Add(hn::Mul(c1[k], vp), hn::Mul(w2[k], xp)), gi));
            const VF af = hn::Div(num, negDen[k]);
            a[k] = hn::PromoteTo(d, af);
            // Max(new, old) keeps the old peak unless the new value is
            // strictly greater (a NaN never wins), as FindPeak does.
            pAcc[k] = hn::Max(hn::Abs(hn::Add(af, gfi)), pAcc[k]);
            const VF vf = RoundToFloat(df, hn::Add(hn::Mul(a[k], vdtHalf), vp));
            v[k] = hn::PromoteTo(d, vf);
            pVel[k] = hn::Max(hn::Abs(vf), pVel[k]);
            const VF xf = RoundToFloat(df, hn::Add(hn::Mul(hn::Mul(a[k], vdt2), sixth), xp));
            x[k] = hn::PromoteTo(d, xf);
            pDisp[k] = hn::Max(hn::Abs(xf), pDisp[k]);
        }
    }
    for (int k = 0; k < V; ++k) {
        hn::StoreU(pAcc[k], df, lanes.peakAbsAcc + first + k * L);
        hn::StoreU(pVel[k], df, lanes.peakVel + first + k * L);
        hn::StoreU(pDisp[k], df, lanes.peakDisp + first + k * L);
    }
}

#ifndef TREMBLO_SDOF_VECTORS
#define TREMBLO_SDOF_VECTORS 4
#endif
constexpr int kSdofVectors = TREMBLO_SDOF_VECTORS;

void IntegrateGroup(const double* g, const float* gf, int n, double dt, double dt2,
                    OscillatorGroup& lanes) {
    const hn::ScalableTag<double> d;
    const int L = static_cast<int>(hn::Lanes(d));
    constexpr int kVectors = kSdofVectors;
    const int block = L * kVectors;
    int first = 0;
    for (; first + block <= OSCILLATOR_GROUP; first += block) {
        IntegrateBlock<kVectors>(d, g, gf, n, dt, dt2, lanes, first);
    }
    for (; first < OSCILLATOR_GROUP; first += L) IntegrateBlock<1>(d, g, gf, n, dt, dt2, lanes, first);
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
    auto show = [&](int done) {
        progress.overallPosition = done / PERIOD_COUNT;
        progress.periodPosition = done % PERIOD_COUNT;
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
    show(componentCount * kOscillatorsPerComponent);
}

}  // namespace tremblo
#endif  // HWY_ONCE
