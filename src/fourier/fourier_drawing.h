#pragma once
// The Fourier window's drawing, shared with the batch front end: on one
// graph, the amplitude spectra of the components on log-log axes (raw thin
// and light, smoothed bold) from 0.05 Hz to the Nyquist frequency, and
// beside them a ratio: H/V, or surface over borehole for a KiK-net pair.
#include "fourier/fourier_spectra.h"
#include "plot/my_graph.h"

namespace tremblo {

// Size of the Fourier window's graph, in pixels.
inline constexpr int FOURIER_GRAPH_WIDTH = 897;
inline constexpr int FOURIER_GRAPH_HEIGHT = 400;
// The lowest frequency drawn.
inline constexpr double FOURIER_LOWEST_FREQUENCY = 0.05;

enum class FourierRatio {
    HorizontalToVertical = 0,  // H/V
    SurfaceBorehole = 1,       // 地表/地中
};

// The window's display controls.
struct FourierDisplaySettings {
    bool showRaw = true;  // 生スペクトル
    FourierRatio ratio = FourierRatio::HorizontalToVertical;
    int lineWidth = 2;    // of the smoothed curves and the ratios
};

// The graph as the window creates it: a 10-pixel font, cleared white.
void PrepareFourierGraph(TMyGraph& graph);

// Draws `spectra` and the ratio chosen; `borehole` is the other series of a
// KiK-net surface record (or, the other way round, `spectra` being the
// borehole one, its surface record), nullptr when none is at hand. A ratio
// that cannot be drawn leaves its panel with a line saying why.
void DrawFourierSpectra(TMyGraph& graph, const FourierSpectra& spectra, const FourierSpectra* partner,
                        const FourierDisplaySettings& settings);

}  // namespace tremblo
