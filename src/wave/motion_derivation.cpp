#include "wave/motion_derivation.h"

#include <algorithm>
#include <new>

#include "record/remove_mean.h"
#include "wave/bandpass_filter.h"
#include "wave/display_window.h"
#include "wave/integrate_trace.h"

namespace tremblo {

static_assert(MAX_PROCESSING_SPAN == SAMPLE_CAPACITY + FILTER_RUN_OUT);

namespace {

float* Allocate(int count) { return new (std::nothrow) float[static_cast<size_t>(count)](); }

}  // namespace

DerivationWorkspace::DerivationWorkspace()
    : work_(Allocate(MAX_PROCESSING_SPAN)),
      velocity_(Allocate(MAX_PROCESSING_SPAN)),
      displacement_(Allocate(MAX_PROCESSING_SPAN)),
      filter_(MAX_PROCESSING_SPAN, BANDPASS_TAPS) {}

DerivationStatus DeriveMotion(SeismicRecord& record, bool removeDc, EnginePath path,
                              DerivationWorkspace& workspace, int workers) {
    if (record.windowLength <= 0) return DerivationStatus::Skipped;
    if (!workspace.ok()) return DerivationStatus::OutOfMemory;
    const int span = std::min(record.windowLength, SAMPLE_CAPACITY) + FILTER_RUN_OUT;
    const int start = std::max(record.windowStart, 0);
    const int available = std::clamp(std::min(record.sampleCount, SAMPLE_CAPACITY) - start, 0, span);
    const float* h = record.bandpassCoefficients.data();
    float* work = workspace.work();
    float* velocity = workspace.velocity();
    float* displacement = workspace.displacement();

    auto filter = [&](float* x) {
        if (path == EnginePath::Fast) {
            return ApplyBandpassFilterFast(workspace.filter(), BANDPASS_TAPS, h, span, x, workers);
        }
        return ApplyBandpassFilter(BANDPASS_TAPS, h, span, x);
    };

    const int kept = std::min(span, SAMPLE_CAPACITY);
    for (int c = 0; c < record.componentCount && c < MAX_COMPONENTS; ++c) {
        if (available > 0) {
            const float* acceleration = record.samples[c].data() + start;
            std::copy(acceleration, acceleration + available, work);
        }
        std::fill(work + available, work + span, 0.0f);
        if (removeDc) RemoveMean(work, 0, span);
        IntegrateTrace(span, work, velocity, record.dt);
        if (!filter(velocity)) return DerivationStatus::OutOfMemory;
        if (removeDc) RemoveMean(velocity, 0, span);
        IntegrateTrace(span, velocity, displacement, record.dt);
        if (!filter(displacement)) return DerivationStatus::OutOfMemory;
        std::copy(velocity, velocity + kept, record.velocity[c].data());
        std::copy(displacement, displacement + kept, record.displacement[c].data());
    }
    return DerivationStatus::Derived;
}

}  // namespace tremblo
