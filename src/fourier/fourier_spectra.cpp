#include "fourier/fourier_spectra.h"

#include <algorithm>
#include <filesystem>

#include "fourier/fourier_amplitude.h"
#include "spectrum/spectrum_calculation.h"

namespace tremblo {

int KikNetSeriesOf(const RecordFields& record) {
    const std::string_view label = record.componentLabel[0].view();
    if (label.size() != 3) return 0;
    if (label.back() == '1') return 1;
    if (label.back() == '2') return 2;
    return 0;
}

namespace {

// The path of the first component file up to the first period of its name.
std::string SeriesKey(const RecordFields& record) {
    const std::filesystem::path path(record.componentPath[0]);
    std::string name = path.filename().string();
    name = name.substr(0, name.find('.'));
    return (path.parent_path() / name).string();
}

}  // namespace

bool ComputeFourierSpectra(const SeismicRecord& record, const FourierSettings& settings, FourierSpectra& out,
                           int workers) {
    out = FourierSpectra{};
    out.source = SpectrumSourceOf(record);
    out.source.componentCount = std::clamp(record.componentCount, 1, MAX_COMPONENTS);
    out.series = KikNetSeriesOf(record);
    if (out.series != 0) out.seriesKey = SeriesKey(record);
    out.dt = record.dt;
    out.windowStart = record.windowStart;
    out.windowLength = std::clamp(record.windowLength, 0, record.capacity());
    out.tapered = settings.taper;
    std::vector<float> window(static_cast<std::size_t>(out.windowLength));
    for (int c = 0; c < out.componentCount(); ++c) {
        CopySpectrumWindow(record, c, out.windowLength, window.data());
        FourierAmplitude fas;
        if (!ComputeFourierAmplitude(window, record.dt, settings.taper, fas)) {
            out = FourierSpectra{};
            return false;
        }
        out.length = fas.length;
        out.df = fas.df;
        out.raw[static_cast<std::size_t>(c)] = std::move(fas.amplitude);
    }
    SmoothFourierSpectra(out, settings.bandwidth, workers);
    return true;
}

void SmoothFourierSpectra(FourierSpectra& spectra, double b, int workers) {
    spectra.bandwidth = b;
    std::vector<std::span<const double>> in;
    std::vector<std::span<double>> out;
    for (int c = 0; c < spectra.componentCount(); ++c) {
        const auto i = static_cast<std::size_t>(c);
        spectra.smoothed[i].assign(spectra.raw[i].size(), 0.0);
        in.emplace_back(spectra.raw[i]);
        out.emplace_back(spectra.smoothed[i]);
    }
    SmoothKonnoOhmachi(in, b, out, workers);
}

}  // namespace tremblo
