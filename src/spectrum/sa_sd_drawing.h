#pragma once
// The Sa-Sd window's drawing: spectral acceleration against spectral
// displacement of one component at damping index 3, the displacement-
// adjusted curve in red and, on request, the full curve in blue over it.
// The window and the batch front end both draw through here.
#include <string>
#include <vector>

#include "plot/my_graph.h"
#include "spectrum/spectrum_source.h"
#include "spectrum/spectrum_table.h"
#include "target/target_spectrum.h"

namespace tremblo {

// Size of the Sa-Sd window's graph, in pixels.
inline constexpr int SA_SD_GRAPH_WIDTH = 305;
inline constexpr int SA_SD_GRAPH_HEIGHT = 305;

struct SaSdSettings {
    int component = 0;            // the spectrum window's RGCompo
    int lineWidth = 2;            // UpDown1
    bool adjustedOnly = true;     // 変位調整
    std::vector<TargetSpectrum> targets;  // demand curves, SA against pseudo SD
    bool pseudo = false;          // pSA = w^2 SD in place of SA
};

// Component names of this window: "NS", "EW", "UD" by index. The one
// component of a one-component record is named by the direction its label
// starts with (a UD file alone is "UD", not "NS").
std::string SaSdComponentName(const SpectrumSource& source, int component);
// The component in the graph's title, as the spectrum panels name it
// ("NS2", "067°"); the name above when the record gives none.
std::string SaSdTitleComponent(const SpectrumSource& source, int component);

// The caption under the graph with the damping ratio the curve is drawn
// for: "Sa-Sdスペクトラム　h=0.05" (h=0.25 and 0.5 under the ×5 and ×10
// multipliers); "pSa-Sdスペクトラム　h=0.05" for the pseudo acceleration.
std::string SaSdCaption(const SpectrumSource& source, bool pseudo = false);

// The graph as the Sa-Sd window creates it: frame 250 x 250 at (35, 270),
// VValueX 5, VValueY 10, OverWrite off, a 10-pixel font, cleared white.
void PrepareSaSdGraph(TMyGraph& graph);

// Both scales come from the adjusted curve only; "eventName component" of
// the source is written at (150, 5), the oscillator's mark
// (OscillatorPictureMark) in the bottom right corner. The targets' demand
// curves come last.
// With settings.pseudo the accelerations are w^2 SD at the periods of every
// spectrum table (BuildPeriodTable) and the axis says so.
void DrawSaSd(TMyGraph& graph, const SpectrumTable& spectrum, const SpectrumSource& source,
              const SaSdSettings& settings);

}  // namespace tremblo
