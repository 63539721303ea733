#pragma once
// The marks the station map and its legends share: a station's disc, the
// epicentre's star and a frame.
#include "plot/canvas.h"

namespace tremblo {

inline constexpr Color kStationOutline = 0x404040;
inline constexpr int kLegendPadding = 6;

// A disc of `radius` around `centre`, filled and outlined.
void DrawDisc(Canvas& canvas, Point centre, int radius, Color fill, Color outline);
// A ring of `radius` in `outline`, nothing inside: a station without a value.
void DrawRing(Canvas& canvas, Point centre, int radius, Color outline);
// The epicentre's red star (EpicentreStar's points).
void DrawStar(Canvas& canvas, Point centre);
// A one-pixel frame just inside `box`.
void DrawBox(Canvas& canvas, const Rect& box, Color color);

// A legend's box size, and the height of one of its lines of text.
struct LegendSize {
    int width = 0, height = 0, lineHeight = 0;
};

}  // namespace tremblo
