#pragma once
// The time-domain intensity measures of one component over the whole record
// as loaded (the samples the JMA intensity reads): Arias intensity,
// significant durations, CAV, CAV5, CAVstd and the bracketed duration
// (husid_curve.h, cumulative_velocity.h, bracketed_duration.h), sample k
// taken at k / SamplesPerSecond(dt) seconds (sample_interval.h).
#include <optional>
#include <span>
#include <vector>

#include "record/seismic_record.h"
#include "wave/bracketed_duration.h"
#include "wave/cumulative_velocity.h"
#include "wave/husid_curve.h"

namespace tremblo {

struct TimeDomainSettings {
    double bracketThresholdG = DEFAULT_BRACKET_THRESHOLD_G;  // --bracket-threshold
};

struct TimeDomainMeasures {
    double ariasIntensity = 0.0;          // m/s
    SignificantDurations durations;       // s; empty without motion
    CumulativeVelocity cumulative;        // cm/s
    std::optional<double> bracketed;      // s; empty when the threshold is never reached
};

// dt: the record's interval (s).
TimeDomainMeasures TimeDomainMeasuresOf(std::span<const float> gal, double dt, const TimeDomainSettings& settings);

// Every sample of component c of a loaded record: 0 .. sampleCount - 1,
// within the trace buffer.
std::span<const float> WholeRecordSamples(const SeismicRecord& record, int c);

// The Husid curve of every component of a loaded record, over every sample,
// at the interval the measures take.
std::vector<HusidCurve> RecordHusidCurves(const SeismicRecord& record);

}  // namespace tremblo
