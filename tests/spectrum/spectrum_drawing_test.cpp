// The spectrum window's and the Sa-Sd window's drawings, through the
// recording canvas: panel places and titles, the points of each curve on
// every kind of axis, the row that sets the scale, colours, the Sa-Sd curves.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "plot/plot_test_support.h"
#include "plot/recording_canvas.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/spectrum_display.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

constexpr int kCurveWidth = 3;  // the frame draws with widths 1 and 2 only

struct Curve {
    Color color = kBlack;
    std::vector<Point> points;
};

// The polylines drawn with the curve pen width, in order.
std::vector<Curve> Curves(const RecordingCanvas& canvas) {
    std::vector<Curve> curves;
    bool open = false;
    for (const CanvasCall& call : canvas.calls) {
        const bool curvePen = call.penWidth == kCurveWidth;
        if (call.op == CanvasOp::MoveTo) {
            open = curvePen;
            if (open) curves.push_back(Curve{call.penColor, {{call.x1, call.y1}}});
        } else if (call.op == CanvasOp::LineTo && open && curvePen) {
            curves.back().points.push_back({call.x2, call.y2});
        } else {
            open = false;
        }
    }
    return curves;
}

// A table whose rows are all positive and whose damping row k peaks at
// 10^k, so that the logarithmic scale tells which row set it.
std::unique_ptr<SpectrumTable> PeakedTable() {
    auto table = std::make_unique<SpectrumTable>();
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < 3; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j)
                    table->at(c, k, q, j) = static_cast<float>(std::pow(10.0, k) * (0.5 + 0.5 * j / 199.0));
    return table;
}

SpectrumSource Source(int components) {
    SpectrumSource source;
    source.componentCount = components;
    source.stationCode = "AIC001";
    source.originDate = "2024/11/05";
    source.originTime = "10:12:00";
    source.componentLabel = {"NS", "EW2", "UD2"};
    source.eventName = "AIC001-202411051012";
    return source;
}

class SpectrumDrawingTest : public ::testing::Test {
protected:
    SpectrumDrawingTest() { PrepareSpectrumGraph(graph); }

    // The data, and SubX as the menu of the longest period sets it.
    SpectrumData Data(LinearPeriodRange range = LinearPeriodRange::Seconds2) {
        axis = LinearPeriodAxisFor(range);
        graph.SubX = axis.subX;
        return SpectrumData{*table, periods, source, axis, LinearPeriodCount(periods, axis.limit),
                            LinearFrequencyCount(periods)};
    }

    std::unique_ptr<SpectrumTable> table = PeakedTable();
    PeriodTable periods = BuildPeriodTable();
    SpectrumSource source = Source(3);
    LinearPeriodAxis axis;
    RecordingCanvas canvas{SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT};
    testing::ScriptedPlatform platform;
    TMyGraph graph{canvas, platform};
    SpectrumDisplaySettings settings;
};

TEST_F(SpectrumDrawingTest, ThreePanelsWithTitlesAndUnitLabels) {
    settings.component = 1;
    settings.lineWidth = kCurveWidth;
    DrawSpectraPerComponent(graph, Data(), settings);
    EXPECT_EQ(graph.WidthX, 239);
    EXPECT_EQ(graph.HeightY, 239);
    const int origins[] = {50, 349, 648};
    const char* titles[] = {"SA AIC001 EW2   2024/11/05 10:12:00", "SV AIC001 EW2   2024/11/05 10:12:00",
                            "SD AIC001 EW2   2024/11/05 10:12:00"};
    const char* units[] = {"[Gal]", "[kine]", "[cm]"};
    for (int r = 0; r < 3; ++r) {
        const CanvasCall* title = canvas.FindText(titles[r]);
        ASSERT_NE(title, nullptr) << titles[r];
        EXPECT_EQ(title->x1, origins[r] + 10);
        const CanvasCall* unit = canvas.FindText(units[r]);
        ASSERT_NE(unit, nullptr) << units[r];
        EXPECT_EQ(unit->x1, origins[r] - 30);
        EXPECT_EQ(unit->y1, 275 - 239 - 18);
        // The bottom of the frame: three decades of 79 pixels from the origin.
        EXPECT_TRUE(testing::FindLine(canvas, origins[r], 275, origins[r] + 237, 275)) << r;
    }
    EXPECT_EQ(Curves(canvas).size(), 15u);

    // Per response with one component: the left panel only.
    source = Source(1);
    canvas.calls.clear();
    settings.layout = SpectrumLayout::PerResponse;
    settings.quantity = SD;
    DrawSpectra(graph, Data(), settings);
    EXPECT_NE(canvas.FindText("SD AIC001 NS   2024/11/05 10:12:00"), nullptr);
    EXPECT_EQ(testing::TextsAtY(canvas, 18), std::vector<std::string>{"[cm]"});
    EXPECT_EQ(Curves(canvas).size(), 5u);
}

