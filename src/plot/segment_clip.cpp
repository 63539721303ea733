#include "plot/segment_clip.h"

namespace tremblo {

std::optional<Segment> ClipSegment(const Segment& segment, const ClipRect& rect) {
    const double dx = segment.x1 - segment.x0;
    const double dy = segment.y1 - segment.y0;
    // The segment is x0 + t dx, y0 + t dy for t in [enter, leave]; each edge
    // either narrows that range or, for a segment parallel to it and
    // outside, rejects the whole segment.
    double enter = 0.0, leave = 1.0;
    auto narrow = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > leave) return false;
            if (t > enter) enter = t;
        } else {
            if (t < enter) return false;
            if (t < leave) leave = t;
        }
        return true;
    };
    if (!narrow(-dx, segment.x0 - rect.left) || !narrow(dx, rect.right - segment.x0) ||
        !narrow(-dy, segment.y0 - rect.top) || !narrow(dy, rect.bottom - segment.y0))
        return std::nullopt;
    Segment inside = segment;
    if (leave < 1.0) {
        inside.x1 = segment.x0 + leave * dx;
        inside.y1 = segment.y0 + leave * dy;
    }
    if (enter > 0.0) {
        inside.x0 = segment.x0 + enter * dx;
        inside.y0 = segment.y0 + enter * dy;
    }
    return inside;
}

}  // namespace tremblo
