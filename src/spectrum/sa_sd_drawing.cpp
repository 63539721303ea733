#include "spectrum/sa_sd_drawing.h"

#include <algorithm>
#include <memory>

#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "spectrum/pseudo_csv.h"
#include "spectrum/sa_sd_curve.h"
#include "spectrum/target_drawing.h"

namespace tremblo {

namespace {

constexpr Color kCurveRed = 0x0000FF;   // (255, 0, 0)
constexpr Color kCurveBlue = 0xFF0000;  // (0, 0, 255)

}  // namespace

std::string SaSdComponentName(const SpectrumSource& source, int component) {
    static const char* const kNames[] = {"NS", "EW", "UD"};
    if (component < 0 || component >= SPECTRUM_COMPONENTS) return {};
    if (source.componentCount == 1 && component == 0) {
        const std::string_view label = source.componentLabel[0].view();
        for (const char* name : kNames)
            if (label.starts_with(name)) return name;
    }
    return kNames[component];
}

std::string SaSdTitleComponent(const SpectrumSource& source, int component) {
    if (component < 0 || component >= SPECTRUM_COMPONENTS) return {};
    std::string_view label = source.componentLabel[static_cast<std::size_t>(component)].view();
    while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
    while (!label.empty() && label.front() == ' ') label.remove_prefix(1);
    return label.empty() ? SaSdComponentName(source, component) : SjisToUtf8(label);
}

std::string SaSdCaption(const SpectrumSource& source, bool pseudo) {
    const double h = source.dampingRatios[SA_SD_DAMPING_INDEX];
    // Two decimals, a trailing zero dropped: 0.05, 0.25, 0.5.
    std::string text = StringPrintf("%.2f", h);
    if (text.back() == '0') text.pop_back();
    return (pseudo ? TrText("spectrum", "pSa-Sdスペクトラム　h=") : TrText("spectrum", "Sa-Sdスペクトラム　h=")) + text;
}

void PrepareSaSdGraph(TMyGraph& graph) {
    graph.WidthX = 250;
    graph.HeightY = 250;
    graph.OriginX = 35;
    graph.OriginY = 270;
    graph.VValueX = 5.0f;
    graph.VValueY = 10.0f;
    graph.OverWrite = false;
    // A 10-pixel face keeps four-digit accelerations inside the picture left
    // of an origin 35 pixels in, and the record's name on its first line.
    graph.canvas().ResetDrawingState();
    FontSpec font;
    font.pixelHeight = 10;
    graph.canvas().SetFont(font);
    graph.Clear(kWhite);
}

void DrawSaSd(TMyGraph& graph, const SpectrumTable& spectrum, const SpectrumSource& source,
              const SaSdSettings& settings) {
    const int c = std::clamp(settings.component, 0, SPECTRUM_COMPONENTS - 1);
    std::unique_ptr<SpectrumTable> pseudo;
    if (settings.pseudo) {
        static const PeriodTable periods = BuildPeriodTable();
        pseudo = std::make_unique<SpectrumTable>(PseudoSpectrumTable(spectrum, periods));
    }
    const SpectrumTable& table = pseudo ? *pseudo : spectrum;
    const SaSdCurve adjusted = AdjustedSaSdCurve(table, c);
    graph.XScaleUnit(adjusted.count, adjusted.sd.data());
    graph.YScaleUnit(adjusted.count, adjusted.sa.data());
    graph.TitleX = TrPicture("spectrum", "変位 Sd [cm]");
    graph.TitleY = settings.pseudo ? TrPicture("spectrum", "擬似加速度 pSa [gal]")
                                   : TrPicture("spectrum", "加速度 Sa [gal]");
    graph.DrawWaku();
    Canvas& canvas = graph.canvas();
    canvas.TextOut(150, 5, StringPrintf("%s %s", source.eventName.c_str(), SaSdTitleComponent(source, c).c_str()));
    // The title line is full: the mark goes to the bottom right corner,
    // below the scale's last number and right of the axis title.
    if (const std::string mark = OscillatorPictureMark(source.method); !mark.empty())
        canvas.TextOut(graph.Width() - 3 - canvas.TextWidth(mark), graph.Height() - 1 - canvas.TextHeight(mark), mark);

    canvas.SetPenColor(kCurveRed);
    canvas.SetPenWidth(settings.lineWidth);
    graph.DrawGraph(adjusted.count, adjusted.sd.data(), adjusted.sa.data());
    if (!settings.adjustedOnly) {
        const SaSdCurve full = FullSaSdCurve(table, c);
        canvas.SetPenColor(kCurveBlue);
        graph.DrawGraph(full.count, full.sd.data(), full.sa.data());
    }
    DrawSaSdTargets(graph, settings.targets);
    graph.RedrawScaleLabels();
}

}  // namespace tremblo
