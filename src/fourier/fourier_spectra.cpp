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

FourierInput FourierInputOf(const SeismicRecord& record) {
    FourierInput input;
    input.source = SpectrumSourceOf(record);
    input.source.componentCount = std::clamp(record.componentCount, 1, MAX_COMPONENTS);
    input.series = KikNetSeriesOf(record);
    if (input.series != 0) input.seriesKey = SeriesKey(record);
    input.dt = record.dt;
    const auto& o = record.orientation;
    input.horizontalsAndVertical = record.componentCount == 3 && !o[0].vertical && o[0].azimuthDeg &&
                                   !o[1].vertical && o[1].azimuthDeg && o[2].vertical;
    input.windowStart = record.windowStart;
    input.windowLength = std::clamp(record.windowLength, 0, record.capacity());
    for (int c = 0; c < input.source.componentCount; ++c) {
        std::vector<float>& window = input.window[static_cast<std::size_t>(c)];
        window.resize(static_cast<std::size_t>(input.windowLength));
        CopySpectrumWindow(record, c, input.windowLength, window.data());
    }
    return input;
}

bool ComputeFourierSpectra(const SeismicRecord& record, const FourierSettings& settings, FourierSpectra& out,
                           int workers) {
    return ComputeFourierSpectra(FourierInputOf(record), settings, out, workers);
}

bool ComputeFourierSpectra(const FourierInput& input, const FourierSettings& settings, FourierSpectra& out,
                           int workers) {
    out = FourierSpectra{};
    out.source = input.source;
    out.horizontalsAndVertical = input.horizontalsAndVertical;
    out.series = input.series;
    out.seriesKey = input.seriesKey;
    out.dt = input.dt;
    out.windowStart = input.windowStart;
    out.windowLength = input.windowLength;
    out.tapered = settings.taper;
    for (int c = 0; c < out.componentCount(); ++c) {
        FourierAmplitude fas;
        if (!ComputeFourierAmplitude(input.window[static_cast<std::size_t>(c)], input.dt, settings.taper, fas)) {
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

FourierSettings SettingsOf(const FourierSpectra& spectra) { return FourierSettings{spectra.tapered, spectra.bandwidth}; }

bool ApplyFourierSettings(const FourierInput& input, const FourierSettings& settings, FourierSpectra& spectra,
                          int workers) {
    if (spectra.empty() || spectra.tapered != settings.taper) return ComputeFourierSpectra(input, settings, spectra, workers);
    if (spectra.bandwidth != settings.bandwidth) SmoothFourierSpectra(spectra, settings.bandwidth, workers);
    return true;
}

}  // namespace tremblo
