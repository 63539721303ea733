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
    const std::optional<std::string> horizontalProblem = HorizontalMeasuresUnavailable(record);
    if (horizontalProblem) measures.horizontalProblem = *horizontalProblem;
    // The horizontal motion's oscillators give NS's and EW's own values too.
    const bool horizontal = !horizontalProblem && !spectrumProblem;
    if (horizontal) {
        const HorizontalSpectrumIntensity h =
            HorizontalSpectrumIntensityOf(WholeRecordSamples(record, 0), WholeRecordSamples(record, 1), record.dt, spectrum);
        measures.horizontalSi = h;
        measures.components[0].spectrum = h.ns;
        measures.components[1].spectrum = h.ew;
    }
    for (int c = 0; c < measures.componentCount; ++c) {
        ComponentMeasures& m = measures.components[static_cast<std::size_t>(c)];
        const std::span<const float> samples = WholeRecordSamples(record, c);
        m.time = TimeDomainMeasuresOf(samples, dt, time);
        if (!spectrumProblem && !(horizontal && c < 2))
            m.spectrum = ComponentSpectrumIntensityOf(samples, record.dt, spectrum);
    }
    if (horizontalProblem) return measures;
    measures.rotatedPeaks = RecordRotatedPeaks(record, settings.path);
    return measures;
}

}  // namespace tremblo
