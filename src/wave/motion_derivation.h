#pragma once
// Velocity and displacement of the display window, derived from the stored
// acceleration by integration and band-pass filtering over the processing
// span: the window plus FILTER_RUN_OUT samples.
#include <memory>

#include "record/seismic_record.h"
#include "wave/bandpass_filter_fast.h"
#include "wave/engine_path.h"

namespace tremblo {

// Longest processing span: a window over the whole capacity plus the run-out.
inline constexpr int MAX_PROCESSING_SPAN = SAMPLE_CAPACITY + 300;

// Work arrays of the derivation, allocated once for the longest span.
class DerivationWorkspace {
public:
    DerivationWorkspace();
    bool ok() const { return work_ && velocity_ && displacement_ && filter_.ok(); }

    float* work() { return work_.get(); }
    float* velocity() { return velocity_.get(); }
    float* displacement() { return displacement_.get(); }
    BandpassWorkspace& filter() { return filter_; }

private:
    std::unique_ptr<float[]> work_, velocity_, displacement_;
    BandpassWorkspace filter_;
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
// min(P, SAMPLE_CAPACITY) values go to record.velocity[c] and
// record.displacement[c] (index 0 = record sample windowStart); nothing is
// read or written past the trace buffers. workers <= 0 means all cores.
DerivationStatus DeriveMotion(SeismicRecord& record, bool removeDc, EnginePath path,
                              DerivationWorkspace& workspace, int workers = 0);

}  // namespace tremblo
