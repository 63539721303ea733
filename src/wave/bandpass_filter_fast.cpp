#include "wave/bandpass_filter_fast.h"

#include <algorithm>
#include <atomic>
#include <new>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "wave/bandpass_filter_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "compute/simd_round-inl.h"

#include "wave/bandpass_filter.h"
#include "compute/parallel_workers.h"
#include "compute/split_rounding.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// Outputs y[begin .. end-1] from `padded`, where padded[k + tapCount - 1]
// holds x[k] in double and the margins hold zeros. Blocks of kVectors
// vectors of outputs share each tap's coefficient; the rest of the range is
// left to the caller (returned count of outputs written from `begin`).
#ifndef TREMBLO_FILTER_VECTORS
#define TREMBLO_FILTER_VECTORS 12
#endif

// kSplit: the partial sums are rounded to single precision by splitting
// (three double operations, see split_rounding.h) instead of converting to
// float and back; only for inputs FilterAllowsSplitRounding accepts.
template <bool kSplit>
HWY_INLINE int FilterBlocksWith(const double* padded, const double* taps, int tapCount, int begin,
                                int end, float* y) {
    constexpr int kVectors = TREMBLO_FILTER_VECTORS;
    const hn::ScalableTag<double> d;
    const hn::Rebind<float, decltype(d)> df;
    const int lanes = static_cast<int>(hn::Lanes(d));
    const int block = lanes * kVectors;
    const double* centre = padded + (tapCount - 1);
    const auto split = hn::Set(d, SPLIT_FACTOR);
    const auto one = hn::Set(d, 1.0);
    int i = begin;
    for (; i + block <= end; i += block) {
        hn::Vec<decltype(d)> acc[kVectors];
        const hn::Vec<decltype(d)> h0 = hn::Set(d, taps[0]);
        for (int k = 0; k < kVectors; ++k) {
            // x[i]*h[0]: the product of two floats is exact in double, so
            // rounding it once gives the single-precision product.
            acc[k] = hn::PromoteTo(d, RoundToFloat(df, hn::Mul(hn::LoadU(d, centre + i + k * lanes), h0)));
        }
        for (int j = 1; j < tapCount; ++j) {
            const hn::Vec<decltype(d)> hj = hn::Set(d, taps[j]);
            const double* left = centre + i - j;
            const double* right = centre + i + j;
#pragma GCC unroll 16
            for (int k = 0; k < kVectors; ++k) {
                const auto sum = hn::Add(hn::LoadU(d, left + k * lanes), hn::LoadU(d, right + k * lanes));
                acc[k] = hn::Add(hn::Mul(sum, hj), acc[k]);
                if constexpr (kSplit) {
                    const auto g = hn::Mul(acc[k], split);
                    acc[k] = hn::MulSub(one, g, hn::Sub(g, acc[k]));  // g - (g - v), on the FMA units
                } else {
                    acc[k] = hn::PromoteTo(d, RoundToFloat(df, acc[k]));
                }
            }
        }
        for (int k = 0; k < kVectors; ++k) hn::StoreU(RoundToFloat(df, acc[k]), df, y + i + k * lanes);
    }
    return i - begin;
}

int FilterBlocks(const double* padded, const double* taps, int tapCount, int begin, int end,
                 float* y) {
    return FilterBlocksWith<false>(padded, taps, tapCount, begin, end, y);
}

int FilterBlocksSplit(const double* padded, const double* taps, int tapCount, int begin, int end,
                      float* y) {
    return FilterBlocksWith<true>(padded, taps, tapCount, begin, end, y);
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tremblo {

HWY_EXPORT(FilterBlocks);
HWY_EXPORT(FilterBlocksSplit);

namespace {

// The kernel of the rounding this pass uses, on the processor's best target.
auto ChosenKernel(const BandpassWorkspace& workspace) {
    return workspace.splitRounding ? HWY_DYNAMIC_DISPATCH(FilterBlocksSplit)
                                   : HWY_DYNAMIC_DISPATCH(FilterBlocks);
}

}  // namespace

BandpassWorkspace::BandpassWorkspace(int capacity, int maxTaps)
    : capacity_(std::max(capacity, 0)), maxTaps_(std::max(maxTaps, 1)) {
    padded_.reset(new (std::nothrow) double[static_cast<size_t>(capacity_) + 2 * (maxTaps_ - 1)]);
    output_.reset(new (std::nothrow) float[static_cast<size_t>(std::max(capacity_, 1))]);
    taps_.reset(new (std::nothrow) double[static_cast<size_t>(maxTaps_)]);
}

bool PrepareFilterInput(BandpassWorkspace& workspace, int tapCount, const float* h, int n,
                        const float* x) {
    if (n <= 0 || tapCount <= 0) return true;
    if (!workspace.ok() || n > workspace.capacity() || tapCount > workspace.maxTaps()) return false;
    double* padded = workspace.padded();
    const int margin = tapCount - 1;
    std::fill(padded, padded + margin, 0.0);
    for (int k = 0; k < n; ++k) padded[margin + k] = x[k];
    std::fill(padded + margin + n, padded + 2 * margin + n, 0.0);
    double* taps = workspace.taps();
    for (int j = 0; j < tapCount; ++j) taps[j] = h[j];
    workspace.splitRounding = FilterAllowsSplitRounding(tapCount, h, n, x);
    // An empty first call lets the dispatcher settle on a target here, so
    // that the workers only read its choice.
    ChosenKernel(workspace)(padded, taps, tapCount, 0, 0, workspace.output());
    return true;
}

void FilterRange(BandpassWorkspace& workspace, int tapCount, const float* h, int n, const float* x,
                 int begin, int end) {
    float* y = workspace.output();
    const int done = ChosenKernel(workspace)(workspace.padded(), workspace.taps(), tapCount, begin, end, y);
    for (int i = begin + done; i < end; ++i) y[i] = BandpassOutput(tapCount, h, n, x, i);
}

bool ApplyBandpassFilterFast(BandpassWorkspace& workspace, int tapCount, const float* h, int n,
                             float* x, int workers) {
    if (n <= 0 || tapCount <= 0) return true;
    if (!PrepareFilterInput(workspace, tapCount, h, n, x)) return false;
    // Outputs are handed out in small chunks as the workers ask for them, so
    // that a worker that starts late or shares its core takes fewer and the
    // last chunk keeps the other worker waiting only briefly.
    const int chunks = (n + FILTER_CHUNK - 1) / FILTER_CHUNK;
    if (workers <= 0) workers = DefaultWorkerCount();
    workers = std::max(1, std::min(workers, chunks));
    std::atomic<int> nextChunk{0};
    RunOnWorkers(workers, [&](int) {
        for (int chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            const int begin = chunk * FILTER_CHUNK;
            FilterRange(workspace, tapCount, h, n, x, begin, std::min(n, begin + FILTER_CHUNK));
        }
    });
    std::copy(workspace.output(), workspace.output() + n, x);
    return true;
}

}  // namespace tremblo
#endif  // HWY_ONCE
