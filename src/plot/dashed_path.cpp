#include "plot/dashed_path.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "plot/pixel.h"

namespace tremblo {

namespace {

// Steps shorter than this are rounding noise of the running phase.
constexpr double kPhaseEpsilon = 1e-9;

// The part of a dash inside the clip, unless that is only a touching point.
void AddClipped(std::vector<Segment>& dashes, const Segment& piece, const ClipRect& clip) {
    const auto inside = ClipSegment(piece, clip);
    if (inside && std::hypot(inside->x1 - inside->x0, inside->y1 - inside->y0) > kPhaseEpsilon) dashes.push_back(*inside);
}

}  // namespace

// Each segment is first cut to the clip, and the pattern moved on over the
// parts left out in one step, so that a curve running far outside (a wild
// scale puts points millions of pixels away) costs no more than its part
// inside.
std::vector<Segment> DashedSegments(std::span<const PixelPoint> points, const ClipRect& clip,
                                    const DashPattern& pattern) {
    std::vector<Segment> dashes;
    const bool solid = !(pattern.dash > 0.0) || !(pattern.gap > 0.0);
    const double period = pattern.dash + pattern.gap;
    double phase = 0.0;  // distance into the current dash-and-gap period
    auto skip = [&](double distance) { phase = std::fmod(phase + distance, period); };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PixelPoint a = points[i - 1], b = points[i];
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        if (!(length > 0.0) || !std::isfinite(length)) continue;
        const std::optional<Segment> inside = ClipSegment({a.x, a.y, b.x, b.y}, clip);
        if (solid) {
            if (inside) AddClipped(dashes, *inside, clip);
            continue;
        }
        if (!inside) {
            skip(length);
            continue;
        }
        const double from = std::hypot(inside->x0 - a.x, inside->y0 - a.y);
        const double to = std::hypot(inside->x1 - a.x, inside->y1 - a.y);
        skip(from);
        for (double done = from; done < to - kPhaseEpsilon;) {
            const bool inDash = phase < pattern.dash - kPhaseEpsilon;
            const double step = std::min((inDash ? pattern.dash : period) - phase, to - done);
            if (inDash) {
                const double t0 = done / length, t1 = (done + step) / length;
                AddClipped(dashes, {a.x + t0 * dx, a.y + t0 * dy, a.x + t1 * dx, a.y + t1 * dy}, clip);
            }
            done += step;
            phase += step;
            if (phase >= period - kPhaseEpsilon) phase = 0.0;
        }
        skip(length - to);
    }
    return dashes;
}

void DrawDashedPolyline(Canvas& canvas, std::span<const PixelPoint> points, const ClipRect& clip,
                        const DashPattern& pattern) {
    for (const Segment& dash : DashedSegments(points, clip, pattern)) {
        canvas.MoveTo(TruncPixel(dash.x0), TruncPixel(dash.y0));
        canvas.LineTo(TruncPixel(dash.x1), TruncPixel(dash.y1));
    }
}

}  // namespace tremblo
