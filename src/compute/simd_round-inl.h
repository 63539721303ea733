// Rounding a vector of doubles to single precision exactly as a C++
// static_cast<float> does (round to nearest even, overflow to infinity), for
// the vector kernels. Included once per target, after hwy/highway.h.
#if defined(TREMBLO_WAVE_SIMD_ROUND_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef TREMBLO_WAVE_SIMD_ROUND_INL_H_
#undef TREMBLO_WAVE_SIMD_ROUND_INL_H_
#else
#define TREMBLO_WAVE_SIMD_ROUND_INL_H_
#endif

#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {

template <class DF, class VD>
HWY_INLINE hwy::HWY_NAMESPACE::Vec<DF> RoundToFloat(DF df, VD v) {
    namespace hn = hwy::HWY_NAMESPACE;
#if HWY_TARGET == HWY_SCALAR || HWY_TARGET == HWY_EMU128
    // The portable DemoteTo saturates at the largest float instead of
    // rounding to infinity; convert lane by lane as the reference does.
    const hn::Rebind<double, DF> d;
    double wide[16];
    float narrow[16];
    hn::StoreU(v, d, wide);
    for (size_t i = 0; i < hn::Lanes(d); ++i) narrow[i] = static_cast<float>(wide[i]);
    return hn::LoadU(df, narrow);
#else
    return hn::DemoteTo(df, v);  // the hardware conversion rounds as the reference
#endif
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#endif  // TREMBLO_WAVE_SIMD_ROUND_INL_H_