struct AxisCase {
    const char* name;
    SpectrumLayout layout;
    bool linearX;
    bool frequencyX;
    LinearPeriodRange range;
    int points;   // per curve
    int firstX;   // pixel of the first point in the first panel
    float valuePerDivision;
    int divisions;
};

class SpectrumAxes : public SpectrumDrawingTest, public ::testing::WithParamInterface<AxisCase> {};

TEST_P(SpectrumAxes, PointsPerCurveAndTheFirstPoint) {
    const AxisCase& c = GetParam();
    settings.layout = c.layout;
    settings.linearX = c.linearX;
    settings.frequencyX = c.frequencyX;
    settings.lineWidth = kCurveWidth;
    DrawSpectra(graph, Data(c.range), settings);
    const std::vector<Curve> curves = Curves(canvas);
    ASSERT_EQ(curves.size(), 15u);
    for (const Curve& curve : curves) EXPECT_EQ(static_cast<int>(curve.points.size()), c.points);
    EXPECT_EQ(curves[0].points[0].x, c.firstX);
    EXPECT_FLOAT_EQ(graph.VValueX, c.valuePerDivision);
    EXPECT_EQ(graph.NGridX, c.divisions);
    EXPECT_EQ(graph.TitleX, c.frequencyX ? "振動数 [Hz]" : "周　期 [s]");
}

// Pixels: linear axis 0.05 s at 0.5 s per 59-pixel division -> 50 + 5, at
// 2 s per 47-pixel division -> 50 + 1; 20 Hz at 5 Hz per division -> 50 +
// 236; 0.102685 Hz -> 50 + 1; logarithmic, 79-pixel decades: 0.05 s from
// 0.01 s -> 50 + 55, 20 Hz from 0.1 Hz -> 50 + 181.
INSTANTIATE_TEST_SUITE_P(
    Layouts, SpectrumAxes,
    ::testing::Values(
        AxisCase{"ComponentLinearPeriod2s", SpectrumLayout::PerComponent, true, false,
                 LinearPeriodRange::Seconds2, 140, 55, 0.5f, 4},
        AxisCase{"ComponentLinearPeriod5s", SpectrumLayout::PerComponent, true, false,
                 LinearPeriodRange::Seconds5, 174, 52, 1.0f, 5},
        AxisCase{"ComponentLinearPeriod10s", SpectrumLayout::PerComponent, true, false,
                 LinearPeriodRange::Seconds10, 200, 51, 2.0f, 5},
        AxisCase{"ComponentLogPeriod", SpectrumLayout::PerComponent, false, false,
                 LinearPeriodRange::Seconds2, 200, 105, 10.0f, 3},
        AxisCase{"ComponentLinearFrequencyAscending", SpectrumLayout::PerComponent, true, true,
                 LinearPeriodRange::Seconds2, 200, 51, 5.0f, 4},
        AxisCase{"ResponseLinearPeriod2s", SpectrumLayout::PerResponse, true, false,
                 LinearPeriodRange::Seconds2, 140, 55, 0.5f, 4},
        AxisCase{"ResponseLinearFrequencyFrom20Hz", SpectrumLayout::PerResponse, true, true,
                 LinearPeriodRange::Seconds2, 174, 286, 5.0f, 4},
        AxisCase{"ResponseLogFrequencyFrom20Hz", SpectrumLayout::PerResponse, false, true,
                 LinearPeriodRange::Seconds10, 200, 231, 10.0f, 3}),
    [](const ::testing::TestParamInfo<AxisCase>& info) { return std::string(info.param.name); });

