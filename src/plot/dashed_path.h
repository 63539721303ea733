#pragma once
// Dashed lines drawn by the plot components themselves: a polyline cut into
// dashes whose pattern runs on from one segment to the next (a curve of
// hundreds of short segments would otherwise start its pattern afresh at
// every point and look solid), each dash cut to a clipping rectangle.
#include <span>
#include <vector>

#include "plot/canvas.h"
#include "plot/segment_clip.h"

namespace tremblo {

struct DashPattern {
    double dash = 6.0;  // pixels drawn
    double gap = 4.0;   // pixels left out
};

struct PixelPoint {
    double x = 0.0;
    double y = 0.0;
};

// The dashes of the polyline, in order, each cut to `clip` (a dash wholly
// outside is left out; the pattern still runs on along it). A pattern
// without a dash length gives the polyline solid.
std::vector<Segment> DashedSegments(std::span<const PixelPoint> points, const ClipRect& clip,
                                    const DashPattern& pattern);

// Draws those dashes with the pen in force, each as MoveTo and LineTo to its
// ends truncated toward zero.
void DrawDashedPolyline(Canvas& canvas, std::span<const PixelPoint> points, const ClipRect& clip,
                        const DashPattern& pattern = {});

}  // namespace tremblo
