#include "fourier/spectral_ratio.h"

#include <cmath>
#include <limits>

#include "common/translation.h"

namespace tremblo {

namespace {

// The quotient, or NaN when it is not a finite number.
double Ratio(double numerator, double denominator) {
    const double ratio = numerator / denominator;
    return std::isfinite(ratio) ? ratio : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

std::vector<double> HorizontalToVertical(const FourierSpectra& spectra) {
    if (spectra.componentCount() < 3 || !spectra.horizontalsAndVertical) return {};
    const std::vector<double>& ns = spectra.smoothed[0];
    const std::vector<double>& ew = spectra.smoothed[1];
    const std::vector<double>& ud = spectra.smoothed[2];
    std::vector<double> hv(ns.size());
    for (std::size_t k = 0; k < hv.size(); ++k) hv[k] = Ratio(std::sqrt((ns[k] * ns[k] + ew[k] * ew[k]) / 2.0), ud[k]);
    return hv;
}

std::optional<std::string> SurfaceBoreholeMismatch(const FourierSpectra& surface, const FourierSpectra& borehole) {
    if (surface.empty() || borehole.empty()) return TrText("fourier", "スペクトルがありません");
    if (surface.series != 2 || borehole.series != 1)
        return TrText("fourier", "地表 (X.NS2) と地中 (X.NS1) の記録の組ではありません");
    if (surface.seriesKey != borehole.seriesKey) return TrText("fourier", "地表と地中の記録のファイルが異なります");
    if (surface.componentCount() != borehole.componentCount()) return TrText("fourier", "2 つの記録の成分が異なります");
    if (surface.dt != borehole.dt || surface.length != borehole.length)
        return TrText("fourier", "2 つの記録のスペクトルの振動数が異なります (サンプリングまたはウィンドウの長さ)");
    if (surface.tapered != borehole.tapered || surface.bandwidth != borehole.bandwidth)
        return TrText("fourier", "2 つの記録のスペクトルの設定が異なります (テーパーまたは平滑化 b)");
    return std::nullopt;
}

std::vector<std::vector<double>> SurfaceBoreholeRatio(const FourierSpectra& surface, const FourierSpectra& borehole) {
    std::vector<std::vector<double>> ratio;
    if (SurfaceBoreholeMismatch(surface, borehole)) return ratio;
    for (int c = 0; c < surface.componentCount(); ++c) {
        const auto& s = surface.smoothed[static_cast<std::size_t>(c)];
        const auto& b = borehole.smoothed[static_cast<std::size_t>(c)];
        std::vector<double>& r = ratio.emplace_back(s.size());
        for (std::size_t k = 0; k < s.size(); ++k) r[k] = Ratio(s[k], b[k]);
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

int UndefinedRatioCount(const std::vector<double>& ratio) {
    int count = 0;
    for (std::size_t k = 1; k < ratio.size(); ++k) count += std::isfinite(ratio[k]) ? 0 : 1;
    return count;
}

}  // namespace tremblo
