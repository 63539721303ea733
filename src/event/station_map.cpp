#include "event/station_map.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "common/format.h"
#include "common/translation.h"
#include "event/intensity_colors.h"
#include "event/map_graticule.h"
#include "event/map_symbols.h"
#include "event/value_legend.h"
#include "plot/segment_clip.h"
#include "plot/pixel.h"

namespace tremblo {

namespace {

constexpr int kLabelGap = 3;
constexpr int kLegendSymbolWidth = 2 * kStarOuterRadius + 2;

void FillBackground(Canvas& canvas, const MapSettings& settings) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kWhite);
    canvas.FillRect({0, 0, settings.width, settings.height});
}

void DrawParallels(Canvas& canvas, const StationMapLayout& layout, double step) {
    const Rect& plot = layout.plotArea();
    for (double lat : GraticuleValues(layout.south(), layout.north(), step)) {
        const int y = layout.ToPixel(lat, layout.west()).y;
        if (y <= plot.top || y >= plot.bottom - 1) continue;
        canvas.SetPenColor(kGraticuleColor);
        canvas.MoveTo(plot.left, y);
        canvas.LineTo(plot.right - 1, y);
        const std::string label = LatitudeLabel(lat, step);
        const int x = std::max(0, plot.left - kLabelGap - canvas.TextWidth(label));
        canvas.TextOut(x, y - canvas.TextHeight(label) / 2, label);
    }
}

void DrawMeridians(Canvas& canvas, const StationMapLayout& layout, double step) {
    const Rect& plot = layout.plotArea();
    for (double lon : GraticuleValues(layout.west(), layout.east(), step)) {
        const int x = layout.ToPixel(layout.north(), lon).x;
        if (x <= plot.left || x >= plot.right - 1) continue;
        canvas.SetPenColor(kGraticuleColor);
        canvas.MoveTo(x, plot.top);
        canvas.LineTo(x, plot.bottom - 1);
        const std::string label = LongitudeLabel(lon, step);
        // Centred under its meridian, moved in where that would cut it at an edge.
        const int width = canvas.TextWidth(label);
        const int left = std::clamp(x - width / 2, 0, std::max(0, layout.settings().width - width));
        canvas.TextOut(left, plot.bottom + 2, label);
    }
}

void DrawGraticule(Canvas& canvas, const StationMapLayout& layout) {
    const double step = GraticuleStep(layout.south(), layout.north(), layout.west(), layout.east());
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetBrushStyle(BrushStyle::Clear);
    DrawParallels(canvas, layout, step);
    DrawMeridians(canvas, layout, step);
}

// In their class's colour, or their value's: hollow without one.
void DrawStations(Canvas& canvas, const StationMapLayout& layout, const std::vector<MapStation>& stations,
                  const MapColouring* colouring) {
    for (std::size_t index : StationDrawingOrder(stations)) {
        const MapStation& station = stations[index];
        const Point at = layout.ToPixel(station.lat, station.lon);
        if (!colouring) {
            DrawDisc(canvas, at, kStationRadius, IntensityClassColor(station.jmaClass), kStationOutline);
            continue;
        }
        const StationFill fill = colouring->FillOf(station.value);
        if (fill.hollow)
            DrawRing(canvas, at, kStationRadius, fill.color);
        else
            DrawDisc(canvas, at, kStationRadius, fill.color, kStationOutline);
    }
}

void DrawSelection(Canvas& canvas, const StationMapLayout& layout, const std::vector<MapStation>& stations,
                   std::optional<std::size_t> selected) {
    if (!selected || *selected >= stations.size()) return;
    const MapStation& station = stations[*selected];
    if (!IsMappable(station.lat, station.lon)) return;
    const Point p = layout.ToPixel(station.lat, station.lon);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColor(kBlack);
    canvas.SetPenWidth(2);
    canvas.Ellipse(p.x - kSelectionRadius, p.y - kSelectionRadius, p.x + kSelectionRadius + 1,
                   p.y + kSelectionRadius + 1);
    canvas.SetPenWidth(1);
}

// "震度5弱", in the pictures' language.
std::string ClassLegendText(std::string_view jmaClass) {
    const char* literal = IntensityClassLiteral(jmaClass);
    const std::string shown = literal ? TrPicture("event", literal) : std::string(jmaClass);
    return StringPrintf(TrPicture("event", "震度%s").c_str(), shown.c_str());
}

