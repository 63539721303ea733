#pragma once
// Point markers of the plot components, drawn with the canvas's current pen
// and brush. Shapes: 0 circle, 1 triangle apex up, 2 square, 3 diamond,
// 4 diagonal cross, 5 upright cross; any other type draws nothing.
#include "plot/canvas.h"

namespace tremblo {

// The x-y graph's markers: circle and crosses of half size `size`, square and
// diamond of half size (size + 1) / 2, triangle reaching size above the
// centre and (size + 1) / 2 below it.
void DrawGraphMarker(Canvas& canvas, int type, int x, int y, int size);

// The waveform plot's markers: every shape of half size `size`, the
// triangle's base at trunc(y + size / 2).
void DrawWaveMarker(Canvas& canvas, int type, int x, int y, int size);

}  // namespace tremblo
