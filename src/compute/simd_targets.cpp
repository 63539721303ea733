#include "compute/simd_targets.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "compute/simd_targets.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {

int64_t CompiledTargetBits() { return HWY_TARGET; }

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tremblo {

HWY_EXPORT(CompiledTargetBits);

std::vector<SimdTarget> SupportedSimdTargets() {
    std::vector<SimdTarget> targets;
    for (int64_t bits : hwy::SupportedAndGeneratedTargets()) {
        targets.push_back(SimdTarget{bits, hwy::TargetName(bits)});
    }
    return targets;
}

const char* ChosenSimdTargetName() {
    return hwy::TargetName(HWY_DYNAMIC_DISPATCH(CompiledTargetBits)());
}

ScopedSimdTarget::ScopedSimdTarget(const SimdTarget& target) {
    hwy::SetSupportedTargetsForTest(target.bits);
}

ScopedSimdTarget::~ScopedSimdTarget() { hwy::SetSupportedTargetsForTest(0); }

}  // namespace tremblo
#endif  // HWY_ONCE