// How many of the stations (and the epicentre) the box would hide.
int CoveredPoints(const Rect& box, const StationMapLayout& layout, const std::vector<MapStation>& stations,
                  std::optional<std::pair<double, double>> epicentre) {
    const auto inside = [&](Point p) {
        return p.x + kStationRadius >= box.left && p.x - kStationRadius < box.right && p.y + kStationRadius >= box.top &&
               p.y - kStationRadius < box.bottom;
    };
    int covered = 0;
    for (const MapStation& station : stations)
        if (IsMappable(station.lat, station.lon) && inside(layout.ToPixel(station.lat, station.lon))) ++covered;
    // The epicentre counts for many: it is the one point the map must show.
    if (epicentre && IsMappable(epicentre->first, epicentre->second) &&
        inside(layout.ToPixel(epicentre->first, epicentre->second)))
        covered += 1000;
    return covered;
}

LegendSize MeasureClassLegend(Canvas& canvas) {
    int textWidth = canvas.TextWidth(TrPicture("event", kEpicentreLegendText));
    for (std::string_view jmaClass : kIntensityClasses)
        textWidth = std::max(textWidth, canvas.TextWidth(ClassLegendText(jmaClass)));
    const int lineHeight = std::max(canvas.TextHeight("震度") + 2, 2 * kStarOuterRadius + 1);
    const int lines = static_cast<int>(kIntensityClasses.size()) + 1;
    return {3 * kLegendPadding + kLegendSymbolWidth + textWidth, 2 * kLegendPadding + lines * lineHeight, lineHeight};
}

// The legend's box: in the layout's legend column, or else in the corner of
// the plot area where it hides the fewest stations (the top-right one of
// equals); `covered` receives how many it hides there.
Rect LegendBox(const StationMapLayout& layout, const LegendSize& size, const std::vector<MapStation>& stations,
               std::optional<std::pair<double, double>> epicentre, int* covered = nullptr) {
    const Rect& plot = layout.plotArea();
    if (layout.settings().legendColumn > 0) {
        if (covered) *covered = 0;
        const int left = plot.right + kLegendPadding;
        return {left, plot.top, left + size.width, plot.top + size.height};
    }
    const int left = plot.left + kLegendPadding, right = plot.right - kLegendPadding - size.width;
    const int top = plot.top + kLegendPadding, bottom = plot.bottom - kLegendPadding - size.height;
    Rect box{right, top, right + size.width, top + size.height};
    int fewest = CoveredPoints(box, layout, stations, epicentre);
    for (const Point corner : {Point{left, top}, Point{right, bottom}, Point{left, bottom}}) {
        const Rect candidate{corner.x, corner.y, corner.x + size.width, corner.y + size.height};
        const int hidden = CoveredPoints(candidate, layout, stations, epicentre);
        if (hidden < fewest) {
            fewest = hidden;
            box = candidate;
        }
    }
    if (covered) *covered = fewest;
    return box;
}

LegendSize MeasureLegend(Canvas& canvas, const MapColouring* colouring) {
    return colouring ? MeasureValueLegend(canvas, *colouring) : MeasureClassLegend(canvas);
}

// One line per class, then the star.
void DrawClassLegend(Canvas& canvas, const Rect& box, const LegendSize& size) {
    const int lineHeight = size.lineHeight;
    const int lines = static_cast<int>(kIntensityClasses.size()) + 1;
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kWhite);
    canvas.FillRect(box);
    DrawBox(canvas, box, kFrameColor);
    const int symbolX = box.left + kLegendPadding + kLegendSymbolWidth / 2;
    const int textX = box.left + 2 * kLegendPadding + kLegendSymbolWidth;
    auto lineTop = [&](int line) { return box.top + kLegendPadding + line * lineHeight; };
    for (std::size_t i = 0; i < kIntensityClasses.size(); ++i) {
        const int top = lineTop(static_cast<int>(i));
        DrawDisc(canvas, {symbolX, top + lineHeight / 2}, kStationRadius, IntensityClassColor(kIntensityClasses[i]),
                 kStationOutline);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(textX, top + 1, ClassLegendText(kIntensityClasses[i]));
    }
    const int starTop = lineTop(lines - 1);
    DrawStar(canvas, {symbolX, starTop + lineHeight / 2});
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(textX, starTop + 1, TrPicture("event", kEpicentreLegendText));
}

void DrawLegend(Canvas& canvas, const StationMapLayout& layout, const std::vector<MapStation>& stations,
                std::optional<std::pair<double, double>> epicentre, const MapColouring* colouring) {
    const LegendSize size = MeasureLegend(canvas, colouring);
    const Rect box = LegendBox(layout, size, stations, epicentre);
    if (colouring)
        DrawValueLegend(canvas, box, size, *colouring);
    else
        DrawClassLegend(canvas, box, size);
}

