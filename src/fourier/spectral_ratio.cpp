#include "fourier/spectral_ratio.h"

#include <cmath>

namespace tremblo {

std::vector<double> HorizontalToVertical(const FourierSpectra& spectra) {
    if (spectra.componentCount() < 3) return {};
    const std::vector<double>& ns = spectra.smoothed[0];
    const std::vector<double>& ew = spectra.smoothed[1];
    const std::vector<double>& ud = spectra.smoothed[2];
    std::vector<double> hv(ns.size());
    for (std::size_t k = 0; k < hv.size(); ++k) hv[k] = std::sqrt((ns[k] * ns[k] + ew[k] * ew[k]) / 2.0) / ud[k];
    return hv;
}

std::optional<std::string> SurfaceBoreholeMismatch(const FourierSpectra& surface, const FourierSpectra& borehole) {
    if (surface.empty() || borehole.empty()) return "no spectra";
    if (surface.series != 2 || borehole.series != 1) return "not a surface (X.NS2) and a borehole (X.NS1) record";
    if (surface.seriesKey != borehole.seriesKey) return "the surface and borehole records are of other files";
    if (surface.componentCount() != borehole.componentCount()) return "the two records have other components";
    if (surface.dt != borehole.dt || surface.length != borehole.length)
        return "the two records' spectra are on other frequencies (sampling or window length)";
    return std::nullopt;
}

std::vector<std::vector<double>> SurfaceBoreholeRatio(const FourierSpectra& surface, const FourierSpectra& borehole) {
    std::vector<std::vector<double>> ratio;
    if (SurfaceBoreholeMismatch(surface, borehole)) return ratio;
    for (int c = 0; c < surface.componentCount(); ++c) {
        const auto& s = surface.smoothed[static_cast<std::size_t>(c)];
        const auto& b = borehole.smoothed[static_cast<std::size_t>(c)];
        std::vector<double>& r = ratio.emplace_back(s.size());
        for (std::size_t k = 0; k < s.size(); ++k) r[k] = s[k] / b[k];
    }
    return ratio;
}

std::vector<std::string> SurfaceBoreholeLabels(const FourierSpectra& surface, const FourierSpectra& borehole) {
    std::vector<std::string> labels;
    for (int c = 0; c < surface.componentCount(); ++c)
        labels.push_back(surface.source.componentLabel[static_cast<std::size_t>(c)].str() + "/" +
                         borehole.source.componentLabel[static_cast<std::size_t>(c)].str());
    return labels;
}

}  // namespace tremblo
