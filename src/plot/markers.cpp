#include "plot/markers.h"

#include <array>
#include <cmath>

namespace tremblo {

namespace {

// Filled polygon, then its outline again by lines back to the first point.
template <std::size_t N>
void OutlinedPolygon(Canvas& canvas, const std::array<Point, N>& points) {
    canvas.Polygon(points);
    canvas.MoveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < N; ++i) canvas.LineTo(points[i].x, points[i].y);
    canvas.LineTo(points[0].x, points[0].y);
}

void Square(Canvas& canvas, int x, int y, int h) {
    canvas.FillRect({x - h, y - h, x + h, y + h});
    canvas.MoveTo(x - h, y - h);
    canvas.LineTo(x - h, y + h);
    canvas.LineTo(x + h, y + h);
    canvas.LineTo(x + h, y - h);
    canvas.LineTo(x - h, y - h);
}

void Diamond(Canvas& canvas, int x, int y, int h) {
    OutlinedPolygon(canvas, std::array<Point, 4>{{{x, y - h}, {x - h, y}, {x, y + h}, {x + h, y}}});
}

void Crosses(Canvas& canvas, int type, int x, int y, int r) {
    if (type == 4) {
        canvas.MoveTo(x - r, y - r);
        canvas.LineTo(x + r, y + r);
        canvas.MoveTo(x + r, y - r);
        canvas.LineTo(x - r, y + r);
    } else {
        canvas.MoveTo(x, y - r);
        canvas.LineTo(x, y + r);
        canvas.MoveTo(x + r, y);
        canvas.LineTo(x - r, y);
    }
}

// The shapes both components share: circle and crosses of half size r,
// square and diamond of half size `half`, triangle from r above the centre
// down to the row `base`.
void DrawMarker(Canvas& canvas, int type, int x, int y, int r, int half, int base) {
    switch (type) {
        case 0:
            canvas.Ellipse(x - r, y - r, x + r, y + r);
            break;
        case 1:
            OutlinedPolygon(canvas, std::array<Point, 3>{{{x, y - r}, {x - r, base}, {x + r, base}}});
            break;
        case 2:
            Square(canvas, x, y, half);
            break;
        case 3:
            Diamond(canvas, x, y, half);
            break;
        case 4:
        case 5:
            Crosses(canvas, type, x, y, r);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawGraphMarker(Canvas& canvas, int type, int x, int y, int size) {
    const int half = (size + 1) / 2;
    DrawMarker(canvas, type, x, y, size, half, y + half);
}

void DrawWaveMarker(Canvas& canvas, int type, int x, int y, int size) {
    DrawMarker(canvas, type, x, y, size, size, static_cast<int>(std::trunc(y + size * 0.5)));
}

}  // namespace tremblo
