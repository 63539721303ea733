#include "fourier/fourier_drawing.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "fourier/spectral_ratio.h"

namespace tremblo {

namespace {

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

// NS, EW, UD: smoothed and raw.
constexpr Color kSmoothedColors[] = {Rgb(220, 0, 0), Rgb(0, 0, 230), Rgb(0, 140, 0)};
constexpr Color kRawColors[] = {Rgb(255, 185, 185), Rgb(185, 190, 255), Rgb(170, 220, 170)};

// Panel frames: the spectra on the left, the ratio on the right.
constexpr int kSpectraOriginX = 60, kSpectraWidth = 480;
constexpr int kRatioOriginX = 620, kRatioWidth = 240;
constexpr int kOriginY = 350, kFrameHeight = 300;
constexpr int kSpectraDecades = 5, kRatioDecades = 3;

// The frequencies drawn: k from the first at or above 0.05 Hz to N/2.
struct Band {
    int first = 1, last = 0;
    std::vector<float> frequency;
};

Band BandOf(const FourierSpectra& s) {
    Band band;
    band.first = std::max(1, static_cast<int>(std::ceil(FOURIER_LOWEST_FREQUENCY / s.df - 1e-9)));
    band.last = s.frequencyCount() - 1;
    for (int k = band.first; k <= band.last; ++k) band.frequency.push_back(static_cast<float>(s.df * k));
    return band;
}

// The values of the band as floats, none below the axis's foot (they are
// drawn on it).
std::vector<float> Curve(const std::vector<double>& values, const Band& band, float foot) {
    std::vector<float> curve;
    curve.reserve(band.frequency.size());
    for (int k = band.first; k <= band.last; ++k)
        curve.push_back(std::max(static_cast<float>(values[static_cast<std::size_t>(k)]), foot));
    return curve;
}

// Logarithmic frequency axis from 0.05 Hz, whole decades up to the Nyquist frequency.
void SetFrequencyAxis(TMyGraph& graph, const FourierSpectra& s, int originX, int width) {
    graph.LinearX = false;
    graph.SValueX = static_cast<float>(FOURIER_LOWEST_FREQUENCY);
    graph.VValueX = 10.0f;
    graph.NGridX = std::max(1, static_cast<int>(std::ceil(std::log10(s.nyquist() / FOURIER_LOWEST_FREQUENCY) - 1e-6)));
    graph.OriginX = originX;
    graph.WidthX = width / graph.NGridX * graph.NGridX;
    graph.TitleX = TrPicture("fourier", "振動数 [Hz]");
}

// The vertical scale: `decades` decades up to the first power of ten above the largest value.
void SetLogScale(TMyGraph& graph, const std::vector<std::vector<float>>& curves, int decades) {
    graph.LinearY = false;
    graph.NGridY = decades;
    std::vector<float> all;
    for (const auto& c : curves)
        for (float v : c)
            if (std::isfinite(v)) all.push_back(v);
    if (all.empty()) all.push_back(1.0f);
    graph.YScaleUnit(static_cast<int>(all.size()), all.data());
    graph.HeightY = kFrameHeight / decades * decades;
}

// A ratio without a value at some frequencies (NaN) is drawn in pieces.
void DrawCurve(TMyGraph& graph, const Band& band, const std::vector<float>& curve, Color color, int width) {
    graph.canvas().SetPenColor(color);
    graph.canvas().SetPenWidth(width);
    for (std::size_t begin = 0; begin < curve.size();) {
        while (begin < curve.size() && !std::isfinite(curve[begin])) ++begin;
        std::size_t end = begin;
        while (end < curve.size() && std::isfinite(curve[end])) ++end;
        if (end > begin)
            graph.DrawGraph(static_cast<int>(end - begin), band.frequency.data() + begin, curve.data() + begin);
        begin = end;
    }
    graph.canvas().SetPenWidth(1);
}

// Whether the ratios have any value to draw in the band.
bool AnyValue(const std::vector<std::vector<double>>& ratios, const Band& band) {
    for (const auto& r : ratios)
        for (int k = band.first; k <= band.last; ++k)
            if (std::isfinite(r[static_cast<std::size_t>(k)])) return true;
    return false;
}

// The labels of the curves, in their colours, inside the frame's upper right corner.
void DrawLegend(TMyGraph& graph, const std::vector<std::string>& labels, const std::vector<Color>& colors) {
    Canvas& canvas = graph.canvas();
    int y = graph.OriginY - graph.HeightY + 6;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int x = graph.OriginX + graph.WidthX - 70;
        canvas.SetPenColor(colors[i]);
        canvas.SetPenWidth(2);
        canvas.MoveTo(x, y + 6);
        canvas.LineTo(x + 18, y + 6);
        canvas.SetPenWidth(1);
        canvas.TextOut(x + 22, y, labels[i]);
        y += 14;
    }
}

std::string Label(const FourierSpectra& s, int c) {
    return SjisToUtf8(s.source.componentLabel[static_cast<std::size_t>(c)].view());
}

void DrawSpectraPanel(TMyGraph& graph, const FourierSpectra& s, const Band& band, const FourierDisplaySettings& settings) {
    const int count = s.componentCount();
    std::vector<std::vector<float>> scaleCurves;
    for (int c = 0; c < count; ++c) {
        const auto i = static_cast<std::size_t>(c);
        scaleCurves.push_back(Curve(settings.showRaw ? s.raw[i] : s.smoothed[i], band, 0.0f));
    }
    SetFrequencyAxis(graph, s, kSpectraOriginX, kSpectraWidth);
    SetLogScale(graph, scaleCurves, kSpectraDecades);
    // The record's texts are Shift-JIS, the title UTF-8.
    const std::string format = TrPicture("fourier", "フーリエスペクトル %s   %s   b=%.0f%s");
    const std::string taper = s.tapered ? TrPicture("fourier", "   5%テーパー") : std::string();
    graph.TitleY = StringPrintf(format.c_str(), SjisToUtf8(s.source.stationCode.view()).c_str(),
                                SjisToUtf8(StringPrintf("%s %s", s.source.originDate.c_str(), s.source.originTime.c_str())).c_str(),
                                s.bandwidth, taper.c_str());
    graph.DrawWaku();
    graph.canvas().TextOut(graph.OriginX - 45, graph.OriginY - graph.HeightY - 18, "[cm/s]");
    const float foot = graph.SValueY;
    std::vector<std::string> labels;
    std::vector<Color> colors;
    for (int c = 0; c < count && settings.showRaw; ++c)
        DrawCurve(graph, band, Curve(s.raw[static_cast<std::size_t>(c)], band, foot), kRawColors[c], 1);
    for (int c = 0; c < count; ++c) {
        DrawCurve(graph, band, Curve(s.smoothed[static_cast<std::size_t>(c)], band, foot), kSmoothedColors[c],
                  settings.lineWidth);
        labels.push_back(Label(s, c));
        colors.push_back(kSmoothedColors[c]);
    }
    DrawLegend(graph, labels, colors);
}

// The ratio panel's frame with `title`, and the reason in it when nothing is drawn.
void DrawRatioPanel(TMyGraph& graph, const FourierSpectra& s, const Band& band, const std::string& title,
                    const std::vector<std::vector<double>>& ratios, const std::vector<std::string>& labels,
                    const std::vector<Color>& colors, const std::string& reason, int lineWidth) {
    std::vector<std::vector<float>> curves;
    for (const auto& r : ratios) curves.push_back(Curve(r, band, 0.0f));
    SetFrequencyAxis(graph, s, kRatioOriginX, kRatioWidth);
    if (curves.empty()) curves.push_back({1.0f});
    SetLogScale(graph, curves, kRatioDecades);
    graph.TitleY = title;
    graph.DrawWaku();
    if (!reason.empty()) {
        graph.canvas().TextOut(graph.OriginX + 10, graph.OriginY - graph.HeightY / 2, reason);
        return;
    }
    for (std::size_t i = 0; i < ratios.size(); ++i)
        DrawCurve(graph, band, Curve(ratios[i], band, graph.SValueY), colors[i], lineWidth);
    DrawLegend(graph, labels, colors);
}

}  // namespace

