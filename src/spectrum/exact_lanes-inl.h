// V vectors of exact oscillators side by side, for the vector kernels. Each
// lane evaluates ExactStep and ExactAbsoluteAcc in the same order, with
// separate products and sums (no fused operations), so that every lane
// equals the plain computation bit for bit on every instruction set.
// Included once per target, after hwy/highway.h.
#if defined(TREMBLO_SPECTRUM_EXACT_LANES_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef TREMBLO_SPECTRUM_EXACT_LANES_INL_H_
#undef TREMBLO_SPECTRUM_EXACT_LANES_INL_H_
#else
#define TREMBLO_SPECTRUM_EXACT_LANES_INL_H_
#endif

#include "hwy/highway.h"
#include "spectrum/oscillator_group.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {

template <int V, class D>
struct ExactLanes {
    using VD = hwy::HWY_NAMESPACE::Vec<D>;
    VD a11[V], a12[V], a21[V], a22[V], b0x[V], b1x[V], b0v[V], b1v[V], c1[V], w2[V];
    VD x[V], v[V];

    // Lanes first .. first + V * Lanes - 1 of the group, at rest.
    ExactLanes(D d, const OscillatorGroup& lanes, int first) {
        namespace hn = hwy::HWY_NAMESPACE;
        const size_t L = hn::Lanes(d);
        for (int k = 0; k < V; ++k) {
            const int at = first + k * static_cast<int>(L);
            a11[k] = hn::LoadU(d, lanes.exact[0] + at);
            a12[k] = hn::LoadU(d, lanes.exact[1] + at);
            a21[k] = hn::LoadU(d, lanes.exact[2] + at);
            a22[k] = hn::LoadU(d, lanes.exact[3] + at);
            b0x[k] = hn::LoadU(d, lanes.exact[4] + at);
            b1x[k] = hn::LoadU(d, lanes.exact[5] + at);
            b0v[k] = hn::LoadU(d, lanes.exact[6] + at);
            b1v[k] = hn::LoadU(d, lanes.exact[7] + at);
            c1[k] = hn::LoadU(d, lanes.exact[8] + at);
            w2[k] = hn::LoadU(d, lanes.exact[9] + at);
            x[k] = v[k] = hn::Zero(d);
        }
    }

    // One step from ground acceleration g0 to g1: the state alone.
    HWY_INLINE void Advance(VD g0, VD g1) {
        namespace hn = hwy::HWY_NAMESPACE;
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) {
            const VD xn = hn::Add(hn::Add(hn::Mul(a11[k], x[k]), hn::Mul(a12[k], v[k])),
                                  hn::Add(hn::Mul(b0x[k], g0), hn::Mul(b1x[k], g1)));
            const VD vn = hn::Add(hn::Add(hn::Mul(a21[k], x[k]), hn::Mul(a22[k], v[k])),
                                  hn::Add(hn::Mul(b0v[k], g0), hn::Mul(b1v[k], g1)));
            x[k] = xn;
            v[k] = vn;
        }
    }

    // 2 h w v + w^2 x of vector k: minus its absolute acceleration.
    HWY_INLINE VD Restoring(int k) const {
        namespace hn = hwy::HWY_NAMESPACE;
        return hn::Add(hn::Mul(c1[k], v[k]), hn::Mul(w2[k], x[k]));
    }

    // One step from ground acceleration g0 to g1; sink.Acc/Vel/Disp(k, |value|)
    // receive vector k's absolute acceleration, velocity and displacement.
    template <class Sink>
    HWY_INLINE void Step(VD g0, VD g1, Sink& sink) {
        namespace hn = hwy::HWY_NAMESPACE;
        Advance(g0, g1);
#pragma GCC unroll 16
        for (int k = 0; k < V; ++k) {
            sink.Acc(k, hn::Abs(Restoring(k)));
            sink.Vel(k, hn::Abs(v[k]));
            sink.Disp(k, hn::Abs(x[k]));
        }
    }
};

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#endif  // TREMBLO_SPECTRUM_EXACT_LANES_INL_H_
