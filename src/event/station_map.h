#pragma once
// The event's station map: the stations coloured by JMA intensity class or
// by the values of a column, the epicentre, a graticule and a legend,
// drawn on a Canvas.
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "common/translation.h"
#include "event/coastline.h"
#include "event/map_colouring.h"
#include "event/station_map_layout.h"
#include "plot/canvas.h"

namespace tremblo {

inline constexpr int kStationRadius = 4;
inline constexpr int kSelectionRadius = 7;
inline constexpr int kStarOuterRadius = 9;
inline constexpr int kStarInnerRadius = 4;
inline constexpr Color kGraticuleColor = 0xD0D0D0;
inline constexpr Color kFrameColor = 0x808080;
inline constexpr Color kCoastlineColor = 0x9A8A70;  // grey-blue
// Drawn through TrPicture("event", ...).
inline constexpr const char* kNoStationText = QT_TRANSLATE_NOOP("event", "座標のある観測点がありません");
inline constexpr const char* kEpicentreLegendText = QT_TRANSLATE_NOOP("event", "震央");

// The five-pointed star of the epicentre: 10 points, outer and inner
// corners in turn, the first straight above the centre.
std::vector<Point> EpicentreStar(Point centre);

// The layout of a map of `settings`' size on `canvas` (whose font sizes the
// legend): when every corner of the plot area would hide a station or the
// epicentre under the legend, the plot area narrows to leave the legend a
// column of its own on the right. The legend is the class colours', or
// with `colouring` the scale's (value_legend.h).
StationMapLayout LayoutStationMap(Canvas& canvas, const std::vector<MapStation>& stations,
                                  std::optional<std::pair<double, double>> epicentre, MapSettings settings,
                                  const MapColouring* colouring = nullptr);

// Draws the whole map into the canvas (the layout's picture size). Stations
// outside the mappable range are left out; `selected` (an index into
// `stations`) gets a black ring. The coastline, when given, lies over the
// graticule and under everything else, cut to the plot area. The legend
// takes the layout's legend column, or else the corner of the plot area
// hiding the fewest stations. Degree labels are drawn whole inside the picture.
// With `colouring` each station takes its value's colour (MapStation::value),
// a station without one a hollow grey ring.
void DrawStationMap(Canvas& canvas, const StationMapLayout& layout, const std::vector<MapStation>& stations,
                    std::optional<std::pair<double, double>> epicentre, std::optional<std::size_t> selected,
                    const Coastline* coastline = nullptr, const MapColouring* colouring = nullptr);

// The coastline's polylines in the plot area, one LineTo per visible
// segment (a MoveTo wherever the pen is not already at its start).
void DrawCoastline(Canvas& canvas, const StationMapLayout& layout, const Coastline& coastline);

}  // namespace tremblo
