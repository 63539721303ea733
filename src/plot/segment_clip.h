#pragma once
// Cutting a straight line segment to a rectangle (Liang-Barsky), for lines
// that may run outside a plot area (the map's, a graph's frame): the canvas
// has no clipping of its own.
#include <optional>

namespace tremblo {

struct Segment {
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
};

struct ClipRect {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;  // all edges inclusive
};

// The part of `segment` inside `rect`, same direction; nullopt when none of
// it is. A segment touching an edge keeps the touching point.
std::optional<Segment> ClipSegment(const Segment& segment, const ClipRect& rect);

}  // namespace tremblo
