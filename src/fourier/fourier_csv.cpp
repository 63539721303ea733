#include "fourier/fourier_csv.h"

#include <cmath>

#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "fourier/spectral_ratio.h"

namespace tremblo {

namespace {

// A value that is no finite number leaves its cell empty.
void AppendValue(std::string& line, double value) {
    line += std::isfinite(value) ? StringPrintf(",%.6e", value) : std::string(",");
}

// The lines before the header: the settings, then the ratio columns' gaps.
std::string SettingsLines(const FourierSpectra& spectra, const std::vector<RatioGap>& gaps) {
    std::string text;
    if (spectra.tapered) text += "# 5 % cosine taper at each end\r\n";
    text += StringPrintf("# Konno-Ohmachi smoothing b = %g\r\n", spectra.bandwidth);
    for (const RatioGap& gap : gaps)
        text += StringPrintf("# %s empty at %d frequencies: the smoothed %s spectrum vanishes there\r\n",
                             gap.column.c_str(), gap.count, gap.below.c_str());
    return text;
}

std::string Label(const FourierSpectra& spectra, int c) {
    return spectra.source.componentLabel[static_cast<std::size_t>(c)].str();
}

}  // namespace

std::vector<RatioGap> FourierCsvGaps(const FourierSpectra& spectra, bool withHv) {
    if (!withHv) return {};
    const int count = UndefinedRatioCount(HorizontalToVertical(spectra));
    if (count == 0) return {};
    return {RatioGap{"HV", Label(spectra, 2), count}};
}

std::string FourierCsvText(const FourierSpectra& spectra, bool withHv) {
    std::string text = SettingsLines(spectra, FourierCsvGaps(spectra, withHv));
    const int count = spectra.componentCount();
    std::string header = "Frequency";
    for (int c = 0; c < count; ++c) header += "," + Label(spectra, c);
    for (int c = 0; c < count; ++c) header += "," + Label(spectra, c) + " smoothed";
    const std::vector<double> hv = withHv ? HorizontalToVertical(spectra) : std::vector<double>{};
    if (!hv.empty()) header += ",HV";
    text += header + "\r\n";
    for (int k = 1; k < spectra.frequencyCount(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        std::string line = StringPrintf("%.6e", spectra.df * k);
        for (int c = 0; c < count; ++c) AppendValue(line, spectra.raw[static_cast<std::size_t>(c)][i]);
        for (int c = 0; c < count; ++c) AppendValue(line, spectra.smoothed[static_cast<std::size_t>(c)][i]);
        if (!hv.empty()) AppendValue(line, hv[i]);
        text += line + "\r\n";
    }
    return text;
}

std::vector<RatioGap> SurfaceBoreholeCsvGaps(const FourierSpectra& surface, const FourierSpectra& borehole) {
    const std::vector<std::vector<double>> ratio = SurfaceBoreholeRatio(surface, borehole);
    const std::vector<std::string> labels = SurfaceBoreholeLabels(surface, borehole);
    std::vector<RatioGap> gaps;
    for (std::size_t c = 0; c < ratio.size(); ++c)
        if (const int count = UndefinedRatioCount(ratio[c]); count > 0)
            gaps.push_back(RatioGap{labels[c], Label(borehole, static_cast<int>(c)), count});
    return gaps;
}

std::string SurfaceBoreholeCsvText(const FourierSpectra& surface, const FourierSpectra& borehole) {
    const std::vector<std::vector<double>> ratio = SurfaceBoreholeRatio(surface, borehole);
    if (ratio.empty()) return {};
    std::string text = SettingsLines(surface, SurfaceBoreholeCsvGaps(surface, borehole)) + "Frequency";
    for (const std::string& label : SurfaceBoreholeLabels(surface, borehole)) text += "," + label;
    text += "\r\n";
    for (int k = 1; k < surface.frequencyCount(); ++k) {
        std::string line = StringPrintf("%.6e", surface.df * k);
        for (const std::vector<double>& r : ratio) AppendValue(line, r[static_cast<std::size_t>(k)]);
        text += line + "\r\n";
    }
    return text;
}

std::string RatioGapNote(const RatioGap& gap) {
    // The labels are the record's (Shift-JIS), the message UTF-8.
    return StringPrintf(TrText("fourier", "%s: %d の振動数で値がありません (平滑化した %s のスペクトルが 0 です)。CSV のその欄は空です").c_str(),
                        SjisToUtf8(gap.column).c_str(), gap.count, SjisToUtf8(gap.below).c_str());
}

}  // namespace tremblo
