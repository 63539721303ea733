// The enlarged and superposed views: scripted navigation sessions on
// recording canvases, the enlarged drawing's SubX and unit-label rules, the
// superposed drawing's colours, legend and texts.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plot/plot_test_support.h"
#include "plot/recording_canvas.h"
#include "spectrum/enlarged_navigation.h"
#include "support/scripted_navigator.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::ScriptedNavigator;

// Every damping row positive and rising with the period, peaking at 10^k
// for damping k; component c scales it by c + 1.
std::unique_ptr<SpectrumTable> RisingTable() {
    auto table = std::make_unique<SpectrumTable>();
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < 3; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j)
                    table->at(c, k, q, j) = static_cast<float>((c + 1) * std::pow(10.0, k) * (j + 1) / 200.0);
    return table;
}

// The legend lines: LineTo calls 65 pixels long from x 30.
std::vector<CanvasCall> LegendLines(const RecordingCanvas& canvas) {
    std::vector<CanvasCall> lines;
    for (const CanvasCall& call : canvas.Calls(CanvasOp::LineTo))
        if (call.x1 == 30 && call.x2 == 95 && call.y1 == call.y2) lines.push_back(call);
    return lines;
}

class EnlargedViewTest : public ::testing::Test {
protected:
    EnlargedViewTest() {
        source.componentCount = 3;
        source.stationCode = "AIC001";
        source.originDate = "2024/11/05";
        source.originTime = "10:12:00";
        PrepareEnlargedGraph(enlarged);
        PrepareSuperposedGraph(superposed);
        windows.showEnlarged = [this] { events.push_back("enlarged " + enlarged.TitleY); };
        windows.saveEnlarged = [this] { events.push_back("save enlarged"); };
        windows.showSuperposed = [this] { events.push_back("show superposed"); };
        windows.repaintSuperposed = [this] { events.push_back("repaint superposed"); };
        windows.saveSuperposed = [this] { events.push_back("save superposed"); };
        windows.enableSuperposedButtons = [this](bool on) { events.push_back(on ? "buttons on" : "buttons off"); };
    }

    SpectrumData Data() {
        return SpectrumData{*table, periods, source, axis, LinearPeriodCount(periods, axis.limit),
                            LinearFrequencyCount(periods)};
    }

    void Run(std::deque<std::optional<int>> choices) {
        ScriptedNavigator navigator(std::move(choices));
        RunEnlargedView(enlarged, superposed, Data(), settings, state, navigator, windows);
    }

    std::unique_ptr<SpectrumTable> table = RisingTable();
    PeriodTable periods = BuildPeriodTable();
    SpectrumSource source;
    LinearPeriodAxis axis;
    SpectrumDisplaySettings settings;
    testing::ScriptedPlatform platform;
    RecordingCanvas enlargedCanvas{ENLARGED_GRAPH_WIDTH, ENLARGED_GRAPH_HEIGHT};
    RecordingCanvas superposedCanvas{SUPERPOSED_GRAPH_WIDTH, SUPERPOSED_GRAPH_HEIGHT};
    TMyGraph enlarged{enlargedCanvas, platform};
    TMyGraph superposed{superposedCanvas, platform};
    EnlargedViewWindows windows;
    EnlargedViewState state;
    std::vector<std::string> events;
};

const std::string kSa = "enlarged SA AIC001 NS   2024/11/05 10:12:00";
const std::string kSv = "enlarged SV AIC001 NS   2024/11/05 10:12:00";
const std::string kSd = "enlarged SD AIC001 NS   2024/11/05 10:12:00";

TEST_F(EnlargedViewTest, BackStopsAtTheFirstItemAndNextPastTheLastEndsTheView) {
    Run({kChoiceBack, kChoiceNext, kChoiceNext, kChoiceBack, kChoiceNext, kChoiceNext});
    EXPECT_EQ(events, (std::vector<std::string>{kSa, kSa, kSv, kSd, kSv, kSd}));
    EXPECT_EQ(state.navigatorChoice, kChoiceNext);
}

