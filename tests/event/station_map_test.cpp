#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include "event/event_map.h"
#include "event/intensity_colors.h"
#include "event/map_graticule.h"
#include "event/station_map.h"
#include "common/translation.h"
#include "plot/recording_canvas.h"

namespace tremblo {
namespace {

// Discs and rings the map drew around a pixel, by radius.
std::vector<CanvasCall> EllipsesAt(const RecordingCanvas& canvas, Point p, int radius) {
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : canvas.Calls(CanvasOp::Ellipse))
        if (call.x1 == p.x - radius && call.y1 == p.y - radius && call.x2 == p.x + radius + 1 &&
            call.y2 == p.y + radius + 1)
            found.push_back(call);
    return found;
}

class StationMapTest : public ::testing::Test {
protected:
    // Bounds 34..36 N, 138..140 E; two stations unmappable.
    std::vector<MapStation> stations{{35.0, 139.0, "3"},         {36.0, 140.0, "6弱"}, {34.0, 138.0, ""},
                                     {std::nan(""), 139.0, "7"}, {100.0, 0.0, "7"}};
    std::pair<double, double> epicentre{35.5, 139.5};
    StationMapLayout layout{stations, epicentre, MapSettings{}};
    RecordingCanvas canvas{520, 560};
};

TEST_F(StationMapTest, ProjectionFitsThePaddedBoundsKeepingTheAspect) {
    // Plot area 468 x 532 from (44, 8); the latitude span 2 x 1.16 degrees fills the height.
    const double scale = 532.0 / 2.32;
    const double perLonDegree = std::cos(35.0 * std::numbers::pi / 180.0) * scale;
    const struct {
        double lat, lon, x, y;
    } cases[] = {
        {35.0, 139.0, 278.0, 274.0},
        {36.0, 140.0, 278.0 + perLonDegree, 274.0 - scale},
        {34.0, 138.0, 278.0 - perLonDegree, 274.0 + scale},
        {36.16, 139.0, 278.0, 8.0},
    };
    for (const auto& c : cases) {
        const Point p = layout.ToPixel(c.lat, c.lon);
        EXPECT_EQ(p.x, std::lround(c.x)) << c.lat << " " << c.lon;
        EXPECT_EQ(p.y, std::lround(c.y)) << c.lat << " " << c.lon;
    }
    EXPECT_NEAR(layout.north() - layout.south(), 2.32, 1e-9);
    EXPECT_GT(layout.east() - layout.west(), 2.32);  // the narrower span centred with room to spare
}

TEST_F(StationMapTest, StationsColouredByClassStrongerOnTop) {
    DrawStationMap(canvas, layout, stations, epicentre, std::nullopt);
    std::vector<std::size_t> drawnAt;
    const auto discs = canvas.Calls(CanvasOp::Ellipse);
    for (std::size_t s : {2u, 0u, 1u}) {
        const auto found = EllipsesAt(canvas, layout.ToPixel(stations[s].lat, stations[s].lon), kStationRadius);
        ASSERT_EQ(found.size(), 1u) << s;
        EXPECT_EQ(found[0].brushColor, IntensityClassColor(stations[s].jmaClass)) << s;
        EXPECT_EQ(found[0].brushStyle, BrushStyle::Solid);
        for (std::size_t i = 0; i < discs.size(); ++i)
            if (discs[i].x1 == found[0].x1 && discs[i].y1 == found[0].y1) drawnAt.push_back(i);
    }
    EXPECT_TRUE(std::is_sorted(drawnAt.begin(), drawnAt.end()));
    // Three mappable stations and the ten legend discs; no ring without a selection.
    EXPECT_EQ(discs.size(), 3u + kIntensityClasses.size());
    EXPECT_TRUE(EllipsesAt(canvas, layout.ToPixel(36.0, 140.0), kSelectionRadius).empty());
}

std::vector<CanvasCall> CoastlineLines(const RecordingCanvas& canvas) {
    std::vector<CanvasCall> lines;
    for (const CanvasCall& call : canvas.Calls(CanvasOp::LineTo))
        if (call.penColor == kCoastlineColor) lines.push_back(call);
    return lines;
}

TEST_F(StationMapTest, CoastlineCutToThePlotAreaBetweenGraticuleAndStations) {
    const Rect& plot = layout.plotArea();
    const Point start = layout.ToPixel(35.0, 139.0);
    const Point up = layout.ToPixel(35.5, 139.5);
    const Coastline coastline{{
        {{35.0, 139.0}, {35.0, 160.0}},                // out through the east edge
        {{50.0, 139.0}, {51.0, 139.0}, {50.0, 138.0}},  // wholly north of the map
        {{35.5, 139.5}, {45.0, 139.5}},                // out through the north edge
        {{35.2, 139.2}, {35.2, 139.2}},                // no length
    }};
    DrawStationMap(canvas, layout, stations, epicentre, std::nullopt, &coastline);
    const std::vector<CanvasCall> lines = CoastlineLines(canvas);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ((Point{lines[0].x1, lines[0].y1}), start);
    EXPECT_EQ((Point{lines[0].x2, lines[0].y2}), (Point{plot.right - 1, start.y}));
    EXPECT_EQ((Point{lines[1].x1, lines[1].y1}), up);
    EXPECT_EQ((Point{lines[1].x2, lines[1].y2}), (Point{up.x, plot.top}));

    // Drawn after the last grid line and before the first disc.
    std::size_t lastGrid = 0, firstCoast = canvas.calls.size(), firstDisc = canvas.calls.size();
    for (std::size_t i = 0; i < canvas.calls.size(); ++i) {
        const CanvasCall& call = canvas.calls[i];
        if (call.op == CanvasOp::LineTo && call.penColor == kGraticuleColor) lastGrid = i;
        if (call.op == CanvasOp::LineTo && call.penColor == kCoastlineColor) firstCoast = std::min(firstCoast, i);
        if (call.op == CanvasOp::Ellipse) firstDisc = std::min(firstDisc, i);
    }
    EXPECT_LT(lastGrid, firstCoast);
    EXPECT_LT(firstCoast, firstDisc);

    RecordingCanvas plain{520, 560};
    DrawStationMap(plain, layout, stations, epicentre, std::nullopt);
    EXPECT_TRUE(CoastlineLines(plain).empty());
}

TEST_F(StationMapTest, CoastlineCrossingTheMapStaysInside) {
    // A zigzag far wider and taller than the map, its corners all outside:
    // every drawn piece stays in the plot area, both its ends on the edge.
    std::vector<std::pair<double, double>> zigzag;
    for (int i = 0; i <= 40; ++i) zigzag.emplace_back(i % 2 ? 40.0 : 30.0, 130.0 + i * 0.5);
    const Coastline coastline{{zigzag}};
    DrawCoastline(canvas, layout, coastline);
    const Rect& plot = layout.plotArea();
    const std::vector<CanvasCall> lines = CoastlineLines(canvas);
    ASSERT_FALSE(lines.empty());
    int onEdge = 0;
    for (const CanvasCall& line : lines) {
        for (const Point p : {Point{line.x1, line.y1}, Point{line.x2, line.y2}}) {
            EXPECT_GE(p.x, plot.left);
            EXPECT_LT(p.x, plot.right);
            EXPECT_GE(p.y, plot.top);
            EXPECT_LT(p.y, plot.bottom);
            onEdge += p.x == plot.left || p.x == plot.right - 1 || p.y == plot.top || p.y == plot.bottom - 1;
        }
    }
    EXPECT_EQ(onEdge, 2 * static_cast<int>(lines.size()));
}

TEST(IntensityColors, EveryClassHasItsOwnColour) {
    std::set<Color> colours{kNoClassColor, kWhite};
    for (std::size_t i = 1; i < kIntensityClasses.size(); ++i) {
        EXPECT_EQ(IntensityClassRank(kIntensityClasses[i]), static_cast<int>(i));
        colours.insert(IntensityClassColor(kIntensityClasses[i]));
    }
    EXPECT_EQ(IntensityClassColor("0"), kWhite);
    EXPECT_EQ(colours.size(), kIntensityClasses.size() + 1);
    EXPECT_EQ(IntensityClassColor("8"), kNoClassColor);
    EXPECT_EQ(IntensityClassRank(""), -1);
}

TEST_F(StationMapTest, LegendGraticuleStarAndSelection) {
    DrawStationMap(canvas, layout, stations, epicentre, 1);
    for (std::string_view jmaClass : kIntensityClasses)
        EXPECT_NE(canvas.FindText("震度" + std::string(jmaClass)), nullptr) << jmaClass;
    EXPECT_NE(canvas.FindText(kEpicentreLegendText), nullptr);
    for (const char* label : {"34°N", "35°N", "36°N", "138°E", "139°E", "140°E"})
        EXPECT_NE(canvas.FindText(label), nullptr) << label;
    const CanvasCall* parallel = canvas.FindText("35°N");
    EXPECT_EQ(parallel->y1 + canvas.textHeight / 2, layout.ToPixel(35.0, 139.0).y);
    EXPECT_LT(parallel->x1, layout.plotArea().left);

    const auto ring = EllipsesAt(canvas, layout.ToPixel(36.0, 140.0), kSelectionRadius);
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_EQ(ring[0].brushStyle, BrushStyle::Clear);
    EXPECT_EQ(ring[0].penColor, kBlack);
    EXPECT_EQ(ring[0].penWidth, 2);

    const auto polygons = canvas.Calls(CanvasOp::Polygon);
    ASSERT_EQ(polygons.size(), 2u);  // the epicentre and the legend's star
    const Point centre = layout.ToPixel(epicentre.first, epicentre.second);
    const std::vector<Point>& star = polygons[0].points;
    ASSERT_EQ(star.size(), 10u);
    EXPECT_EQ(star[0], (Point{centre.x, centre.y - kStarOuterRadius}));
    double sumX = 0, sumY = 0;
    for (std::size_t i = 0; i < star.size(); ++i) {
        sumX += star[i].x;
        sumY += star[i].y;
        const double radius = std::hypot(star[i].x - centre.x, star[i].y - centre.y);
        EXPECT_NEAR(radius, i % 2 ? kStarInnerRadius : kStarOuterRadius, 0.75) << i;
    }
    EXPECT_NEAR(sumX / 10, centre.x, 0.5);
    EXPECT_NEAR(sumY / 10, centre.y, 0.5);
    EXPECT_EQ(polygons[0].brushColor, kRed);
}

TEST_F(StationMapTest, HitTestFindsTheNearestWithinReach) {
    const Point p = layout.ToPixel(36.0, 140.0);
    const struct {
        int dx, dy;
        std::optional<std::size_t> station;
    } cases[] = {{0, 0, 1}, {4, 4, 1}, {-6, 0, 1}, {5, 5, std::nullopt}, {0, 7, std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(layout.StationAt(p.x + c.dx, p.y + c.dy, stations), c.station) << c.dx;
    // Stations on the same pixel: the one drawn on top.
    std::vector<MapStation> stacked{{35.0, 139.0, "6強"}, {35.0, 139.0, "2"}, {35.0, 139.0, ""}};
    const StationMapLayout stackedLayout(stacked, std::nullopt, MapSettings{});
    const Point q = stackedLayout.ToPixel(35.0, 139.0);
    EXPECT_EQ(stackedLayout.StationAt(q.x, q.y, stacked), 0u);
}

TEST(StationMapEmpty, NoMappableStationDrawsTheNote) {
    const std::vector<MapStation> wild{{std::nan(""), std::nan(""), "1"}, {1e300, -1e300, ""}, {35, 400, "2"}};
    for (const auto& stations : {std::vector<MapStation>{}, wild}) {
        const StationMapLayout layout(stations, std::pair{std::nan(""), 1e308}, MapSettings{300, 200});
        RecordingCanvas canvas(300, 200);
        DrawStationMap(canvas, layout, stations, std::pair{35.0, 139.0}, 0);
        const CanvasCall* note = canvas.FindText(kNoStationText);
        ASSERT_NE(note, nullptr);
        const Rect& plot = layout.plotArea();
        EXPECT_EQ(note->x1, plot.left + (plot.width() - canvas.TextWidth(kNoStationText)) / 2);
        EXPECT_TRUE(canvas.Calls(CanvasOp::Ellipse).empty());
        EXPECT_TRUE(canvas.Calls(CanvasOp::Polygon).empty());
        EXPECT_FALSE(layout.StationAt(150, 100, stations));
    }
}

// A stand-in translation that shows what went through it, and in which context.
std::string Tagged(const char* context, const char* text) { return std::string("EN(") + context + ":" + text + ")"; }

// Installs translations for a test and removes them afterwards.
struct TranslationScope {
    TranslationScope(TextTranslation messages, TextTranslation pictures) { InstallTextTranslation(messages, pictures); }
    ~TranslationScope() { InstallTextTranslation(nullptr, nullptr); }
};

std::string Legend(std::string_view jmaClass, bool translated) {
    const auto tag = [&](const std::string& text) { return translated ? Tagged("event", text.c_str()) : text; };
    const std::string format = tag("震度%s");
    const std::string jma = tag(std::string(jmaClass));
    return format.substr(0, format.find("%s")) + jma + format.substr(format.find("%s") + 2);
}

// The map is a picture: its legend and note follow the pictures' language,
// not the messages'; the event list's class cells follow the messages'.
TEST(StationMapLanguage, LegendFollowsThePicturesClassCellsTheMessages) {
    const std::vector<MapStation> stations{{35.0, 139.0, "5弱"}};
    const struct {
        TextTranslation messages, pictures;
    } cases[] = {{nullptr, nullptr}, {&Tagged, nullptr}, {nullptr, &Tagged}, {&Tagged, &Tagged}};
    for (const auto& c : cases) {
        const TranslationScope scope(c.messages, c.pictures);
        const bool pictures = c.pictures != nullptr, messages = c.messages != nullptr;
        const StationMapLayout layout(stations, std::pair{35.5, 139.5}, MapSettings{});
        RecordingCanvas canvas(520, 560);
        DrawStationMap(canvas, layout, stations, std::pair{35.5, 139.5}, std::nullopt);
        for (std::string_view jmaClass : kIntensityClasses)
            EXPECT_NE(canvas.FindText(Legend(jmaClass, pictures)), nullptr) << jmaClass << " pictures " << pictures;
        const std::string epicentre = pictures ? Tagged("event", kEpicentreLegendText) : kEpicentreLegendText;
        EXPECT_NE(canvas.FindText(epicentre), nullptr) << pictures;

        RecordingCanvas empty(300, 200);
        const StationMapLayout none({}, std::nullopt, MapSettings{300, 200});
        DrawStationMap(empty, none, {}, std::nullopt, std::nullopt);
        EXPECT_NE(empty.FindText(pictures ? Tagged("event", kNoStationText) : kNoStationText), nullptr) << pictures;

        for (const std::string_view jmaClass : {"5弱", "6強", "4"})
            EXPECT_EQ(IntensityClassText(jmaClass), messages ? Tagged("event", std::string(jmaClass).c_str())
                                                                : std::string(jmaClass))
                << jmaClass;
        for (const std::string_view unknown : {"", "8", "5-"}) EXPECT_EQ(IntensityClassText(unknown), unknown);
    }
}

TEST(MapGraticule, StepsAndLabels) {
    const struct {
        double south, north, west, east, step;
    } steps[] = {
        {34, 36, 138, 140, 1},        {30, 46, 128, 146, 2},    {35.05, 35.45, 139.1, 139.3, 0.2},
        {34.8, 35.9, 139.2, 139.4, 0.5}, {-80, 80, -170, 190, 45}, {20, 50, 120, 150, 5},
    };
    for (const auto& s : steps) EXPECT_EQ(GraticuleStep(s.south, s.north, s.west, s.east), s.step) << s.south;
    const struct {
        double value, step;
        const char* lat;
        const char* lon;
    } labels[] = {{35, 1, "35°N", "35°E"}, {-12.5, 0.5, "12.5°S", "12.5°W"}, {0, 1, "0°", "0°"}};
    for (const auto& l : labels) {
        EXPECT_EQ(LatitudeLabel(l.value, l.step), l.lat);
        EXPECT_EQ(LongitudeLabel(l.value, l.step), l.lon);
    }
    EXPECT_EQ(LongitudeLabel(200, 1), "160°W");
    EXPECT_EQ(LongitudeLabel(180, 5), "180°");
    EXPECT_EQ(GraticuleValues(34.2, 36.0, 1.0), (std::vector<double>{35.0, 36.0}));
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

// The legend goes to the corner where it hides the fewest stations, never over the epicentre.
TEST(StationMapLegend, TakesTheCornerThatHidesFewestStations) {
    const struct {
        std::vector<MapStation> stations;
        bool left, top;
    } cases[] = {
        // Spread evenly: the top-right corner.
        {{{34.0, 138.0, "3"}, {36.0, 140.0, "3"}, {34.0, 140.0, "3"}, {36.0, 138.0, "3"}}, false, true},
        // A cluster in the top-right: the top-left corner.
        {{{34.0, 138.0, "3"}, {36.0, 140.0, "3"}, {35.9, 139.9, "3"}, {35.8, 139.8, "4"}}, true, true},
        // Clusters in both top corners and the bottom-right: the bottom-left corner.
        {{{36.0, 140.0, "3"}, {35.9, 139.9, "3"}, {36.0, 138.0, "3"}, {35.9, 138.1, "3"},
          {34.0, 140.0, "3"}, {34.1, 139.9, "3"}, {34.0, 138.0, "3"}}, true, false},
    };
    for (const auto& c : cases) {
        const std::pair<double, double> epicentre{35.0, 139.0};
        const StationMapLayout layout(c.stations, epicentre, MapSettings{});
        RecordingCanvas canvas(520, 560);
        DrawStationMap(canvas, layout, c.stations, epicentre, std::nullopt);
        const CanvasCall* legend = canvas.FindText(kEpicentreLegendText);
        ASSERT_NE(legend, nullptr);
        const Rect& plot = layout.plotArea();
        EXPECT_EQ(legend->x1 < (plot.left + plot.right) / 2, c.left) << c.stations.size();
        EXPECT_EQ(legend->y1 < (plot.top + plot.bottom) / 2, c.top) << c.stations.size();
    }
}


// Wherever the stations lie, the legend (the last white box filled) hides
// none of them nor the epicentre: in a free corner, or else in a column of
// its own beside a narrower plot area.
TEST(StationMapLegend, NeverHidesAStationOrTheEpicentre) {
    std::vector<MapStation> everyCorner;  // a ring of stations along the bounds
    for (double step = 0.0; step <= 2.0; step += 0.25)
        everyCorner.insert(everyCorner.end(), {{34.0 + step, 138.0, "3"}, {34.0 + step, 140.0, "3"},
                                               {34.0, 138.0 + step, "3"}, {36.0, 138.0 + step, "3"}});
    const struct {
        const char* what;
        std::vector<MapStation> stations;
        bool column;  // the legend beside the plot area
    } cases[] = {
        {"corners free", {{34.0, 139.0, "3"}, {36.0, 139.0, "3"}, {35.0, 138.0, "3"}, {35.0, 140.0, "3"}}, false},
        {"every corner taken", everyCorner, true},
    };
    const std::pair<double, double> epicentre{35.0, 139.0};
    for (const auto& c : cases) {
        RecordingCanvas canvas(520, 560);
        const StationMapLayout layout = LayoutStationMap(canvas, c.stations, epicentre, MapSettings{});
        DrawStationMap(canvas, layout, c.stations, epicentre, std::nullopt);
        const CanvasCall fill = canvas.Calls(CanvasOp::FillRect).back();  // a copy: Calls() gives a new list
        const auto hidden = [&](Point p, int r) { return p.x + r >= fill.x1 && p.x - r < fill.x2 && p.y + r >= fill.y1 && p.y - r < fill.y2; };
        EXPECT_EQ(layout.settings().legendColumn > 0, c.column) << c.what;
        EXPECT_TRUE(fill.x1 >= 0 && fill.x2 <= 520) << c.what;
        for (const MapStation& s : c.stations)
            EXPECT_FALSE(hidden(layout.ToPixel(s.lat, s.lon), kStationRadius)) << c.what << ": " << s.lat << " " << s.lon;
        EXPECT_FALSE(hidden(layout.ToPixel(epicentre.first, epicentre.second), kStarOuterRadius)) << c.what;
    }
}

// Degree labels at the edges of the plot area are drawn whole inside the
// picture, however wide their letters and however narrow the margins.
TEST(StationMapLabels, DrawnWholeInsideThePicture) {
    const struct {
        MapSettings settings;
        std::vector<MapStation> stations;
        int asciiWidth;
    } cases[] = {
        {MapSettings{}, {{35.05, 139.05, "3"}, {35.95, 139.95, "3"}}, 11},
        {MapSettings{300, 260}, {{35.05, 139.05, "3"}, {35.95, 139.95, "3"}}, 9},
        {MapSettings{}, {{-40.0, 178.5, "3"}, {-38.0, 181.5, "3"}}, 9},  // across the date line
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(c.settings.width, c.settings.height);
        canvas.asciiWidth = c.asciiWidth;
        DrawStationMap(canvas, LayoutStationMap(canvas, c.stations, std::nullopt, c.settings), c.stations, std::nullopt,
                       std::nullopt);
        for (const CanvasCall& text : canvas.Calls(CanvasOp::TextOut))
            EXPECT_TRUE(text.x1 >= 0 && text.x2 <= c.settings.width && text.y1 >= 0 && text.y2 <= c.settings.height)
                << c.settings.width << ": " << text.text << " at " << text.x1 << ".." << text.x2;
    }
}

// Stations on one place (a KiK-net surface and borehole pair) are all found
// there, and clicks on the place go round them.
TEST(StationMapClicks, GoRoundTheStationsSharingAPlace) {
    EventMapPoints points;
    points.stations = {{35.0, 139.0, "3"}, {35.5, 139.5, "4"}, {35.5, 139.5, "2"}, {35.504, 139.5, "5弱"}};
    points.rows = {10, 11, 12, 13};
    const StationMapLayout layout(points.stations, std::nullopt, MapSettings{});
    const Point shared = layout.ToPixel(35.5, 139.5);
    ASSERT_NE(shared, layout.ToPixel(35.504, 139.5)) << "the fourth station is expected a few pixels away";
    // Nearest first; of the two on the place the one drawn on top first.
    EXPECT_EQ(layout.StationsAt(shared.x, shared.y, points.stations), (std::vector<std::size_t>{1, 2, 3}));
    const struct {
        std::optional<std::size_t> selected, next;
    } clicks[] = {{std::nullopt, 11}, {11, 12}, {12, 11}, {10, 11}, {13, 11}};
    for (const auto& click : clicks)
        EXPECT_EQ(RowToSelectAt(layout, points, shared.x, shared.y, click.selected), click.next) << click.selected.value_or(0);
    EXPECT_FALSE(RowToSelectAt(layout, points, 0, 0, std::nullopt));
}

}  // namespace
}  // namespace tremblo
