#include "pipeline/measure_values.h"

namespace tremblo {

namespace {

std::optional<double> SpectrumValue(const ComponentMeasures& m, double ComponentSpectrumIntensity::*value) {
    if (!m.spectrum) return std::nullopt;
    return (*m.spectrum).*value;
}

std::vector<std::string> NamesOf(const std::vector<NamedMeasure>& values) {
    std::vector<std::string> names;
    for (const NamedMeasure& v : values) names.push_back(v.name);
    return names;
}

}  // namespace

std::vector<NamedMeasure> ComponentMeasureValues(const ComponentMeasures& m) {
    const TimeDomainMeasures& t = m.time;
    return {{"arias", t.ariasIntensity},
            {"d5_75", t.durations.d5_75},
            {"d5_95", t.durations.d5_95},
            {"cav", t.cumulative.cav},
            {"cav5", t.cumulative.cav5},
            {"cavstd", t.cumulative.cavStd},
            {"bracketed", t.bracketed},
            {"housner_si", SpectrumValue(m, &ComponentSpectrumIntensity::housner)},
            {"si", SpectrumValue(m, &ComponentSpectrumIntensity::si)}};
}

std::vector<NamedMeasure> HorizontalMeasureValues(const RecordMeasures& m) {
    std::vector<NamedMeasure> values{{"si_horizontal", std::nullopt}};
    if (m.horizontalSi) values[0].value = m.horizontalSi->si;
    const struct {
        const char* name;
        RotDValues RotatedPeaks::*peaks;
    } quantities[] = {{"pga", &RotatedPeaks::acceleration},
                      {"pgv", &RotatedPeaks::velocity},
                      {"pgd", &RotatedPeaks::displacement}};
    for (const auto& q : quantities) {
        NamedMeasure median{std::string(q.name) + "_rotd50", std::nullopt};
        NamedMeasure largest{std::string(q.name) + "_rotd100", std::nullopt};
        if (m.rotatedPeaks) {
            median.value = ((*m.rotatedPeaks).*q.peaks).rotd50;
            largest.value = ((*m.rotatedPeaks).*q.peaks).rotd100;
        }
        values.push_back(median);
        values.push_back(largest);
    }
    return values;
}

std::vector<std::string> ComponentMeasureNames() { return NamesOf(ComponentMeasureValues(ComponentMeasures{})); }

std::vector<std::string> HorizontalMeasureNames() { return NamesOf(HorizontalMeasureValues(RecordMeasures{})); }

RecordMeasureSettings BatchMeasureSettings(double bracketThresholdG) {
    RecordMeasureSettings settings;
    settings.bracketThresholdG = bracketThresholdG;
    settings.path = EnginePath::Fast;
    settings.workers = 1;  // the batch spreads records, not oscillators, over the cores
    return settings;
}

}  // namespace tremblo
