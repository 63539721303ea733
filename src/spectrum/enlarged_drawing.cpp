#include "spectrum/enlarged_drawing.h"

#include <algorithm>

#include "spectrum/target_drawing.h"

namespace tremblo {

namespace {

constexpr int kLegendX1 = 30, kLegendX2 = 95, kLegendY = 315, kTitleX = 100, kTitleY = 310, kLegendStep = 15;
constexpr int kEnlargedPenWidth = 2;
constexpr int kSmallTitlePixels = 10;

void Prepare(TMyGraph& graph, int frame, int originX, int originY) {
    graph.WidthX = frame;
    graph.HeightY = frame;
    graph.OriginX = originX;
    graph.OriginY = originY;
    graph.VValueX = 5.0f;
    graph.VValueY = 10.0f;
    graph.OverWrite = false;
    graph.canvas().ResetDrawingState();
    graph.Clear(kWhite);
}

void WriteUnitLabel(TMyGraph& graph, int quantity) {
    graph.canvas().TextOut(graph.OriginX - 30, graph.OriginY - graph.HeightY - 18, SpectrumUnitLabel(quantity));
}

void SetOverlayPen(TMyGraph& graph, int overlayCount) {
    graph.canvas().SetPenWidth(kEnlargedPenWidth);
    graph.canvas().SetPenColor(DampingColor(overlayCount));
}

void DrawLegendLine(TMyGraph& graph, int overlayCount) {
    const int y = kLegendY + kLegendStep * overlayCount;
    graph.canvas().MoveTo(kLegendX1, y);
    graph.canvas().LineTo(kLegendX2, y);
}

// The item's title beside its legend line; a title with the oscillator's
// mark takes the smaller face when the graph's would run past the picture.
void WriteLegendTitle(TMyGraph& graph, const ItemCurves& curves, int overlayCount) {
    Canvas& canvas = graph.canvas();
    const int y = kTitleY + kLegendStep * overlayCount;
    if (curves.mark.empty()) {
        canvas.TextOut(kTitleX, y, curves.title);
        return;
    }
    const std::string text = curves.title + curves.mark;
    const FontSpec font = canvas.Font();
    if (kTitleX + canvas.TextWidth(text) > graph.Width() - 2) {
        FontSpec smaller = font;
        smaller.pointSize = 0;
        smaller.pixelHeight = kSmallTitlePixels;
        canvas.SetFont(smaller);
    }
    canvas.TextOut(kTitleX, y, text);
    canvas.SetFont(font);
}

}  // namespace

void PrepareEnlargedGraph(TMyGraph& graph) { Prepare(graph, 400, 50, 440); }
void PrepareSuperposedGraph(TMyGraph& graph) { Prepare(graph, 250, 50, 270); }

void DrawItemCurves(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& s,
                    bool colorByDamping) {
    for (int k = 0; k < DAMPING_COUNT; ++k) {
        if (!s.dampingEnabled[static_cast<std::size_t>(k)]) continue;
        if (colorByDamping) graph.canvas().SetPenColor(DampingColor(k));
        graph.DrawGraph(curves.points, curves.x.data(), curves.y[static_cast<std::size_t>(k)].data());
    }
}

int EnlargedItemCount(const SpectrumData& data, const SpectrumDisplaySettings& settings) {
    if (settings.layout == SpectrumLayout::PerComponent) return SPECTRUM_QUANTITIES;
    return std::clamp(data.source.componentCount, 1, SPECTRUM_COMPONENTS);
}

int EnlargedItemOf(const SpectrumDisplaySettings& settings, int component, int quantity) {
    return settings.layout == SpectrumLayout::PerComponent ? quantity : component;
}

ItemCurves EnlargedItemCurves(const SpectrumData& data, const SpectrumDisplaySettings& s, int item) {
    const bool perComponent = s.layout == SpectrumLayout::PerComponent;
    const int c = std::clamp(perComponent ? s.component : item, 0, SPECTRUM_COMPONENTS - 1);
    const int q = std::clamp(perComponent ? item : s.quantity, 0, SPECTRUM_QUANTITIES - 1);
    const int scaleDamping = ScaleDamping(s.dampingEnabled);
    ItemCurves curves;
    curves.layout = s.layout;
    curves.title = SpectrumPanelTitle(data.source, q, c, s.pseudo);
    curves.mark = OscillatorPictureMark(data.source.method);
    curves.quantity = q;
    curves.pseudo = s.pseudo;
    curves.scaleRow = SpectrumCurveRow(data, c, scaleDamping, q, s.pseudo);
    for (int k = 0; k < DAMPING_COUNT; ++k) curves.y[static_cast<std::size_t>(k)] = SpectrumCurveRow(data, c, k, q, s.pseudo);
    if (!s.frequencyX) {
        curves.points = s.linearX ? std::clamp(data.linearPeriodCount, 0, PERIOD_COUNT) : PERIOD_COUNT;
        curves.x = data.periods.periods;
        curves.scaleCount = perComponent ? curves.points : PERIOD_COUNT;
        return curves;
    }
    curves.points = PERIOD_COUNT;
    curves.x = data.periods.ascendingFrequencies;
    for (auto& row : curves.y) ReverseTable(row);
    if (perComponent) ReverseTable(curves.scaleRow);
    curves.scaleCount = PERIOD_COUNT;
    return curves;
}

void DrawEnlargedItem(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& s,
                      const LinearPeriodAxis& linearAxis) {
    const bool perComponent = curves.layout == SpectrumLayout::PerComponent;
    SetupSpectrumAxes(graph, s, linearAxis);
    graph.TitleY = curves.title + curves.mark;
    if (perComponent) graph.SubX = s.frequencyX ? 5 : linearAxis.subX;
    graph.YScaleUnit(curves.scaleCount, curves.scaleRow.data());
    graph.DrawWaku();
    if (!perComponent || !s.frequencyX) WriteUnitLabel(graph, curves.quantity);
    graph.canvas().SetPenWidth(kEnlargedPenWidth);
    DrawItemCurves(graph, curves, s, s.colorByDamping);
    DrawSpectrumTargets(graph, s.targets, curves.quantity, s.frequencyX);
    graph.RedrawScaleLabels();
}

void StartSuperposed(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& s,
                     const LinearPeriodAxis& linearAxis) {
    SetupSpectrumAxes(graph, s, linearAxis);
    graph.TitleY = SpectrumSymbol(curves.quantity, curves.pseudo);
    graph.YScaleUnit(curves.scaleCount, curves.scaleRow.data());
    graph.DrawWaku();
    if (!s.frequencyX) {
        WriteLegendTitle(graph, curves, 0);
        WriteUnitLabel(graph, curves.quantity);
    }
    SetOverlayPen(graph, 0);
    if (!s.frequencyX) DrawLegendLine(graph, 0);
    DrawItemCurves(graph, curves, s, false);
    DrawSpectrumTargets(graph, s.targets, curves.quantity, s.frequencyX);
    graph.RedrawScaleLabels();
}

void AddSuperposed(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& s, int overlayCount) {
    SetOverlayPen(graph, overlayCount);
    DrawItemCurves(graph, curves, s, false);
    DrawLegendLine(graph, overlayCount);
    WriteLegendTitle(graph, curves, overlayCount);
    graph.RedrawScaleLabels();
}

}  // namespace tremblo
