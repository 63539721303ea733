#include "spectrum/azimuth_scan.h"

#include <cstddef>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "spectrum/azimuth_scan.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"

#include "spectrum/rotd_table.h"

#ifndef TREMBLO_SPECTRUM_AZIMUTH_SLOTS
#define TREMBLO_SPECTRUM_AZIMUTH_SLOTS
namespace tremblo {

// cos and sin of every slot's azimuth, zero past 179.
struct AzimuthSlots {
    alignas(64) double c[ROTD_SLOTS];
    alignas(64) double s[ROTD_SLOTS];
    AzimuthSlots() {
        for (int a = 0; a < ROTD_SLOTS; ++a) {
            const AzimuthDirection d = a < ROTD_AZIMUTHS ? AzimuthDirectionOf(a) : AzimuthDirection{0.0, 0.0};
            c[a] = d.c;
            s[a] = d.s;
        }
    }
};

inline const AzimuthSlots& Slots() {
    static const AzimuthSlots slots;
    return slots;
}

}  // namespace tremblo
#endif  // TREMBLO_SPECTRUM_AZIMUTH_SLOTS

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

int SlotGroupsBeyond(const ResponseBox& box, const double* best, int* groups) {
    const hn::ScalableTag<double> d;
    const size_t L = hn::Lanes(d);
    const AzimuthSlots& slots = Slots();
    const auto xLow = hn::Set(d, box.xLow), xHigh = hn::Set(d, box.xHigh);
    const auto yLow = hn::Set(d, box.yLow), yHigh = hn::Set(d, box.yHigh);
    int count = 0;
    for (int g = 0; g < ROTD_SLOT_GROUPS; ++g) {
        bool beyond = false;
        for (size_t at = static_cast<size_t>(g) * ROTD_SLOT_GROUP; at < static_cast<size_t>(g + 1) * ROTD_SLOT_GROUP;
             at += L) {
            const auto c = hn::Load(d, slots.c + at), s = hn::Load(d, slots.s + at);
            // Rounding keeps the order of products by one factor, and of sums.
            const auto cx1 = hn::Mul(c, xLow), cx2 = hn::Mul(c, xHigh);
            const auto sy1 = hn::Mul(s, yLow), sy2 = hn::Mul(s, yHigh);
            const auto upper = hn::Add(hn::Max(cx1, cx2), hn::Max(sy1, sy2));
            const auto lower = hn::Add(hn::Min(cx1, cx2), hn::Min(sy1, sy2));
            const auto bound = hn::Max(upper, hn::Neg(lower));
            beyond = beyond || !hn::AllFalse(d, hn::Gt(bound, hn::Load(d, best + at)));
        }
        if (beyond) groups[count++] = g;
    }
    return count;
}

// Two running maxima per vector of slots (even and odd points), so that
// consecutive points do not wait for each other.
void TakePoints(const double* xs, const double* ys, int count, const int* groups, int groupCount, double* best) {
    const hn::ScalableTag<double> d;
    const size_t L = hn::Lanes(d);
    const AzimuthSlots& slots = Slots();
    for (int k = 0; k < groupCount; ++k) {
        for (size_t at = static_cast<size_t>(groups[k]) * ROTD_SLOT_GROUP;
             at < static_cast<size_t>(groups[k] + 1) * ROTD_SLOT_GROUP; at += L) {
            const auto c = hn::Load(d, slots.c + at), s = hn::Load(d, slots.s + at);
            auto even = hn::Load(d, best + at), odd = even;
            int i = 0;
            for (; i + 2 <= count; i += 2) {
                const auto a = hn::Abs(hn::Add(hn::Mul(c, hn::Set(d, xs[i])), hn::Mul(s, hn::Set(d, ys[i]))));
                const auto b = hn::Abs(hn::Add(hn::Mul(c, hn::Set(d, xs[i + 1])), hn::Mul(s, hn::Set(d, ys[i + 1]))));
                even = hn::IfThenElse(hn::Gt(a, even), a, even);
                odd = hn::IfThenElse(hn::Gt(b, odd), b, odd);
            }
            if (i < count) {
                const auto a = hn::Abs(hn::Add(hn::Mul(c, hn::Set(d, xs[i])), hn::Mul(s, hn::Set(d, ys[i]))));
                even = hn::IfThenElse(hn::Gt(a, even), a, even);
            }
            hn::Store(hn::IfThenElse(hn::Gt(odd, even), odd, even), d, best + at);
        }
    }
}

double SmallestOfSlots(const double* best) {
    const hn::ScalableTag<double> d;
    const size_t L = hn::Lanes(d);
    auto smallest = hn::Load(d, best);
    for (size_t at = L; at < ROTD_SLOTS; at += L) smallest = hn::Min(smallest, hn::Load(d, best + at));
    return hn::GetLane(hn::MinOfLanes(d, smallest));
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tremblo {

HWY_EXPORT(SlotGroupsBeyond);
HWY_EXPORT(TakePoints);
HWY_EXPORT(SmallestOfSlots);

int SlotGroupsBeyond(const ResponseBox& box, const double* best, int* groups) {
    return HWY_DYNAMIC_DISPATCH(SlotGroupsBeyond)(box, best, groups);
}

void TakePoints(const double* xs, const double* ys, int count, const int* groups, int groupCount, double* best) {
    HWY_DYNAMIC_DISPATCH(TakePoints)(xs, ys, count, groups, groupCount, best);
}

double SmallestOfSlots(const double* best) { return HWY_DYNAMIC_DISPATCH(SmallestOfSlots)(best); }

}  // namespace tremblo
#endif  // HWY_ONCE
