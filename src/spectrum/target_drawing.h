#pragma once
// Target spectra over the spectrum graphs: each target dashed in its own
// colour, cut to the frame (the scales stay those the record's curves
// chose), with a legend entry each in an upper corner of the frame. The
// spectrum, enlarged, superposed and Sa-Sd drawings call these after their
// own curves.
#include <string>
#include <vector>

#include "plot/my_graph.h"
#include "target/target_spectrum.h"

namespace tremblo {

// The colours of the first, second and third target: orange, magenta and
// brown, none of them a damping or overlay colour.
Color TargetColor(int index);

// Pen width of the target curves and their legend lines.
inline constexpr int TARGET_PEN_WIDTH = 2;

// A target's curve in a graph's units, in period order.
struct TargetCurve {
    std::vector<float> x;
    std::vector<float> y;
};
// Quantity (SA, SV or SD, pseudo values for the last two) against period,
// or against frequency.
TargetCurve TargetSpectrumCurve(const TargetSpectrum& target, int quantity, bool frequencyX);
// The demand curve of the Sa-Sd graph: SA against the pseudo SD.
TargetCurve TargetSaSdCurve(const TargetSpectrum& target);

// The legend text of a target in a graph of the quantity: its label, cut
// to 20 characters, with " (擬似)" for the pseudo SV and SD.
std::string TargetLegendText(const TargetSpectrum& target, int quantity);

// The targets of a spectrum panel of the quantity, the legend in the
// frame's upper left corner against period, upper right against frequency.
void DrawSpectrumTargets(TMyGraph& graph, const std::vector<TargetSpectrum>& targets, int quantity,
                         bool frequencyX);
// The demand curves of the Sa-Sd graph, the legend in the upper right corner.
void DrawSaSdTargets(TMyGraph& graph, const std::vector<TargetSpectrum>& targets);

}  // namespace tremblo
