#include "spectrum/rotated_peaks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "spectrum/azimuth_scan.h"
#include "spectrum/rotd_reference.h"

namespace tremblo {

namespace {

constexpr std::size_t kBlock = 64;  // samples per box

// A margin on a block's reach, as the azimuth search of the spectra takes
// one (the reach itself already bounds the rounded values).
constexpr double kReachMargin = 1.0 + 1e-12;

struct SampleBlock {
    std::size_t begin = 0, end = 0;
    ResponseBox box{};
    double reach = 0.0;  // |NS| + |EW| at their largest: no combined value exceeds it
};

std::vector<SampleBlock> BlocksOf(std::span<const float> ns, std::span<const float> ew) {
    std::vector<SampleBlock> blocks;
    for (std::size_t begin = 0; begin < ns.size(); begin += kBlock) {
        SampleBlock b;
        b.begin = begin;
        b.end = std::min(ns.size(), begin + kBlock);
        b.box = {ns[begin], ns[begin], ew[begin], ew[begin]};
        for (std::size_t i = begin + 1; i < b.end; ++i) {
            b.box.xLow = std::min<double>(b.box.xLow, ns[i]);
            b.box.xHigh = std::max<double>(b.box.xHigh, ns[i]);
            b.box.yLow = std::min<double>(b.box.yLow, ew[i]);
            b.box.yHigh = std::max<double>(b.box.yHigh, ew[i]);
        }
        b.reach = std::max(-b.box.xLow, b.box.xHigh) + std::max(-b.box.yLow, b.box.yHigh);
        blocks.push_back(b);
    }
    return blocks;
}

bool AllFinite(std::span<const float> values) {
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

// The peaks along the azimuths, blocks taken widest first. A combined value
// |c x + s y| (each product and the sum rounded once) is at most the
// rounded |x| + |y|, so a block whose reach does not beat the smallest
// peak holds no larger value, nor does any block after it.
std::array<float, ROTD_AZIMUTHS> BoundedAzimuthPeaks(std::span<const float> ns, std::span<const float> ew) {
    std::vector<SampleBlock> blocks = BlocksOf(ns, ew);
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const SampleBlock& a, const SampleBlock& b) { return a.reach > b.reach; });
    alignas(64) double best[ROTD_SLOTS];
    for (int slot = 0; slot < ROTD_SLOTS; ++slot)
        best[slot] = slot < ROTD_AZIMUTHS ? 0.0 : std::numeric_limits<double>::infinity();
    int groups[ROTD_SLOT_GROUPS];
    double xs[kBlock], ys[kBlock];
    for (const SampleBlock& b : blocks) {
        if (!(b.reach * kReachMargin > SmallestOfSlots(best))) break;
        const int count = SlotGroupsBeyond(b.box, best, groups);
        if (count == 0) continue;
        const std::size_t length = b.end - b.begin;
        for (std::size_t i = 0; i < length; ++i) {
            xs[i] = ns[b.begin + i];
            ys[i] = ew[b.begin + i];
        }
        TakePoints(xs, ys, static_cast<int>(length), groups, count, best);
    }
    std::array<float, ROTD_AZIMUTHS> peaks{};
    for (int a = 0; a < ROTD_AZIMUTHS; ++a) peaks[static_cast<std::size_t>(a)] = static_cast<float>(best[a]);
    return peaks;
}

std::span<const float> Leading(const TraceBuffer& buffer, int count) {
    return std::span<const float>(buffer.data(), static_cast<std::size_t>(std::clamp(count, 0, buffer.capacity())));
}

}  // namespace

RotDValues RotatedPeakOf(std::span<const float> ns, std::span<const float> ew, EnginePath path) {
    const std::size_t n = std::min(ns.size(), ew.size());
    ns = ns.first(n);
    ew = ew.first(n);
    // Bounds of blocks holding a value that is no number would be no number
    // either: such series are read in full.
    if (path == EnginePath::Fast && AllFinite(ns) && AllFinite(ew))
        return SummarizeAzimuthPeaks(BoundedAzimuthPeaks(ns, ew));
    return SummarizeAzimuthPeaks(AzimuthPeaks(static_cast<int>(n), ns.data(), ew.data()));
}

RotatedPeaks RecordRotatedPeaks(const SeismicRecord& record, EnginePath path) {
    RotatedPeaks peaks;
    const int samples = std::min(record.sampleCount, record.capacity());
    peaks.acceleration = RotatedPeakOf(Leading(record.samples[0], samples), Leading(record.samples[1], samples), path);
    const int window = std::max(record.windowLength, 0);
    peaks.velocity = RotatedPeakOf(Leading(record.velocity[0], window), Leading(record.velocity[1], window), path);
    peaks.displacement =
        RotatedPeakOf(Leading(record.displacement[0], window), Leading(record.displacement[1], window), path);
    return peaks;
}

}  // namespace tremblo