struct DampingCase {
    const char* name;
    std::array<bool, DAMPING_COUNT> enabled;
    bool colors;
    float scaleStart;                 // SValueY: 10^(scale row - 2)
    std::vector<Color> curveColors;   // of the first panel
};

class SpectrumDampings : public SpectrumDrawingTest, public ::testing::WithParamInterface<DampingCase> {};

TEST_P(SpectrumDampings, EnabledRowsColoursAndTheScaleRow) {
    const DampingCase& c = GetParam();
    for (SpectrumLayout layout : {SpectrumLayout::PerComponent, SpectrumLayout::PerResponse}) {
        canvas.calls.clear();
        settings.layout = layout;
        settings.dampingEnabled = c.enabled;
        settings.colorByDamping = c.colors;
        settings.lineWidth = kCurveWidth;
        DrawSpectra(graph, Data(), settings);
        EXPECT_FLOAT_EQ(graph.SValueY, c.scaleStart);
        const std::vector<Curve> curves = Curves(canvas);
        ASSERT_EQ(curves.size(), 3 * c.curveColors.size());
        for (std::size_t i = 0; i < c.curveColors.size(); ++i) EXPECT_EQ(curves[i].color, c.curveColors[i]) << i;
    }
}

constexpr Color kRedCurve = 0x0000FF, kBlueCurve = 0xFF0000, kPurpleCurve = 0x800080, kGreenCurve = 0x008000;

INSTANTIATE_TEST_SUITE_P(
    Boxes, SpectrumDampings,
    ::testing::Values(
        DampingCase{"AllColoured", {true, true, true, true, true}, true, 0.01f,
                    {kRedCurve, kBlueCurve, kPurpleCurve, kBlack, kGreenCurve}},
        DampingCase{"AllBlack", {true, true, true, true, true}, false, 0.01f,
                    {kBlack, kBlack, kBlack, kBlack, kBlack}},
        DampingCase{"UndampedClearedScalesOnTheSecond", {false, true, true, true, true}, true, 0.1f,
                    {kBlueCurve, kPurpleCurve, kBlack, kGreenCurve}},
        DampingCase{"OnlyTheLastScalesOnIt", {false, false, false, false, true}, true, 100.0f, {kGreenCurve}},
        DampingCase{"NoneDrawnScalesOnTheFirst", {false, false, false, false, false}, true, 0.01f, {}}),
    [](const ::testing::TestParamInfo<DampingCase>& info) { return std::string(info.param.name); });

