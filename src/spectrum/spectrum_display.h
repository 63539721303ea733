#pragma once
// The spectrum window's drawing: three panels side by side on one graph,
// either SA, SV and SD of one component or one quantity of every component,
// against period or frequency on linear or logarithmic axes. The window and
// the batch front end both draw through here; the window only reads its
// controls into SpectrumDisplaySettings.
#include <array>
#include <string>
#include <vector>

#include "plot/my_graph.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/spectrum_model.h"
#include "spectrum/spectrum_table.h"
#include "target/target_spectrum.h"

namespace tremblo {

// Size of the spectrum window's graph MyGraph1, in pixels.
inline constexpr int SPECTRUM_GRAPH_WIDTH = 897;
inline constexpr int SPECTRUM_GRAPH_HEIGHT = 305;

enum class SpectrumLayout {
    PerComponent = 0,  // 成分ごと: SA, SV, SD of one component
    PerResponse = 1,   // 応答ごと: one quantity of each component
};

// The window's display controls.
struct SpectrumDisplaySettings {
    SpectrumLayout layout = SpectrumLayout::PerComponent;  // RGSpect
    int component = 0;                                     // RGCompo
    int quantity = SV;                                     // RGResp
    bool linearX = false;                                  // RGXScale 線形
    bool frequencyX = false;                               // RGXUnit Hz
    bool linearY = false;                                  // RGYScale 線形
    std::array<bool, DAMPING_COUNT> dampingEnabled{true, true, true, true, true};  // D00 .. D10
    bool colorByDamping = true;                            // CBColor
    int lineWidth = 2;                                     // UpDown1
    std::vector<TargetSpectrum> targets;                   // drawn dashed over the panels, at most three
    bool pseudo = false;  // pSA = w^2 SD and pSV = w SD drawn in place of SA and SV
};

// The seven curve colours: red, blue, purple, black, green, teal, navy.
Color DampingColor(int index);

// The damping index whose curve sets the vertical scale: the first enabled
// one, 0 when none is.
int ScaleDamping(const std::array<bool, DAMPING_COUNT>& dampingEnabled);

// Quantity symbols "SA", "SV", "SD" and unit labels "[Gal]", "[kine]", "[cm]".
const char* SpectrumSymbol(int quantity);
// "pSA", "pSV", "SD" for the pseudo values, else as above.
const char* SpectrumSymbol(int quantity, bool pseudo);
const char* SpectrumUnitLabel(int quantity);

// Panel places on a graph: x origin of panel i is i * (width / 3) + 50, the
// y origin of all panels is height - 30.
struct SpectrumPanels {
    std::array<int, 3> originX{};
    int originY = 0;
    int frameSize = 0;  // WidthX and HeightY: width / 3 - 60
};
SpectrumPanels SpectrumPanelsFor(int graphWidth, int graphHeight);

// The graph as the spectrum window creates it: frame size and y origin from
// the panels, OriginX 35, VValueX 5, VValueY 10, OverWrite on, cleared white.
void PrepareSpectrumGraph(TMyGraph& graph);

// Axis kinds and x units from the settings: linear or logarithmic (0.01 s
// or 0.1 Hz, three decades), period axis 0 .. linearPeriodLimit in its
// divisions, frequency axis 0 .. 20 Hz. SubX is left alone: the menu of
// the longest period sets it (LinearPeriodAxis::subX).
void SetupSpectrumAxes(TMyGraph& graph, const SpectrumDisplaySettings& settings,
                       const LinearPeriodAxis& linearAxis);

// The panel title "SA AIC001 NS   2024/11/05 10:12:00" (UTF-8), "pSA ..."
// and "pSV ..." for the pseudo values.
std::string SpectrumPanelTitle(const SpectrumSource& source, int quantity, int component, bool pseudo = false);

// What the drawings read: the table, the period tables, the record texts
// of the calculation and the linear axes' point counts.
struct SpectrumData {
    const SpectrumTable& table;
    const PeriodTable& periods;
    const SpectrumSource& source;
    LinearPeriodAxis linearAxis;
    int linearPeriodCount = PERIOD_COUNT;     // points on a linear period axis
    int linearFrequencyCount = PERIOD_COUNT;  // points on a linear frequency axis, per response
};
SpectrumData SpectrumDataOf(const SpectrumModel& model);

// The 200 values of a curve in period order: the table's row, or with
// `pseudo` w^2 SD for SA and w SD for SV (the values of PseudoSpectrumTable).
std::array<float, PERIOD_COUNT> SpectrumCurveRow(const SpectrumData& data, int component, int damping, int quantity,
                                                 bool pseudo);

// The panels' drawings write the oscillator's mark (OscillatorPictureMark)
// above the first panel's title.
// BtnSpectrum1Click's drawing: the three quantities of settings.component.
void DrawSpectraPerComponent(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& settings);
// BtnSpectrum2Click's drawing: settings.quantity of each calculated component.
void DrawSpectraPerResponse(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& settings);
// The drawing of the chosen layout (RedrawSpectra).
void DrawSpectra(TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& settings);

}  // namespace tremblo
