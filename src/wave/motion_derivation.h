#pragma once
// Velocity and displacement of the display window, derived from the stored
// acceleration by integration and band-pass filtering over the processing
// span: the window plus FILTER_RUN_OUT samples.
#include <array>
#include <memory>

#include "record/seismic_record.h"
#include "wave/bandpass_filter_fast.h"
#include "compute/engine_path.h"

namespace tremblo {

// Processing span of a window over SAMPLE_CAPACITY samples plus the
// run-out: the work arrays hold at least this much.
inline constexpr int MAX_PROCESSING_SPAN = SAMPLE_CAPACITY + 300;

// Work arrays of one component's derivation, for spans of `capacity`.
struct DerivationLane {
    explicit DerivationLane(int capacity);
    bool ok() const { return work && velocity && displacement && filter.ok(); }
    int capacity;
    std::unique_ptr<float[]> work, velocity, displacement;
    BandpassWorkspace filter;
};

// Work arrays of the derivation: one lane per component, so that the
// components can be derived side by side. Allocated for MAX_PROCESSING_SPAN
// and fitted to longer spans as they come (and back after them).
class DerivationWorkspace {
public:
    DerivationWorkspace() { Fit(MAX_PROCESSING_SPAN); }
    bool ok() const {
        for (const auto& lane : lanes_) {
            if (!lane || !lane->ok()) return false;
        }
        return true;
    }
    // Lanes for spans of `span` samples; false when memory is short.
    bool Fit(int span);
    DerivationLane& lane(int c) { return *lanes_[c]; }

private:
    std::array<std::unique_ptr<DerivationLane>, MAX_COMPONENTS> lanes_;
};

enum class DerivationStatus {
    Derived,
    Skipped,      // window length of zero or less: nothing derived
    OutOfMemory,  // a work array could not be allocated; the derivation stopped
};

// For every component c < componentCount, with P = windowLength + 300:
// the acceleration from windowStart (samples at or past sampleCount count
// as zero), mean removed when removeDc, integrated to velocity, filtered,
// mean removed when removeDc, integrated to displacement, filtered. The first
// min(P, record.capacity()) values go to record.velocity[c] and
// record.displacement[c] (index 0 = record sample windowStart); nothing is
// read or written past the trace buffers. workers <= 0 means all cores.
DerivationStatus DeriveMotion(SeismicRecord& record, bool removeDc, EnginePath path,
                              DerivationWorkspace& workspace, int workers = 0);

}  // namespace tremblo