TEST_F(EnlargedViewTest, EnlargedPictureStaysSuperposedPictureAdvances) {
    Run({kChoiceSaveEnlarged, kChoiceSaveSuperposed, kChoiceClose});
    EXPECT_EQ(events, (std::vector<std::string>{kSa, "save enlarged", kSa, "save superposed", kSv, "buttons on"}));
}

TEST_F(EnlargedViewTest, ItsCloseBoxClosesTheView) {
    state.navigatorChoice = kChoiceAddSuperposed;  // a close box used to repeat this
    Run({std::nullopt, kChoiceNext});
    EXPECT_EQ(events, (std::vector<std::string>{kSa, "buttons on"}));
    EXPECT_EQ(state.navigatorChoice, kChoiceClose);
    EXPECT_EQ(state.overlayCount, 0);
}

TEST_F(EnlargedViewTest, AdditionsCycleTheSevenColoursOneLegendLineLowerEach) {
    settings.layout = SpectrumLayout::PerResponse;  // items: NS, EW, UD
    settings.quantity = SA;
    std::deque<std::optional<int>> script{kChoiceNewSuperposed};
    for (int i = 0; i < 7; ++i) script.push_back(kChoiceAddSuperposed);
    Run(script);
    EXPECT_EQ(state.overlayCount, 7);
    const float start = superposed.SValueY;  // set by the new drawing
    const std::vector<CanvasCall> legend = LegendLines(superposedCanvas);
    ASSERT_EQ(legend.size(), 8u);
    const Color colors[] = {0x0000FF, 0xFF0000, 0x800080, 0x000000, 0x008000, 0x808000, 0x800000, 0x0000FF};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(legend[i].y1, 315 + 15 * i);
        EXPECT_EQ(legend[i].penColor, colors[i]) << i;
        EXPECT_EQ(legend[i].penWidth, 2);
        EXPECT_NE(superposedCanvas.FindText("SA AIC001 NS   2024/11/05 10:12:00"), nullptr);
    }
    EXPECT_EQ(legend[7].y1, 420);
    const auto titles = testing::TextsAtY(superposedCanvas, 310 + 15 * 7);
    EXPECT_EQ(titles, std::vector<std::string>{"SA AIC001 NS   2024/11/05 10:12:00"});
    EXPECT_EQ(superposed.TitleY, "SA");
    // Additions keep the scales of the new drawing, whatever the enlarged view drew meanwhile.
    Run({kChoiceNext, kChoiceAddSuperposed});
    EXPECT_EQ(state.overlayCount, 8);
    EXPECT_FLOAT_EQ(superposed.SValueY, start);
    EXPECT_NE(superposedCanvas.FindText("SA AIC001 EW   2024/11/05 10:12:00"), nullptr);
}

TEST_F(EnlargedViewTest, NoDampingChosenDrawsFramesAndLegendsButNoCurves) {
    settings.dampingEnabled = {false, false, false, false, false};
    Run({kChoiceNewSuperposed, kChoiceAddSuperposed, kChoiceClose});
    for (const RecordingCanvas* canvas : {&enlargedCanvas, &superposedCanvas}) {
        int curveSegments = 0;
        for (const CanvasCall& call : canvas->Calls(CanvasOp::LineTo))
            curveSegments += call.penWidth == 2 && call.x1 != 30 && call.y1 != call.y2 && call.x1 != call.x2 ? 1 : 0;
        EXPECT_EQ(curveSegments, 0);
    }
    EXPECT_EQ(LegendLines(superposedCanvas).size(), 2u);
    EXPECT_GT(enlargedCanvas.Calls(CanvasOp::LineTo).size(), 20u);  // the frame
    EXPECT_EQ(events, (std::vector<std::string>{kSa, "buttons off", "buttons on", "show superposed", kSa,
                                                "buttons on", "repaint superposed", kSa, "buttons on"}));
}

