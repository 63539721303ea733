#include "event/map_symbols.h"

#include <vector>

#include "event/station_map.h"

namespace tremblo {

namespace {

constexpr Color kStarOutline = 0x000080;  // dark red

}  // namespace

void DrawDisc(Canvas& canvas, Point centre, int radius, Color fill, Color outline) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(fill);
    canvas.SetPenColor(outline);
    canvas.SetPenWidth(1);
    canvas.Ellipse(centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
}

void DrawRing(Canvas& canvas, Point centre, int radius, Color outline) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColor(outline);
    canvas.SetPenWidth(1);
    canvas.Ellipse(centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
}

void DrawStar(Canvas& canvas, Point centre) {
    const std::vector<Point> star = EpicentreStar(centre);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kRed);
    canvas.SetPenColor(kStarOutline);
    canvas.SetPenWidth(1);
    canvas.Polygon(star);
}

void DrawBox(Canvas& canvas, const Rect& box, Color color) {
    canvas.SetPenColor(color);
    canvas.SetPenWidth(1);
    canvas.MoveTo(box.left, box.top);
    canvas.LineTo(box.right - 1, box.top);
    canvas.LineTo(box.right - 1, box.bottom - 1);
    canvas.LineTo(box.left, box.bottom - 1);
    canvas.LineTo(box.left, box.top);
}

}  // namespace tremblo
