#include "spectrum/record_measures.h"

#include <algorithm>

#include "common/translation.h"
#include "spectrum/rotd_calculation.h"

namespace tremblo {

std::optional<std::string> HorizontalMeasuresUnavailable(const SeismicRecord& record) {
    if (!RotDUnavailable(record)) return std::nullopt;
    return TrText("spectrum", "直交する水平2成分の記録でないため、水平動の SI 値と最大値の RotD50/RotD100 を求められません");
}

RecordMeasures ComputeRecordMeasures(const SeismicRecord& record, const RecordMeasureSettings& settings) {
    RecordMeasures measures;
    measures.bracketThresholdG = settings.bracketThresholdG;
    measures.componentCount = std::clamp(record.componentCount, 0, MAX_COMPONENTS);
    const double dt = record.dt;
    const TimeDomainSettings time{settings.bracketThresholdG};
    const SpectrumIntensitySettings spectrum{settings.siPeriodStep, settings.path, settings.workers};
    const std::optional<std::string> spectrumProblem = SpectrumIntensityProblem(dt);
    if (spectrumProblem) measures.spectrumProblem = *spectrumProblem;
    for (int c = 0; c < measures.componentCount; ++c) {
        ComponentMeasures& m = measures.components[static_cast<std::size_t>(c)];
        const std::span<const float> samples = WholeRecordSamples(record, c);
        m.time = TimeDomainMeasuresOf(samples, dt, time);
        if (!spectrumProblem) m.spectrum = ComponentSpectrumIntensityOf(samples, record.dt, spectrum);
    }
    if (const auto why = HorizontalMeasuresUnavailable(record)) {
        measures.horizontalProblem = *why;
        return measures;
    }
    if (!spectrumProblem)
        measures.horizontalSi =
            HorizontalSpectrumIntensityOf(WholeRecordSamples(record, 0), WholeRecordSamples(record, 1), record.dt, spectrum);
    measures.rotatedPeaks = RecordRotatedPeaks(record, settings.path);
    return measures;
}

}  // namespace tremblo
