#include "wave/time_domain_measures.h"

#include <algorithm>

#include "wave/sample_interval.h"

namespace tremblo {

TimeDomainMeasures TimeDomainMeasuresOf(std::span<const float> gal, double dt, const TimeDomainSettings& settings) {
    TimeDomainMeasures m;
    dt = SampleInterval(dt);
    const HusidCurve husid = HusidCurveOf(gal, dt);
    m.ariasIntensity = AriasIntensityOf(husid);
    m.durations = SignificantDurationsOf(husid);
    m.cumulative = CumulativeVelocityOf(gal, dt);
    m.bracketed = BracketedDuration(gal, dt, settings.bracketThresholdG * GAL_PER_G);
    return m;
}

std::span<const float> WholeRecordSamples(const SeismicRecord& record, int c) {
    const auto n = static_cast<std::size_t>(std::clamp(record.sampleCount, 0, record.capacity()));
    return std::span<const float>(record.samples[static_cast<std::size_t>(c)].data(), n);
}

std::vector<HusidCurve> RecordHusidCurves(const SeismicRecord& record) {
    std::vector<HusidCurve> curves;
    for (int c = 0; c < std::clamp(record.componentCount, 0, MAX_COMPONENTS); ++c)
        curves.push_back(HusidCurveOf(WholeRecordSamples(record, c), SampleInterval(record.dt)));
    return curves;
}

}  // namespace tremblo
