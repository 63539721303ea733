#include "wave/motion_derivation.h"

#include <algorithm>
#include <new>
#include <vector>

#include "record/remove_mean.h"
#include "wave/bandpass_filter.h"
#include "wave/display_window.h"
#include "wave/integrate_trace.h"
#include "compute/staged_pipelines.h"

namespace tremblo {

static_assert(MAX_PROCESSING_SPAN == SAMPLE_CAPACITY + FILTER_RUN_OUT);

namespace {

std::unique_ptr<float[]> Allocate(int count) {
    return std::unique_ptr<float[]>(new (std::nothrow) float[static_cast<size_t>(count)]());
}

// The stretch of the record one derivation works on.
struct Span {
    int length = 0;     // processing span: window plus run-out
    int start = 0;      // first record sample
    int available = 0;  // record samples inside the span; the rest count as zero
    int kept = 0;       // values stored back into the trace buffers
};

Span SpanOf(const SeismicRecord& record) {
    Span span;
    span.length = std::min(record.windowLength, record.capacity()) + FILTER_RUN_OUT;
    span.start = std::max(record.windowStart, 0);
    span.available = std::clamp(std::min(record.sampleCount, record.capacity()) - span.start, 0,
                                span.length);
    span.kept = std::min(span.length, record.capacity());
    return span;
}

// The serial steps of one component, shared by both paths.
class ComponentSteps {
public:
    ComponentSteps(SeismicRecord& record, int c, const Span& span, bool removeDc, DerivationLane& lane)
        : record_(record), c_(c), span_(span), removeDc_(removeDc), lane_(lane) {}

    // Acceleration of the span, mean removed, integrated to velocity.
    void IntegrateAcceleration() {
        float* work = lane_.work.get();
        if (span_.available > 0) {
            const float* acceleration = record_.samples[c_].data() + span_.start;
            std::copy(acceleration, acceleration + span_.available, work);
        }
        std::fill(work + span_.available, work + span_.length, 0.0f);
        if (removeDc_) RemoveMean(work, 0, span_.length);
        IntegrateTrace(span_.length, work, lane_.velocity.get(), record_.dt);
    }

    // Filtered velocity, mean removed, integrated to displacement.
    void IntegrateVelocity() {
        if (removeDc_) RemoveMean(lane_.velocity.get(), 0, span_.length);
        IntegrateTrace(span_.length, lane_.velocity.get(), lane_.displacement.get(), record_.dt);
    }

    void StoreResults() {
        std::copy(lane_.velocity.get(), lane_.velocity.get() + span_.kept, record_.velocity[c_].data());
        std::copy(lane_.displacement.get(), lane_.displacement.get() + span_.kept,
                  record_.displacement[c_].data());
    }

private:
    SeismicRecord& record_;
    int c_;
    Span span_;
    bool removeDc_;
    DerivationLane& lane_;
};

int ComponentsOf(const SeismicRecord& record) { return std::clamp(record.componentCount, 0, MAX_COMPONENTS); }

DerivationStatus DeriveReference(SeismicRecord& record, bool removeDc, const Span& span,
                                 DerivationWorkspace& workspace) {
    const float* h = record.bandpassCoefficients.data();
    for (int c = 0; c < ComponentsOf(record); ++c) {
        DerivationLane& lane = workspace.lane(c);
        ComponentSteps steps(record, c, span, removeDc, lane);
        steps.IntegrateAcceleration();
        if (!ApplyBandpassFilter(BANDPASS_TAPS, h, span.length, lane.velocity.get())) {
            return DerivationStatus::OutOfMemory;
        }
        steps.IntegrateVelocity();
        if (!ApplyBandpassFilter(BANDPASS_TAPS, h, span.length, lane.displacement.get())) {
            return DerivationStatus::OutOfMemory;
        }
        steps.StoreResults();
    }
    return DerivationStatus::Derived;
}

// The components run as pipelines side by side: while the workers filter
// one component, another is integrated, so the serial steps cost little.
DerivationStatus DeriveFast(SeismicRecord& record, bool removeDc, const Span& span,
                            DerivationWorkspace& workspace, int workers) {
    const float* h = record.bandpassCoefficients.data();
    const int n = span.length;
    const int chunks = (n + FILTER_CHUNK - 1) / FILTER_CHUNK;
    std::vector<ComponentSteps> steps;
    steps.reserve(MAX_COMPONENTS);  // the pipelines keep references to the steps
    std::vector<Pipeline> pipelines;
    for (int c = 0; c < ComponentsOf(record); ++c) {
        DerivationLane& lane = workspace.lane(c);
        if (lane.filter.capacity() < n) return DerivationStatus::OutOfMemory;
        ComponentSteps& component = steps.emplace_back(record, c, span, removeDc, lane);
        auto filterChunk = [&lane, h, n](const float* x) {
            return [&lane, h, n, x](int chunk) {
                const int begin = chunk * FILTER_CHUNK;
                FilterRange(lane.filter, BANDPASS_TAPS, h, n, x, begin, std::min(n, begin + FILTER_CHUNK));
            };
        };
        auto takeFiltered = [&lane, n](float* x) { std::copy(lane.filter.output(), lane.filter.output() + n, x); };
        pipelines.push_back({
            {1, [&component, &lane, h, n](int) {
                 component.IntegrateAcceleration();
                 PrepareFilterInput(lane.filter, BANDPASS_TAPS, h, n, lane.velocity.get());
             }},
            {chunks, filterChunk(lane.velocity.get())},
            {1, [&component, &lane, h, n, takeFiltered](int) {
                 takeFiltered(lane.velocity.get());
                 component.IntegrateVelocity();
                 PrepareFilterInput(lane.filter, BANDPASS_TAPS, h, n, lane.displacement.get());
             }},
            {chunks, filterChunk(lane.displacement.get())},
            {1, [&component, &lane, takeFiltered](int) {
                 takeFiltered(lane.displacement.get());
                 component.StoreResults();
             }},
        });
    }
    RunStagedPipelines(pipelines, workers);
    return DerivationStatus::Derived;
}

}  // namespace

DerivationLane::DerivationLane(int capacity)
    : capacity(capacity),
      work(Allocate(capacity)),
      velocity(Allocate(capacity)),
      displacement(Allocate(capacity)),
      filter(capacity, BANDPASS_TAPS) {}

bool DerivationWorkspace::Fit(int span) {
    const int wanted = std::max(span, MAX_PROCESSING_SPAN);
    for (std::unique_ptr<DerivationLane>& lane : lanes_) {
        if (lane && lane->capacity == wanted && lane->ok()) continue;
        lane.reset();  // the old arrays go before the new ones come
        lane.reset(new (std::nothrow) DerivationLane(wanted));
    }
    return ok();
}

DerivationStatus DeriveMotion(SeismicRecord& record, bool removeDc, EnginePath path,
                              DerivationWorkspace& workspace, int workers) {
    if (record.windowLength <= 0) return DerivationStatus::Skipped;
    const Span span = SpanOf(record);
    if (!workspace.Fit(span.length)) return DerivationStatus::OutOfMemory;
    if (path == EnginePath::Fast) return DeriveFast(record, removeDc, span, workspace, workers);
    return DeriveReference(record, removeDc, span, workspace);
}

}  // namespace tremblo
