// Target spectra over the spectrum and Sa-Sd graphs, through the recording
// canvas: dashed, cut to the frames, a legend entry each, and the record's
// own drawing (its scales included) exactly as without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "plot/recording_canvas.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/spectrum_display.h"
#include "spectrum/target_drawing.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

// The safety and damage limits and a table over 1 .. 2 s.
std::vector<TargetSpectrum> ThreeTargets() {
    TargetSpectrum table;
    table.kind = TargetKind::Table;
    table.periods = {1.0, 2.0};
    table.sa = {300.0, 150.0};
    table.label = "site.csv";
    return {BuiltInTarget(BslLimit::Safety, 1.0), BuiltInTarget(BslLimit::Damage, 1.0), table};
}

int TargetOf(const CanvasCall& call) {
    for (int i = 0; i < 3; ++i)
        if (call.penColor == TargetColor(i)) return i;
    return -1;
}

// The calls of the record's drawing, those of the targets left out.
std::vector<std::tuple<CanvasOp, int, int, int, int, std::string, Color, int>> RecordCalls(const RecordingCanvas& canvas) {
    std::vector<std::tuple<CanvasOp, int, int, int, int, std::string, Color, int>> calls;
    for (const CanvasCall& c : canvas.calls)
        if (TargetOf(c) < 0) calls.emplace_back(c.op, c.x1, c.y1, c.x2, c.y2, c.text, c.penColor, c.penWidth);
    return calls;
}

bool Inside(const CanvasCall& l, const ClipRect& frame) {
    return std::min(l.x1, l.x2) >= frame.left && std::max(l.x1, l.x2) <= frame.right &&
           std::min(l.y1, l.y2) >= frame.top && std::max(l.y1, l.y2) <= frame.bottom;
}

class TargetDrawingTest : public ::testing::Test {
protected:
    TargetDrawingTest() {
        for (std::size_t i = 0; i < table->values.size(); ++i) table->values[i] = 40.0f + static_cast<float>(i % 200) * 5.0f;
        source.componentCount = 3;
    }
    SpectrumData Data() {
        return SpectrumData{*table, periods, source, LinearPeriodAxisFor(LinearPeriodRange::Seconds2),
                            LinearPeriodCount(periods, 2.0f), LinearFrequencyCount(periods)};
    }
    // Draws on a freshly prepared graph without and then with the targets;
    // the record's calls must agree.
    template <typename Draw>
    void DrawAndCompare(RecordingCanvas& canvas, Draw draw) {
        draw(std::vector<TargetSpectrum>{});
        const auto without = RecordCalls(canvas);
        canvas.calls.clear();
        draw(ThreeTargets());
        EXPECT_TRUE(RecordCalls(canvas) == without) << "the targets changed the record's drawing";
    }

    std::unique_ptr<SpectrumTable> table = std::make_unique<SpectrumTable>();  // 40 .. 1035 along the periods
    PeriodTable periods = BuildPeriodTable();
    SpectrumSource source;
    testing::ScriptedPlatform platform;
};

TEST_F(TargetDrawingTest, PanelsGetDashedCurvesAndALegendEach) {
    for (bool frequencyX : {false, true}) {
        SCOPED_TRACE(frequencyX ? "frequency" : "period");
        RecordingCanvas canvas{SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT};
        TMyGraph graph{canvas, platform};
        SpectrumDisplaySettings s;
        s.frequencyX = frequencyX;
        DrawAndCompare(canvas, [&](std::vector<TargetSpectrum> targets) {
            s.targets = std::move(targets);
            PrepareSpectrumGraph(graph);
            DrawSpectraPerComponent(graph, Data(), s);
        });
        const char* texts[][3] = {{"告示 安全限界 Z=1.0", "告示 損傷限界 Z=1.0", "site.csv"},
                                  {"告示 安全限界 Z=1.0 (擬似)", "告示 損傷限界 Z=1.0 (擬似)", "site.csv (擬似)"}};
        for (int panel = 0; panel < 3; ++panel) {  // frames 237 pixels square from (50 + 299 panel, 275)
            const ClipRect frame{50.0 + 299 * panel, 38.0, 50.0 + 299 * panel + 237, 275.0};
            for (int target = 0; target < 3; ++target) {
                int inside = 0;
                for (const CanvasCall& d : canvas.Calls(CanvasOp::LineTo)) {
                    if (TargetOf(d) != target) continue;
                    EXPECT_LE(std::hypot(d.x2 - d.x1, d.y2 - d.y1), 7.0);  // dashes of 6 pixels
                    inside += Inside(d, frame) ? 1 : 0;
                }
                EXPECT_GT(inside, 3) << panel << " " << target;
                const std::string text = texts[panel == 0 ? 0 : 1][target];
                const auto legend = std::find_if(canvas.calls.begin(), canvas.calls.end(), [&](const CanvasCall& c) {
                    return c.op == CanvasOp::TextOut && c.text == text && c.x1 > frame.left && c.x1 < frame.right;
                });
                ASSERT_NE(legend, canvas.calls.end()) << text;
                EXPECT_EQ(legend->brushStyle, BrushStyle::Clear);  // the curves stay visible below
                EXPECT_EQ(legend->y1, 38 + 4 + target * (canvas.textHeight + 2));
                if (frequencyX) EXPECT_LE(legend->x1 + canvas.TextWidth(text), frame.right - 6);
                else EXPECT_EQ(legend->x1, frame.left + 6 + 22 + 4);
            }
        }
    }
}

TEST_F(TargetDrawingTest, SaSdDrawsDemandCurvesAgainstPseudoDisplacement) {
    RecordingCanvas canvas{SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT};
    TMyGraph graph{canvas, platform};
    SaSdSettings settings;
    DrawAndCompare(canvas, [&](std::vector<TargetSpectrum> targets) {
        settings.targets = std::move(targets);
        PrepareSaSdGraph(graph);
        DrawSaSd(graph, *table, source, settings);
    });
    for (const CanvasCall& d : canvas.Calls(CanvasOp::LineTo))
        EXPECT_TRUE(TargetOf(d) < 0 || Inside(d, graph.FrameRect()));  // legend samples too
    ASSERT_NE(canvas.FindText("site.csv (擬似)"), nullptr);
    // Safety limit: its plateau of 800 gal runs from SD 0.52 cm (0.16 s) to 8.30 cm (0.64 s).
    const TargetCurve demand = TargetSaSdCurve(BuiltInTarget(BslLimit::Safety, 1.0));
    const auto plateau = static_cast<std::size_t>(std::find(demand.y.begin(), demand.y.end(), 800.0f) - demand.y.begin());
    EXPECT_NEAR(demand.x[plateau], 800.0 * std::pow(0.16 / (2 * M_PI), 2), 1e-4);
    const auto last = static_cast<std::size_t>(std::find(demand.y.rbegin(), demand.y.rend(), 800.0f) - demand.y.rbegin());
    EXPECT_NEAR(demand.x[demand.x.size() - 1 - last], 800.0 * std::pow(0.64 / (2 * M_PI), 2), 1e-3);
}

}  // namespace
}  // namespace tremblo
