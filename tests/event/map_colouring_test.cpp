// The station map coloured by a column: the scale (logarithmic for
// amplitudes, linear for durations and distance), the stations' discs and
// hollow rings, and the legend that names the column, shows the scale's
// numbers and hides no station.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "event/event_column_number.h"
#include "event/map_colouring.h"
#include "event/station_map.h"
#include "event/value_legend.h"
#include "plot/recording_canvas.h"

namespace tremblo {
namespace {

Color FromRgb(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }
const Color kBlue = FromRgb(0x2040C0), kGreen = FromRgb(0x30B030), kRed = FromRgb(0xD02020);
const Color kCyan = FromRgb(0x20A0E0);  // a quarter up the scale

EventColumn Named(const char* key) { return *EventColumnOfKey(key); }

TEST(MapColouring, AmplitudesOnALogarithmicScaleDurationsOnALinearOne) {
    using Values = std::vector<std::optional<double>>;
    const struct {
        const char* column;
        Values values;  // of the stations shown
        double value;
        std::optional<Color> expected;  // nothing: hollow
    } cases[] = {
        // 10 is the geometric middle of 1 and 100: the scale's middle.
        {"pga_max", {1.0, 100.0, std::nullopt}, 10.0, kGreen},
        {"pga_max", {1.0, 100.0}, 1.0, kBlue},
        {"pga_max", {1.0, 100.0}, 100.0, kRed},
        {"pga_max", {1.0, 10000.0}, 10.0, kCyan},  // a quarter of four decades
        {"c1_arias", {0.001, 0.1}, 0.01, kGreen},
        {"c1_arias", {0.0, 0.001, 0.1}, 0.0, kBlue},  // 0 takes the low end; the range is the positive values'
        {"si_horizontal", {2.0, 8.0}, 4.0, kGreen},
        // Linear: the arithmetic middle.
        {"distance_km", {10.0, 100.0}, 55.0, kGreen},
        {"c2_d5_95", {10.0, 50.0}, 20.0, kCyan},
        {"jma_intensity", {3.0, 5.0}, 4.0, kGreen},
        // No value: hollow.
        {"pga_max", {1.0, 100.0}, std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases) {
        const MapColouring colouring = ColouringOf(Named(c.column), c.values);
        const StationFill fill = colouring.FillOf(c.value);
        EXPECT_EQ(fill.hollow, !c.expected) << c.column << " " << c.value;
        EXPECT_EQ(fill.color, c.expected.value_or(kNoValueColor)) << c.column << " " << c.value;
    }
    EXPECT_TRUE(ColouringOf(Named("pga_max"), std::vector<std::optional<double>>{1.0}).FillOf(std::nullopt).hollow);
    // Only zeros: no logarithm places them, so a linear scale of one value.
    const MapColouring zeros = ColouringOf(Named("c1_arias"), std::vector<std::optional<double>>{0.0, 0.0});
    EXPECT_FALSE(zeros.logarithmic);
    EXPECT_EQ(zeros.FillOf(0.0), (StationFill{kGreen, false}));
    EXPECT_FALSE(ColouringOf(Named("pga_max"), std::vector<std::optional<double>>{std::nullopt}).range);
}

TEST(MapColouring, LegendNamesTheColumnWithItsUnit) {
    const struct {
        const char* column;
        const char* title;
    } cases[] = {{"pga_max", "PGA [Gal]"},          {"pgv_horizontal", "PGV [kine]"},
                 {"c2_cav", "CAV EW [cm/s]"},       {"c3_d5_75", "D5-75 UD [s]"},
                 {"pga_rotd100", "PGA RotD100 [Gal]"}, {"sa10_horizontal", "SA 0.998s [Gal]"},
                 {"c1_si", "SI値 NS [kine]"},       {"si_horizontal", "SI値 水平動 [kine]"}};
    for (const auto& c : cases) EXPECT_EQ(MapColumnTitle(Named(c.column)), c.title) << c.column;
}

TEST(MapColouring, ScaleNumbersReadableWithoutExponents) {
    const struct {
        double value;
        const char* text;
    } numbers[] = {{0.012345, "0.0123"}, {4.567, "4.57"}, {123.4, "123"}, {1234.4, "1234"},
                   {0.0, "0.00"},        {-0.0001234, "-0.000123"}, {99.96, "100.0"}};
    for (const auto& n : numbers) EXPECT_EQ(LegendNumberText(n.value), n.text) << n.value;

    MapColouring log{"PGA [Gal]", true, ValueRange{0.0, 2.0}};
    const std::vector<double> logValues = LegendScaleValues(log);
    ASSERT_EQ(logValues.size(), 3u);
    EXPECT_DOUBLE_EQ(logValues[0], 100.0);
    EXPECT_DOUBLE_EQ(logValues[1], 10.0);
    EXPECT_DOUBLE_EQ(logValues[2], 1.0);
    MapColouring linear{"D5-95 NS [s]", false, ValueRange{10.0, 30.0}};
    EXPECT_EQ(LegendScaleValues(linear), (std::vector<double>{30.0, 20.0, 10.0}));
    MapColouring single{"x", false, ValueRange{7.0, 7.0}};
    EXPECT_EQ(LegendScaleValues(single), std::vector<double>{7.0});
    EXPECT_TRUE(LegendScaleValues(MapColouring{}).empty());
}

// Discs of the stations' colours, a grey ring for the one without a value;
// the legend heading, the scale's numbers and the no-value line; the
// legend (its white box) hiding no station however they lie.
TEST(MapColouring, StationsDrawnInTheirValuesColoursOrHollow) {
    std::vector<MapStation> ring;  // along the bounds: every corner taken
    for (double step = 0.0; step <= 2.0; step += 0.25) {
        ring.insert(ring.end(), {{34.0 + step, 138.0, "3", 1.0 + step}, {34.0 + step, 140.0, "3", std::nullopt}});
        if (step > 0.0 && step < 2.0)  // the corners once
            ring.insert(ring.end(), {{34.0, 138.0 + step, "3", 10.0 * (1 + step)}, {36.0, 138.0 + step, "3", 100.0}});
    }
    const std::vector<MapStation> few{{34.0, 139.0, "3", 1.0}, {36.0, 139.0, "3", 100.0}, {35.0, 138.0, "3", 10.0},
                                      {35.0, 140.0, "3", std::nullopt}};
    const std::pair<double, double> epicentre{35.0, 139.0};
    for (const std::vector<MapStation>* stations : {&few, static_cast<const std::vector<MapStation>*>(&ring)}) {
        std::vector<std::optional<double>> values;
        for (const MapStation& s : *stations) values.push_back(s.value);
        const MapColouring colouring = ColouringOf(EventColumn::PgaMax, values);
        RecordingCanvas canvas(520, 560);
        const StationMapLayout layout = LayoutStationMap(canvas, *stations, epicentre, MapSettings{}, &colouring);
        DrawStationMap(canvas, layout, *stations, epicentre, std::nullopt, nullptr, &colouring);
        const CanvasCall legend = canvas.Calls(CanvasOp::FillRect).back();  // a copy: Calls gives a temporary
        for (const MapStation& s : *stations) {
            const Point p = layout.ToPixel(s.lat, s.lon);
            int drawn = 0;
            for (const CanvasCall& call : canvas.Calls(CanvasOp::Ellipse)) {
                if (call.x1 != p.x - kStationRadius || call.y1 != p.y - kStationRadius) continue;
                ++drawn;
                if (s.value) {
                    EXPECT_EQ(call.brushStyle, BrushStyle::Solid);
                    EXPECT_EQ(call.brushColor, colouring.FillOf(s.value).color);
                } else {
                    EXPECT_EQ(call.brushStyle, BrushStyle::Clear);
                    EXPECT_EQ(call.penColor, kNoValueColor);
                }
            }
            EXPECT_GE(drawn, 1) << s.lat << " " << s.lon;
            const int r = kStationRadius;
            EXPECT_FALSE(p.x + r >= legend.x1 && p.x - r < legend.x2 && p.y + r >= legend.y1 && p.y - r < legend.y2)
                << stations->size() << ": " << s.lat << " " << s.lon << " at " << p.x << "," << p.y << " legend " << legend.x1 << "," << legend.y1 << "-" << legend.x2 << "," << legend.y2 << " column " << layout.settings().legendColumn;
        }
        for (const char* text : {"PGA [Gal]", "100", "10.0", "1.00", kNoValueLegendText, kEpicentreLegendText})
            EXPECT_NE(canvas.FindText(text), nullptr) << text;
        EXPECT_EQ(canvas.FindText("震度5弱"), nullptr);  // not the classes' legend
    }
}

}  // namespace
}  // namespace tremblo