TEST_F(SpectrumDrawingTest, ATableOfZerosDrawsFramesWithoutAMessage) {
    table = std::make_unique<SpectrumTable>();
    for (bool linear : {false, true}) {
        for (SpectrumLayout layout : {SpectrumLayout::PerComponent, SpectrumLayout::PerResponse}) {
            canvas.calls.clear();
            settings.layout = layout;
            settings.linearX = settings.linearY = linear;
            settings.lineWidth = kCurveWidth;
            DrawSpectra(graph, Data(), settings);
            const int right = linear ? 236 : 237;
            for (int origin : {50, 349, 648})  // three frames
                EXPECT_TRUE(testing::FindLine(canvas, origin, 275, origin + right, 275)) << origin;
            // Zeros fall off a logarithmic axis; on a linear one they lie flat on it.
            for (const Curve& curve : Curves(canvas)) {
                EXPECT_TRUE(linear);
                for (const Point& p : curve.points) EXPECT_EQ(p.y, 275);
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

// ---- Sa-Sd -----------------------------------------------------------------

class SaSdDrawingTest : public ::testing::Test {
protected:
    SaSdDrawingTest() { PrepareSaSdGraph(graph); }

    // Draws component c at damping index 3 with SD and SA given per period.
    std::vector<Curve> Draw(const std::function<float(int)>& sd, const std::function<float(int)>& sa,
                            bool adjustedOnly, int c = 2) {
        for (int j = 0; j < PERIOD_COUNT; ++j) {
            table->at(c, 3, SD, j) = sd(j);
            table->at(c, 3, SA, j) = sa(j);
        }
        canvas.calls.clear();
        SaSdSettings settings;
        settings.component = c;
        settings.lineWidth = kCurveWidth;
        settings.adjustedOnly = adjustedOnly;
        DrawSaSd(graph, *table, source, settings);
        return Curves(canvas);
    }

    SpectrumSource source = Source(3);

    std::unique_ptr<SpectrumTable> table = std::make_unique<SpectrumTable>();
    RecordingCanvas canvas{SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT};
    testing::ScriptedPlatform platform;
    TMyGraph graph{canvas, platform};
};

TEST_F(SaSdDrawingTest, GrowingDisplacementKeepsEveryPoint) {
    const auto curves = Draw([](int j) { return 1.0f + j; }, [](int j) { return 1000.0f - j; }, true);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].points.size(), 200u);
    EXPECT_EQ(curves[0].color, kRedCurve);
    EXPECT_EQ(graph.TitleX, "変位 Sd [cm]");
    EXPECT_EQ(graph.TitleY, "加速度 Sa [gal]");
    // The title names the component as the spectrum panels do (UD2).
    const CanvasCall* name = canvas.FindText("AIC001-202411051012 UD2");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x1, 150);
    EXPECT_EQ(name->y1, 5);

    // The one component of a record read from its UD file alone is UD in
    // the file names, and its own label in the title.
    source = Source(1);
    source.componentLabel[0] = "UD2";
    Draw([](int j) { return 1.0f + j; }, [](int) { return 1.0f; }, true, 0);
    EXPECT_NE(canvas.FindText("AIC001-202411051012 UD2"), nullptr);
    EXPECT_EQ(SaSdTitleComponent(source, 0), "UD2");
    source.componentLabel[0] = "";
    EXPECT_EQ(SaSdTitleComponent(source, 0), "NS");
    source.componentLabel[0] = "UD2";
    EXPECT_EQ(SaSdComponentName(source, 0), "UD");
    EXPECT_EQ(SaSdComponentName(Source(3), 0), "NS");
}

TEST_F(SaSdDrawingTest, PlateausKeepTheirFirstPointAndTheScaleIgnoresTheFullCurve) {
    // SD rises to 50 over 100 periods, stays there, then falls; SA peaks at
    // 9000 where SD does not grow.
    const auto sd = [](int j) { return j < 100 ? 0.5f * (j + 1) : j < 150 ? 50.0f : 10.0f; };
    const auto sa = [](int j) { return j == 120 ? 9000.0f : 300.0f; };
    const auto adjusted = Draw(sd, sa, true);
    ASSERT_EQ(adjusted.size(), 1u);
    EXPECT_EQ(adjusted[0].points.size(), 100u);  // the plateau's first point is the last kept
    const float stepX = graph.VValueX, stepY = graph.VValueY;
    EXPECT_FLOAT_EQ(stepX, 20.0f);   // 50 cm over 4 divisions
    EXPECT_FLOAT_EQ(stepY, 100.0f);  // 300 gal, not 9000

    const auto both = Draw(sd, sa, false);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].color, kRedCurve);
    EXPECT_EQ(both[1].color, kBlueCurve);  // drawn over the red one
    EXPECT_EQ(both[1].points.size(), 200u);
    EXPECT_FLOAT_EQ(graph.VValueX, stepX);
    EXPECT_FLOAT_EQ(graph.VValueY, stepY);
}

TEST_F(SaSdDrawingTest, ATableOfZerosDrawsAFrameAndNoCurve) {
    const auto curves = Draw([](int) { return 0.0f; }, [](int) { return 0.0f; }, false);
    ASSERT_EQ(curves.size(), 1u);  // the full curve: 200 points at the origin
    EXPECT_EQ(curves[0].color, kBlueCurve);
    EXPECT_GT(canvas.Calls(CanvasOp::LineTo).size(), 20u);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace tremblo
