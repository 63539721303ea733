// One step of V vectors of oscillators side by side, for the vector kernels
// of the spectra and of the orientation-independent spectra. Each lane runs
// exactly the reference's arithmetic (SdofStep): double-evaluated
// expressions rounded to single precision when stored, the quotient -num/den
// of two floats taken in single precision (it rounds as the double quotient
// rounded to float). Included once per target, after hwy/highway.h and
// compute/simd_round-inl.h.
#if defined(TREMBLO_SPECTRUM_SDOF_LANES_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef TREMBLO_SPECTRUM_SDOF_LANES_INL_H_
#undef TREMBLO_SPECTRUM_SDOF_LANES_INL_H_
#else
#define TREMBLO_SPECTRUM_SDOF_LANES_INL_H_
#endif

#include "hwy/highway.h"
#include "spectrum/oscillator_group.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {

// The state of V vectors of oscillators and the constants they read.
template <int V, class D>
struct SdofLanes {
    using VD = hwy::HWY_NAMESPACE::Vec<D>;
    using DF = hwy::HWY_NAMESPACE::Rebind<float, D>;
    using VF = hwy::HWY_NAMESPACE::Vec<DF>;

    VD c1[V], w2[V], a[V], v[V], x[V], t3[V];
    VF negDen[V];
    VD vdt, vdtHalf, vdt2, third, half, one;

    // Lanes first .. first + V * Lanes - 1 of the group, at rest.
    SdofLanes(D d, double dt, double dt2, const OscillatorGroup& lanes, int first) {
        namespace hn = hwy::HWY_NAMESPACE;
        const DF df;
        const size_t L = hn::Lanes(d);
        vdt = hn::Set(d, dt);
        vdtHalf = hn::Set(d, dt * 0.5);
        vdt2 = hn::Set(d, dt2);
        third = hn::Set(d, 1.0 / 3.0);
        half = hn::Set(d, 0.5);
        one = hn::Set(d, 1.0);
        for (int k = 0; k < V; ++k) {
            c1[k] = hn::LoadU(d, lanes.twoHOmega + first + k * L);
            w2[k] = hn::LoadU(d, lanes.omega2 + first + k * L);
            negDen[k] = hn::LoadU(df, lanes.negDen + first + k * L);
            a[k] = v[k] = x[k] = t3[k] = hn::Zero(d);
        }
    }

    // One step under the ground acceleration gi (double) / gfi (float).
    // sink.Acc(k, absolute acceleration), sink.Vel(k, velocity) and
    // sink.Disp(k, displacement) receive vector k's stored values. Several
    // products are exact in double (a float times a float, or a float times
    // a power of two), so a fused multiply-add over them rounds once, exactly
    // as the reference's product followed by its sum; MulAdd(1, p, q) is the
    // plain sum p + q, issued on the multiply units to spread the load. Each
    // stage runs over all V vectors before the next starts, so that the
    // scheduler sees V independent chains instead of one long one.
    template <class Sink>
    HWY_INLINE void Step(D d, VD gi, VF gfi, Sink& sink) {
        namespace hn = hwy::HWY_NAMESPACE;
        const DF df;
        (void)d;
        VD vp[V], xp[V], t[V];
        VF f[V];
        // vp = a*dt*0.5 + v, with a*dt*0.5 = a*(dt*0.5) exact.
        // xp = (v*dt + x) + a*dt2*(1/3), v*dt exact; t3 = (a*dt2)*(1/3) of
        // the previous step.
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) t[k] = hn::MulAdd(v[k], vdt, x[k]);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) vp[k] = hn::MulAdd(a[k], vdtHalf, v[k]);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) t[k] = hn::MulAdd(one, t[k], t3[k]);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) vp[k] = hn::PromoteTo(d, RoundToFloat(df, vp[k]));
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) xp[k] = hn::PromoteTo(d, RoundToFloat(df, t[k]));
        // num = (2h*omega*vp + omega2*xp) + g, omega2*xp exact.
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) t[k] = hn::MulAdd(w2[k], xp[k], hn::Mul(c1[k], vp[k]));
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) f[k] = RoundToFloat(df, hn::MulAdd(one, t[k], gi));
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) f[k] = hn::Div(f[k], negDen[k]);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) {
            a[k] = hn::PromoteTo(d, f[k]);
            sink.Acc(k, hn::Add(f[k], gfi));  // a + g of two floats, rounded once
        }
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) {
            f[k] = RoundToFloat(df, hn::MulAdd(a[k], vdtHalf, vp[k]));
            v[k] = hn::PromoteTo(d, f[k]);
            sink.Vel(k, f[k]);
        }
        // (a*dt2)*(1/6) = ((a*dt2)*(1/3))*0.5 exactly (the two double
        // constants differ only in the exponent), so x = t3*0.5 + xp.
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) t3[k] = hn::Mul(hn::Mul(a[k], vdt2), third);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) {
            f[k] = RoundToFloat(df, hn::MulAdd(t3[k], half, xp[k]));
            x[k] = hn::PromoteTo(d, f[k]);
            sink.Disp(k, f[k]);
        }
    }
};

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#endif  // TREMBLO_SPECTRUM_SDOF_LANES_INL_H_
