#include "spectrum/spectrum_display.h"

#include <algorithm>

#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/pseudo_spectra.h"
#include "spectrum/target_drawing.h"

namespace tremblo {

namespace {

// RGB with red in the low byte.
constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

constexpr std::array<Color, 7> kDampingColors{Rgb(255, 0, 0),   Rgb(0, 0, 255),   Rgb(128, 0, 128),
                                              Rgb(0, 0, 0),     Rgb(0, 128, 0),   Rgb(0, 128, 128),
                                              Rgb(0, 0, 128)};

}  // namespace

Color DampingColor(int index) {
    const int n = static_cast<int>(kDampingColors.size());
    return kDampingColors[static_cast<std::size_t>(((index % n) + n) % n)];
}

int ScaleDamping(const std::array<bool, DAMPING_COUNT>& dampingEnabled) {
    for (int k = 0; k < DAMPING_COUNT; ++k)
        if (dampingEnabled[static_cast<std::size_t>(k)]) return k;
    return 0;
}

const char* SpectrumSymbol(int quantity) {
    static const char* const kSymbols[] = {"SA", "SV", "SD"};
    return (quantity >= 0 && quantity < SPECTRUM_QUANTITIES) ? kSymbols[quantity] : "";
}

const char* SpectrumSymbol(int quantity, bool pseudo) {
    if (!pseudo) return SpectrumSymbol(quantity);
    static const char* const kPseudoSymbols[] = {"pSA", "pSV", "SD"};
    return (quantity >= 0 && quantity < SPECTRUM_QUANTITIES) ? kPseudoSymbols[quantity] : "";
}

const char* SpectrumUnitLabel(int quantity) {
    static const char* const kUnits[] = {"[Gal]", "[kine]", "[cm]"};
    return (quantity >= 0 && quantity < SPECTRUM_QUANTITIES) ? kUnits[quantity] : "";
}

SpectrumPanels SpectrumPanelsFor(int graphWidth, int graphHeight) {
    const int w = graphWidth / 3;
    SpectrumPanels panels;
    for (int i = 0; i < 3; ++i) panels.originX[static_cast<std::size_t>(i)] = i * w + 50;
    panels.originY = graphHeight - 30;
    panels.frameSize = w - 60;
    return panels;
}

void PrepareSpectrumGraph(TMyGraph& graph) {
    const SpectrumPanels panels = SpectrumPanelsFor(graph.Width(), graph.Height());
    graph.WidthX = panels.frameSize;
    graph.HeightY = panels.frameSize;
    graph.OriginX = 35;
    graph.OriginY = panels.originY;
    graph.VValueX = 5.0f;
    graph.VValueY = 10.0f;
    graph.OverWrite = true;
    graph.canvas().ResetDrawingState();
    graph.Clear(kWhite);
}

namespace {

// Linear from 0 in four divisions, or three decades from 0.01.
void SetAxisKind(bool linear, bool& linearFlag, float& start, float& step, int& divisions) {
    linearFlag = linear;
    if (linear) {
        start = 0.0f;
        divisions = 4;
    } else {
        start = 0.01f;
        step = 10.0f;
        divisions = 3;
    }
}

}  // namespace

void SetupSpectrumAxes(TMyGraph& graph, const SpectrumDisplaySettings& s, const LinearPeriodAxis& linearAxis) {
    SetAxisKind(s.linearX, graph.LinearX, graph.SValueX, graph.VValueX, graph.NGridX);
    SetAxisKind(s.linearY, graph.LinearY, graph.SValueY, graph.VValueY, graph.NGridY);
    if (!s.frequencyX) {
        graph.TitleX = TrPicture("spectrum", "周　期 [s]");
        if (s.linearX) {
            graph.VValueX = linearAxis.limit / static_cast<float>(linearAxis.divisions);
            graph.NGridX = linearAxis.divisions;
        } else {
            graph.SValueX = 0.01f;
            graph.VValueX = 10.0f;
        }
    } else {
        graph.TitleX = TrPicture("spectrum", "振動数 [Hz]");
        if (s.linearX) {
            graph.VValueX = 5.0f;
        } else {
            graph.SValueX = 0.1f;
            graph.VValueX = 10.0f;
        }
    }
}

SpectrumData SpectrumDataOf(const SpectrumModel& model) {
    return SpectrumData{model.spectrum(),         model.periods(),           model.source(),
                        model.linearPeriodAxis(), model.linearPeriodCount(), model.linearFrequencyCount()};
}

std::array<float, PERIOD_COUNT> SpectrumCurveRow(const SpectrumData& data, int c, int k, int q, bool pseudo) {
    std::array<float, PERIOD_COUNT> values{};
    if (!pseudo || q == SD) {
        const float* row = data.table.row(c, k, q);
        std::copy(row, row + PERIOD_COUNT, values.begin());
        return values;
    }
    const float* sd = data.table.row(c, k, SD);
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        const float period = data.periods.periods[static_cast<std::size_t>(j)];
        values[static_cast<std::size_t>(j)] = q == SA ? PseudoAcceleration(period, sd[j]) : PseudoVelocity(period, sd[j]);
    }
    return values;
}