void DrawNoStationText(Canvas& canvas, const Rect& plot) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    const std::string text = TrPicture("event", kNoStationText);
    const int width = canvas.TextWidth(text);
    const int height = canvas.TextHeight(text);
    canvas.TextOut(plot.left + (plot.width() - width) / 2, plot.top + (plot.height() - height) / 2, text);
}

bool HasMappableStation(const std::vector<MapStation>& stations) {
    return std::any_of(stations.begin(), stations.end(),
                       [](const MapStation& s) { return IsMappable(s.lat, s.lon); });
}

}  // namespace

StationMapLayout LayoutStationMap(Canvas& canvas, const std::vector<MapStation>& stations,
                                  std::optional<std::pair<double, double>> epicentre, MapSettings settings,
                                  const MapColouring* colouring) {
    settings.legendColumn = 0;
    StationMapLayout layout(stations, epicentre, settings);
    if (!HasMappableStation(stations)) return layout;
    canvas.SetFont(FontSpec{});
    const LegendSize size = MeasureLegend(canvas, colouring);
    int covered = 0;
    LegendBox(layout, size, stations, epicentre, &covered);
    if (covered == 0) return layout;
    settings.legendColumn = size.width + kLegendPadding;
    return StationMapLayout(stations, epicentre, settings);
}

std::vector<Point> EpicentreStar(Point centre) {
    std::vector<Point> points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? kStarOuterRadius : kStarInnerRadius;
        const double angle = std::numbers::pi * i / 5.0;
        points.push_back({centre.x + static_cast<int>(std::lround(radius * std::sin(angle))),
                          centre.y - static_cast<int>(std::lround(radius * std::cos(angle)))});
    }
    return points;
}

void DrawCoastline(Canvas& canvas, const StationMapLayout& layout, const Coastline& coastline) {
    const Rect& plot = layout.plotArea();
    const ClipRect inside{static_cast<double>(plot.left), static_cast<double>(plot.top),
                          static_cast<double>(plot.right - 1), static_cast<double>(plot.bottom - 1)};
    const double lonScale = layout.scale() * layout.cosMeanLat();
    auto x = [&](double lon) { return plot.left + (lon - layout.lon0()) * lonScale; };
    auto y = [&](double lat) { return plot.top + (layout.lat0() - lat) * layout.scale(); };
    auto pixel = [](double v) { return static_cast<int>(std::floor(v + 0.5)); };
    canvas.SetPenColor(kCoastlineColor);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    std::optional<Point> pen;  // where the last LineTo left the pen
    for (const auto& line : coastline.lines) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            const Segment whole{x(line[i - 1].second), y(line[i - 1].first), x(line[i].second), y(line[i].first)};
            const std::optional<Segment> part = ClipSegment(whole, inside);
            if (!part) continue;
            const Point from{pixel(part->x0), pixel(part->y0)};
            const Point to{pixel(part->x1), pixel(part->y1)};
            if (from == to) continue;
            if (pen != from) canvas.MoveTo(from.x, from.y);
            canvas.LineTo(to.x, to.y);
            pen = to;
        }
    }
}

void DrawStationMap(Canvas& canvas, const StationMapLayout& layout, const std::vector<MapStation>& stations,
                    std::optional<std::pair<double, double>> epicentre, std::optional<std::size_t> selected,
                    const Coastline* coastline, const MapColouring* colouring) {
    canvas.ResetDrawingState();
    canvas.SetFont(FontSpec{});
    FillBackground(canvas, layout.settings());
    if (!HasMappableStation(stations)) {
        DrawBox(canvas, layout.plotArea(), kFrameColor);
        DrawNoStationText(canvas, layout.plotArea());
        return;
    }
    DrawGraticule(canvas, layout);
    if (coastline) DrawCoastline(canvas, layout, *coastline);
    DrawBox(canvas, layout.plotArea(), kFrameColor);
    DrawStations(canvas, layout, stations, colouring);
    if (epicentre && IsMappable(epicentre->first, epicentre->second))
        DrawStar(canvas, layout.ToPixel(epicentre->first, epicentre->second));
    DrawSelection(canvas, layout, stations, selected);
    DrawLegend(canvas, layout, stations, epicentre, colouring);
    canvas.ResetDrawingState();
}

}  // namespace tremblo