void PrepareFourierGraph(TMyGraph& graph) {
    graph.OriginY = kOriginY;
    graph.HeightY = kFrameHeight;
    graph.OverWrite = true;
    graph.canvas().ResetDrawingState();
    FontSpec font;
    font.pixelHeight = 10;
    graph.canvas().SetFont(font);
    graph.Clear(kWhite);
}

namespace {

void DrawFourierPanels(TMyGraph& graph, const FourierSpectra& spectra, const FourierSpectra* partner,
                       const FourierDisplaySettings& settings) {
    const Band band = BandOf(spectra);
    DrawSpectraPanel(graph, spectra, band, settings);

    if (settings.ratio == FourierRatio::SurfaceBorehole) {
        const FourierSpectra* surface = spectra.series == 2 ? &spectra : partner;
        const FourierSpectra* borehole = spectra.series == 1 ? &spectra : partner;
        std::string reason;
        if (surface == nullptr || borehole == nullptr)
            reason = TrPicture("fourier", "地表と地中の記録が揃っていません");
        else if (SurfaceBoreholeMismatch(*surface, *borehole))
            reason = TrPicture("fourier", "地表と地中の振動数が異なります");
        std::vector<std::vector<double>> ratios;
        std::vector<std::string> labels;
        std::vector<Color> colors;
        if (reason.empty()) {
            ratios = SurfaceBoreholeRatio(*surface, *borehole);
            labels = SurfaceBoreholeLabels(*surface, *borehole);
            for (std::string& l : labels) l = SjisToUtf8(l);
            for (std::size_t i = 0; i < ratios.size(); ++i) colors.push_back(kSmoothedColors[i]);
            if (!AnyValue(ratios, band)) reason = TrPicture("fourier", "地中のスペクトルが 0 です");
        }
        DrawRatioPanel(graph, spectra, band, TrPicture("fourier", "地表/地中 スペクトル比"), ratios, labels, colors,
                       reason, settings.lineWidth);
        return;
    }
    const std::vector<double> hv = HorizontalToVertical(spectra);
    const std::string reason = hv.empty()                 ? TrPicture("fourier", "3成分の記録が必要です")
                               : !AnyValue({hv}, band) ? TrPicture("fourier", "UD のスペクトルが 0 です")
                                                       : std::string();
    DrawRatioPanel(graph, spectra, band, TrPicture("fourier", "H/V スペクトル比"),
                   hv.empty() ? std::vector<std::vector<double>>{} : std::vector<std::vector<double>>{hv}, {"H/V"},
                   {kBlack}, reason, settings.lineWidth);
}

}  // namespace

void DrawFourierSpectra(TMyGraph& graph, const FourierSpectra& spectra, const FourierSpectra* partner,
                        const FourierDisplaySettings& settings) {
    graph.Clear(kWhite);
    if (spectra.empty()) return;
    DrawFourierPanels(graph, spectra, partner, settings);
    graph.RedrawScaleLabels();
}

}  // namespace tremblo
