#include "fourier/fourier_csv.h"

#include "common/format.h"
#include "fourier/spectral_ratio.h"

namespace tremblo {

namespace {

void AppendValue(std::string& line, double value) { line += StringPrintf(",%.6e", value); }

}  // namespace

std::string FourierCsvText(const FourierSpectra& spectra, bool withHv) {
    std::string text;
    if (spectra.tapered) text += "# 5 % cosine taper at each end\r\n";
    const int count = spectra.componentCount();
    std::string header = "Frequency";
    for (int c = 0; c < count; ++c) header += "," + spectra.source.componentLabel[static_cast<std::size_t>(c)].str();
    for (int c = 0; c < count; ++c)
        header += "," + spectra.source.componentLabel[static_cast<std::size_t>(c)].str() + " smoothed";
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

std::string SurfaceBoreholeCsvText(const FourierSpectra& surface, const FourierSpectra& borehole) {
    const std::vector<std::vector<double>> ratio = SurfaceBoreholeRatio(surface, borehole);
    if (ratio.empty()) return {};
    std::string text = "Frequency";
    for (const std::string& label : SurfaceBoreholeLabels(surface, borehole)) text += "," + label;
    text += "\r\n";
    for (int k = 1; k < surface.frequencyCount(); ++k) {
        std::string line = StringPrintf("%.6e", surface.df * k);
        for (const std::vector<double>& r : ratio) AppendValue(line, r[static_cast<std::size_t>(k)]);
        text += line + "\r\n";
    }
    return text;
}

}  // namespace tremblo