std::string SpectrumPanelTitle(const SpectrumSource& source, int quantity, int component, bool pseudo) {
    const std::string label =
        (component >= 0 && component < MAX_COMPONENTS)
            ? source.componentLabel[static_cast<std::size_t>(component)].str()
            : std::string();
    return SjisToUtf8(StringPrintf("%s %s %s   %s %s", SpectrumSymbol(quantity, pseudo), source.stationCode.c_str(),
                                   label.c_str(), source.originDate.c_str(), source.originTime.c_str()));
}

namespace {

// Title, axes, panel origin and the unit label: the steps before a panel's
// scale is chosen.
void BeginPanel(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& s, int panel,
                int quantity, int component) {
    const SpectrumPanels panels = SpectrumPanelsFor(graph.Width(), graph.Height());
    const std::string title = SpectrumPanelTitle(data.source, quantity, component, s.pseudo);
    SetupSpectrumAxes(graph, s, data.linearAxis);
    graph.TitleY = title;
    graph.OriginX = panels.originX[static_cast<std::size_t>(panel)];
    graph.canvas().TextOut(graph.OriginX - 30, graph.OriginY - graph.HeightY - 18, SpectrumUnitLabel(quantity));
}

// Pen of curve k: its colour when colouring by damping (otherwise the black
// the frame left), and the chosen width.
void SetCurvePen(TMyGraph& graph, const SpectrumDisplaySettings& s, int k) {
    if (s.colorByDamping) graph.canvas().SetPenColor(DampingColor(k));
    graph.canvas().SetPenWidth(s.lineWidth);
}

// The oscillator's mark on the line above the first panel's title: the
// titles themselves fill their panels.
void WriteOscillatorMark(TMyGraph& graph, const SpectrumData& data) {
    const std::string mark = OscillatorPictureMark(data.source.method);
    if (mark.empty()) return;
    const SpectrumPanels panels = SpectrumPanelsFor(graph.Width(), graph.Height());
    graph.canvas().TextOut(panels.originX[0] + 10, 2, mark);
}

bool Enabled(const SpectrumDisplaySettings& s, int k) { return s.dampingEnabled[static_cast<std::size_t>(k)]; }

int LinearPeriodPoints(const SpectrumData& data) { return std::clamp(data.linearPeriodCount, 0, PERIOD_COUNT); }

int LinearFrequencyPoints(const SpectrumData& data) {
    return std::clamp(data.linearFrequencyCount, 0, PERIOD_COUNT);
}

}  // namespace

// A panel of this layout draws the curves of its enlarged item: n points
// against the periods, or 200 against the ascending frequencies with the
// rows reversed, the scale from the first enabled damping's row.
void DrawSpectraPerComponent(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& settings) {
    graph.Clear(kWhite);
    SpectrumDisplaySettings s = settings;
    s.layout = SpectrumLayout::PerComponent;
    const int c = std::clamp(s.component, 0, SPECTRUM_COMPONENTS - 1);
    for (int r = 0; r < SPECTRUM_QUANTITIES; ++r) {
        BeginPanel(graph, data, s, r, r, c);
        const ItemCurves curves = EnlargedItemCurves(data, s, r);
        graph.YScaleUnit(curves.scaleCount, curves.scaleRow.data());
        graph.DrawWaku();
        graph.canvas().SetPenWidth(s.lineWidth);
        DrawItemCurves(graph, curves, s, s.colorByDamping);
        DrawSpectrumTargets(graph, s.targets, r, s.frequencyX);
    }
    WriteOscillatorMark(graph, data);
}

void DrawSpectraPerResponse(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& s) {
    graph.Clear(kWhite);
    const int q = std::clamp(s.quantity, 0, SPECTRUM_QUANTITIES - 1);
    const PeriodTable& periods = data.periods;
    const int scaleDamping = ScaleDamping(s.dampingEnabled);
    const int components = std::clamp(data.source.componentCount, 0, SPECTRUM_COMPONENTS);
    for (int c = 0; c < components; ++c) {
        BeginPanel(graph, data, s, c, q, c);
        // The scale always comes from all 200 values in period order.
        graph.YScaleUnit(PERIOD_COUNT, SpectrumCurveRow(data, c, scaleDamping, q, s.pseudo).data());
        graph.DrawWaku();
        for (int k = 0; k < DAMPING_COUNT; ++k) {
            if (!Enabled(s, k)) continue;
            SetCurvePen(graph, s, k);
            const std::array<float, PERIOD_COUNT> row = SpectrumCurveRow(data, c, k, q, s.pseudo);
            if (!s.frequencyX) {
                const int n = s.linearX ? LinearPeriodPoints(data) : PERIOD_COUNT;
                graph.DrawGraph(n, periods.periods.data(), row.data());
            } else {
                // Frequencies descending, the row in period order: a linear
                // axis shows the first points, from 20 Hz down.
                const int n = s.linearX ? LinearFrequencyPoints(data) : PERIOD_COUNT;
                graph.DrawGraph(n, periods.frequencies.data(), row.data());
            }
        }
        DrawSpectrumTargets(graph, s.targets, q, s.frequencyX);
    }
    WriteOscillatorMark(graph, data);
}

void DrawSpectra(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& settings) {
    if (settings.layout == SpectrumLayout::PerResponse) {
        DrawSpectraPerResponse(graph, data, settings);
    } else {
        DrawSpectraPerComponent(graph, data, settings);
    }
    graph.RedrawScaleLabels();
}

}  // namespace tremblo
