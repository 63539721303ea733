#pragma once
// The enlarged and superposed spectrum views: one item of the spectrum
// window at a time on a large graph, and items collected on a superposed
// graph, each addition in the next colour with its legend line and title.
// The windows and the batch front end both draw through here.
#include <array>
#include <string>

#include "plot/my_graph.h"
#include "spectrum/spectrum_display.h"

namespace tremblo {

// Sizes of the enlarged and superposed windows' graphs, in pixels.
inline constexpr int ENLARGED_GRAPH_WIDTH = 481;
inline constexpr int ENLARGED_GRAPH_HEIGHT = 481;
inline constexpr int SUPERPOSED_GRAPH_WIDTH = 345;
inline constexpr int SUPERPOSED_GRAPH_HEIGHT = 417;

// The graphs as their windows create them (cleared white, OverWrite off):
// enlarged frame 400 x 400 at (50, 440); superposed 250 x 250 at (50, 270).
void PrepareEnlargedGraph(TMyGraph& graph);
void PrepareSuperposedGraph(TMyGraph& graph);

// Items of the layout: per component, the three quantities of the chosen
// component; per response, the calculated components for the chosen quantity.
int EnlargedItemCount(const SpectrumData& data, const SpectrumDisplaySettings& settings);
// The item of a component and quantity: the quantity per component, the
// component per response.
int EnlargedItemOf(const SpectrumDisplaySettings& settings, int component, int quantity);

// The curves of one item as the enlarged view draws them.
struct ItemCurves {
    SpectrumLayout layout = SpectrumLayout::PerComponent;
    std::string title;  // the panel title (UTF-8)
    std::string mark;   // the oscillator's mark (OscillatorPictureMark), after the title
    int quantity = SA;
    bool pseudo = false;  // pSA or pSV in place of SA or SV
    int points = 0;     // per curve
    std::array<float, PERIOD_COUNT> x{};  // periods, or frequencies ascending
    std::array<std::array<float, PERIOD_COUNT>, DAMPING_COUNT> y{};  // per damping index
    int scaleCount = 0;  // the values the vertical scale is chosen from
    std::array<float, PERIOD_COUNT> scaleRow{};
};

// Period unit: n = linearPeriodCount on a linear axis, else 200, against
// the periods. Frequency unit: 200 points against the ascending
// frequencies, rows reversed. The scale row is the first enabled damping's:
// n values (reversed in the frequency unit) per component, all 200 in
// period order per response. settings.pseudo gives the pseudo values.
ItemCurves EnlargedItemCurves(const SpectrumData& data, const SpectrumDisplaySettings& settings, int item);

// The enabled damping curves of an item with the pen in force, each in its
// damping colour when `colorByDamping` (otherwise in the pen's colour).
void DrawItemCurves(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& settings,
                    bool colorByDamping);

// The enlarged drawing: axes, title with the mark, scale, frame, unit label (per
// component in the period unit only), pen width 2 and the enabled curves.
// Per component SubX becomes the linear period axis's (4 for 10 s, else
// 5) in the period unit and 5 in the frequency unit; per response it stays.
void DrawEnlargedItem(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& settings,
                      const LinearPeriodAxis& linearAxis);

// A new superposed drawing (overlayCount 0): axes and scale from the item,
// the quantity symbol as title, the item's title at (100, 310), its unit
// label and legend line from (30, 315) to (95, 315) (no texts and no legend
// in the frequency unit), the curves in dampingColors[0]. An item with a
// mark has it after its title, in a 10-pixel face when the graph's is too
// wide for both.
void StartSuperposed(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& settings,
                     const LinearPeriodAxis& linearAxis);
// An addition (overlayCount already counted): curves in dampingColors[overlayCount
// mod 7] on the scales of the last new drawing, legend line and title 15
// pixels lower per addition.
void AddSuperposed(TMyGraph& graph, const ItemCurves& curves, const SpectrumDisplaySettings& settings,
                   int overlayCount);

}  // namespace tremblo
