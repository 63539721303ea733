#pragma once
// The band-pass filter's fast path: vectorised across neighbouring outputs
// (the best instruction set of the processor, chosen at run time) and spread
// over the cores. Its results equal ApplyBandpassFilter's bit for bit: each
// output is accumulated tap after tap in the same order with the same
// double-evaluated, single-rounded steps.
#include <memory>

namespace tremblo {

// Work arrays of the fast filter, allocated once for the longest trace.
class BandpassWorkspace {
public:
    // Allocates for traces up to `capacity` samples and up to `maxTaps`
    // taps; check ok() for an allocation failure.
    BandpassWorkspace(int capacity, int maxTaps);
    bool ok() const { return padded_ != nullptr && output_ != nullptr && taps_ != nullptr; }
    int capacity() const { return capacity_; }
    int maxTaps() const { return maxTaps_; }

    double* padded() { return padded_.get(); }
    float* output() { return output_.get(); }
    double* taps() { return taps_.get(); }

    // Set by PrepareFilterInput: whether this pass may round by splitting.
    bool splitRounding = false;

private:
    int capacity_ = 0;
    int maxTaps_ = 0;
    std::unique_ptr<double[]> padded_;  // the trace in double, zero margins of maxTaps-1
    std::unique_ptr<float[]> output_;
    std::unique_ptr<double[]> taps_;
};

// Outputs handed to one worker at a time (a multiple of every target's
// block of outputs).
inline constexpr int FILTER_CHUNK = 960;

// The steps of one filter pass, for callers that schedule the chunks
// themselves: PrepareFilterInput copies x and the taps into the workspace
// (false when the workspace failed to allocate or is too small); then
// FilterRange writes outputs [begin, end) into workspace.output(), from any
// thread, for disjoint ranges; x must stay unchanged until all are written.
bool PrepareFilterInput(BandpassWorkspace& workspace, int tapCount, const float* h, int n,
                        const float* x);
void FilterRange(BandpassWorkspace& workspace, int tapCount, const float* h, int n, const float* x,
                 int begin, int end);

// Replaces x[0 .. n-1] by its filtered values like ApplyBandpassFilter.
// workers <= 0 means all cores. Returns false, x untouched, when the
// workspace failed to allocate or is too small for n or tapCount.
bool ApplyBandpassFilterFast(BandpassWorkspace& workspace, int tapCount, const float* h, int n,
                             float* x, int workers = 0);

}  // namespace tremblo