TEST_F(EnlargedViewTest, FrequencyUnitStartsWithoutTitleAndLegendButAdditionsHaveThem) {
    settings.frequencyX = true;
    Run({kChoiceNewSuperposed, kChoiceNext, kChoiceAddSuperposed});
    EXPECT_TRUE(testing::TextsAtY(superposedCanvas, 310).empty());
    const std::vector<CanvasCall> legend = LegendLines(superposedCanvas);
    ASSERT_EQ(legend.size(), 1u);
    EXPECT_EQ(legend[0].y1, 330);
    EXPECT_EQ(testing::TextsAtY(superposedCanvas, 325),
              std::vector<std::string>{"SV AIC001 NS   2024/11/05 10:12:00"});
}

struct EnlargedRuleCase {
    const char* name;
    SpectrumLayout layout;
    bool frequencyX;
    LinearPeriodRange range;
    int subX;         // the enlarged graph's SubX after drawing (it starts at 7)
    bool unitLabel;   // "[Gal]" at (20, 22)
    int points;       // per curve, on a linear axis
    int scaleCount;   // values the vertical scale is chosen from: the curve's own on a per-component
                      // linear period axis, every period otherwise
};

class EnlargedRules : public EnlargedViewTest, public ::testing::WithParamInterface<EnlargedRuleCase> {};

TEST_P(EnlargedRules, SubXUnitLabelAndPoints) {
    const EnlargedRuleCase& c = GetParam();
    settings.layout = c.layout;
    settings.frequencyX = c.frequencyX;
    settings.linearX = true;
    settings.quantity = SA;
    settings.lineWidth = 5;
    axis = LinearPeriodAxisFor(c.range);
    enlarged.SubX = 7;
    const ItemCurves curves = EnlargedItemCurves(Data(), settings, 0);
    DrawEnlargedItem(enlarged, curves, settings, axis);
    EXPECT_EQ(enlarged.SubX, c.subX);
    const CanvasCall* unit = enlargedCanvas.FindText("[Gal]");
    EXPECT_EQ(unit != nullptr, c.unitLabel);
    if (unit != nullptr) {
        EXPECT_EQ(unit->x1, 20);
        EXPECT_EQ(unit->y1, 440 - 400 - 18);
    }
    EXPECT_EQ(curves.points, c.points);
    EXPECT_EQ(curves.scaleCount, c.scaleCount);
    EXPECT_EQ(enlarged.TitleY, "SA AIC001 NS   2024/11/05 10:12:00");
    // Pen width 2 whatever the line width control says: every slanted segment.
    int slanted = 0;
    for (const CanvasCall& call : enlargedCanvas.Calls(CanvasOp::LineTo)) {
        if (call.x1 == call.x2 || call.y1 == call.y2) continue;
        EXPECT_EQ(call.penWidth, 2);
        ++slanted;
    }
    EXPECT_GT(slanted, 5 * 50);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EnlargedRules,
    ::testing::Values(
        EnlargedRuleCase{"ComponentPeriod2s", SpectrumLayout::PerComponent, false, LinearPeriodRange::Seconds2,
                         5, true, 140, 140},
        EnlargedRuleCase{"ComponentPeriod10s", SpectrumLayout::PerComponent, false,
                         LinearPeriodRange::Seconds10, 4, true, 200, 200},
        EnlargedRuleCase{"ComponentFrequency", SpectrumLayout::PerComponent, true, LinearPeriodRange::Seconds10,
                         5, false, 200, 200},
        EnlargedRuleCase{"ResponsePeriod2s", SpectrumLayout::PerResponse, false, LinearPeriodRange::Seconds2,
                         7, true, 140, 200},
        EnlargedRuleCase{"ResponsePeriod10s", SpectrumLayout::PerResponse, false, LinearPeriodRange::Seconds10,
                         7, true, 200, 200},
        EnlargedRuleCase{"ResponseFrequency", SpectrumLayout::PerResponse, true, LinearPeriodRange::Seconds2, 7,
                         true, 200, 200}),
    [](const ::testing::TestParamInfo<EnlargedRuleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tremblo
