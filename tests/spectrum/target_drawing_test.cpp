// Target spectra on the spectrum, enlarged, superposed and Sa-Sd graphs,
// through the recording canvas: dashed, inside the frames, one legend entry
// each, and the record's drawing (scales included) exactly as without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "plot/plot_test_support.h"
#include "plot/recording_canvas.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/spectrum_display.h"
#include "spectrum/target_drawing.h"
#include "support/scripted_platform.h"
#include "target/target_spectrum.h"

namespace tremblo {
namespace {

// Safety and damage limits and a table over 1 .. 2 s.
std::vector<TargetSpectrum> ThreeTargets() {
    TargetSpectrum table;
    table.kind = TargetKind::Table;
    table.periods = {1.0, 2.0};
    table.sa = {300.0, 150.0};
    table.key = "site";
    table.label = "site.csv";
    return {BuiltInTarget(BslLimit::Safety, 1.0), BuiltInTarget(BslLimit::Damage, 1.0), table};
}

bool IsTargetCall(const CanvasCall& call) {
    for (int i = 0; i < 3; ++i)
        if (call.penColor == TargetColor(i)) return true;
    return false;
}

// The calls without those the targets made.
std::vector<CanvasCall> RecordCalls(const RecordingCanvas& canvas) {
    std::vector<CanvasCall> calls;
    std::copy_if(canvas.calls.begin(), canvas.calls.end(), std::back_inserter(calls),
                 [](const CanvasCall& c) { return !IsTargetCall(c); });
    return calls;
}

bool SameCalls(const std::vector<CanvasCall>& a, const std::vector<CanvasCall>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const CanvasCall &x = a[i], &y = b[i];
        if (x.op != y.op || x.x1 != y.x1 || x.y1 != y.y1 || x.x2 != y.x2 || x.y2 != y.y2 || x.text != y.text ||
            x.penColor != y.penColor || x.penWidth != y.penWidth || x.brushStyle != y.brushStyle)
            return false;
    }
    return true;
}

std::vector<CanvasCall> DashesOf(const RecordingCanvas& canvas, int target) {
    std::vector<CanvasCall> dashes;
    for (const CanvasCall& call : canvas.Calls(CanvasOp::LineTo))
        if (call.penColor == TargetColor(target)) dashes.push_back(call);
    return dashes;
}

bool Inside(const CanvasCall& line, const ClipRect& frame) {
    return std::min(line.x1, line.x2) >= frame.left && std::max(line.x1, line.x2) <= frame.right &&
           std::min(line.y1, line.y2) >= frame.top && std::max(line.y1, line.y2) <= frame.bottom;
}

std::unique_ptr<SpectrumTable> RisingTable() {
    auto table = std::make_unique<SpectrumTable>();
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < 3; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j) table->at(c, k, q, j) = 40.0f + 5.0f * static_cast<float>(j + k);
    return table;
}

class TargetDrawingTest : public ::testing::Test {
protected:
    SpectrumData Data() {
        return SpectrumData{*table, periods, source, LinearPeriodAxisFor(LinearPeriodRange::Seconds2),
                            LinearPeriodCount(periods, 2.0f), LinearFrequencyCount(periods)};
    }
    // Draws with and without the targets (`draw` prepares the graph first);
    // true when the record's calls agree.
    template <typename Draw>
    bool RecordDrawingUntouched(RecordingCanvas& canvas, Draw draw) {
        canvas.calls.clear();
        draw(std::vector<TargetSpectrum>{});
        const std::vector<CanvasCall> without = canvas.calls;
        canvas.calls.clear();
        draw(ThreeTargets());
        return SameCalls(RecordCalls(canvas), without);
    }

    std::unique_ptr<SpectrumTable> table = RisingTable();
    PeriodTable periods = BuildPeriodTable();
    SpectrumSource source;
    testing::ScriptedPlatform platform;
};

TEST_F(TargetDrawingTest, SpectrumPanelsGetDashedTargetsAndALegendAndKeepTheirScales) {
    source.componentCount = 3;
    for (bool frequencyX : {false, true}) {
        SCOPED_TRACE(frequencyX ? "frequency" : "period");
        RecordingCanvas canvas{SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT};
        TMyGraph graph{canvas, platform};
        PrepareSpectrumGraph(graph);
        SpectrumDisplaySettings s;
        s.frequencyX = frequencyX;
        EXPECT_TRUE(RecordDrawingUntouched(canvas, [&](std::vector<TargetSpectrum> targets) {
            s.targets = std::move(targets);
            PrepareSpectrumGraph(graph);
            DrawSpectraPerComponent(graph, Data(), s);
        }));
        // Three panels at x 50, 349, 648, frames 237 pixels square up from y 275.
        for (int target = 0; target < 3; ++target) {
            const std::vector<CanvasCall> dashes = DashesOf(canvas, target);
            for (int panel = 0; panel < 3; ++panel) {
                const ClipRect frame{50.0 + 299 * panel, 38.0, 50.0 + 299 * panel + 237, 275.0};
                const auto inPanel = std::count_if(dashes.begin(), dashes.end(),
                                                   [&](const CanvasCall& d) { return Inside(d, frame); });
                EXPECT_GT(inPanel, 3) << "target " << target << " panel " << panel;
            }
            for (const CanvasCall& d : dashes) {
                EXPECT_LE(std::hypot(d.x2 - d.x1, d.y2 - d.y1), 7.0);  // dashes of 6 pixels
                EXPECT_EQ(d.penWidth, TARGET_PEN_WIDTH);
            }
        }
        // One legend entry per target and panel, SV and SD marked as pseudo
        // values, left in the frame against period and right against frequency.
        const std::string texts[][3] = {{"告示 安全限界 Z=1.0", "告示 損傷限界 Z=1.0", "site.csv"},
                                        {"告示 安全限界 Z=1.0 (擬似)", "告示 損傷限界 Z=1.0 (擬似)", "site.csv (擬似)"}};
        for (int panel = 0; panel < 3; ++panel) {
            for (int target = 0; target < 3; ++target) {
                const std::string& text = texts[panel == 0 ? 0 : 1][target];
                std::vector<const CanvasCall*> found;
                for (const CanvasCall& c : canvas.calls)
                    if (c.op == CanvasOp::TextOut && c.text == text && c.x1 > 299 * panel && c.x1 < 299 * (panel + 1))
                        found.push_back(&c);
                ASSERT_EQ(found.size(), 1u) << text;
                EXPECT_EQ(found[0]->brushStyle, BrushStyle::Clear);
                const int left = 50 + 299 * panel;
                if (!frequencyX) EXPECT_EQ(found[0]->x1, left + 6 + 22 + 4);
                else EXPECT_LE(found[0]->x1 + canvas.TextWidth(text), left + 237 - 6);
                EXPECT_EQ(found[0]->y1, 38 + 4 + target * (canvas.textHeight + 2));
            }
        }
    }
}

TEST_F(TargetDrawingTest, CutToTheFrameAndToATablesPeriods) {
    source.componentCount = 1;
    RecordingCanvas canvas{SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT};
    TMyGraph graph{canvas, platform};
    SpectrumDisplaySettings s;
    s.layout = SpectrumLayout::PerResponse;
    s.quantity = SA;
    s.targets = ThreeTargets();
    PrepareSpectrumGraph(graph);
    DrawSpectra(graph, Data(), s);
    // Logarithmic period axis from 0.01 s, 79 pixels a decade: 1 s at 208, 2 s at 231.78.
    // The legend's samples: 22 pixels from x 56, at the middle of their text line.
    auto legendSample = [&](const CanvasCall& d) {
        const int y = d.y1 - (38 + 4 + canvas.textHeight / 2);
        return d.y1 == d.y2 && std::min(d.x1, d.x2) >= 56 && std::max(d.x1, d.x2) <= 78 && y >= 0 &&
               y % (canvas.textHeight + 2) == 0;
    };
    auto curveXs = [&](int target) {
        std::vector<int> xs;
        for (const CanvasCall& d : DashesOf(canvas, target))
            if (!legendSample(d)) xs.insert(xs.end(), {d.x1, d.x2});
        return xs;
    };
    std::vector<int> xs = curveXs(2);
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(*std::min_element(xs.begin(), xs.end()), 208);
    EXPECT_LE(*std::max_element(xs.begin(), xs.end()), 231);
    EXPECT_GE(*std::max_element(xs.begin(), xs.end()), 226);

    // A weak record: SA up to 10.4 gal, a scale up to 100 gal. The table
    // (150 - 300 gal) lies above it; the safety limit shows only beyond
    // 5.12 s (512 / T gal), the damage limit where it is below 100 gal:
    // before 0.06 s and after 1.024 s.
    for (float& v : table->values) v *= 0.01f;
    canvas.calls.clear();
    PrepareSpectrumGraph(graph);
    DrawSpectra(graph, Data(), s);
    const ClipRect frame{50.0, 38.0, 50.0 + 237, 275.0};
    for (int target = 0; target < 3; ++target)
        for (const CanvasCall& d : DashesOf(canvas, target))
            EXPECT_TRUE(legendSample(d) || Inside(d, frame));
    xs = curveXs(0);
    ASSERT_FALSE(xs.empty());
    EXPECT_GE(*std::min_element(xs.begin(), xs.end()), 50 + 213);  // 5.12 s at 263.9
    EXPECT_TRUE(curveXs(2).empty());
    xs = curveXs(1);
    ASSERT_FALSE(xs.empty());
    EXPECT_LE(*std::min_element(xs.begin(), xs.end()), 50 + 56);  // 0.05 s at 105.2
    EXPECT_TRUE(std::none_of(xs.begin(), xs.end(), [](int x) { return x > 50 + 65 && x < 50 + 158; }));  // 0.06 .. 1.024 s
    EXPECT_GE(*std::max_element(xs.begin(), xs.end()), 50 + 235);  // out to the right edge
}

TEST_F(TargetDrawingTest, EnlargedAndFirstSuperposedDrawingsHaveThemAdditionsDoNot) {
    source.componentCount = 3;
    SpectrumDisplaySettings s;
    const ItemCurves item = EnlargedItemCurves(Data(), s, SV);
    RecordingCanvas enlarged{ENLARGED_GRAPH_WIDTH, ENLARGED_GRAPH_HEIGHT};
    TMyGraph large{enlarged, platform};
    PrepareEnlargedGraph(large);
    EXPECT_TRUE(RecordDrawingUntouched(enlarged, [&](std::vector<TargetSpectrum> targets) {
        s.targets = std::move(targets);
        PrepareEnlargedGraph(large);
        DrawEnlargedItem(large, item, s, Data().linearAxis);
    }));
    EXPECT_NE(enlarged.FindText("告示 安全限界 Z=1.0 (擬似)"), nullptr);
    for (const CanvasCall& d : DashesOf(enlarged, 0)) EXPECT_TRUE(Inside(d, large.FrameRect()));

    RecordingCanvas superposed{SUPERPOSED_GRAPH_WIDTH, SUPERPOSED_GRAPH_HEIGHT};
    TMyGraph super{superposed, platform};
    PrepareSuperposedGraph(super);
    EXPECT_TRUE(RecordDrawingUntouched(superposed, [&](std::vector<TargetSpectrum> targets) {
        s.targets = std::move(targets);
        PrepareSuperposedGraph(super);
        StartSuperposed(super, item, s, Data().linearAxis);
    }));
    EXPECT_FALSE(DashesOf(superposed, 1).empty());
    superposed.calls.clear();
    AddSuperposed(super, item, s, 1);
    EXPECT_TRUE(std::none_of(superposed.calls.begin(), superposed.calls.end(), IsTargetCall));
}

TEST_F(TargetDrawingTest, SaSdDemandCurvesAgainstPseudoDisplacement) {
    source.componentCount = 1;
    source.eventName = "X";
    RecordingCanvas canvas{SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT};
    TMyGraph graph{canvas, platform};
    PrepareSaSdGraph(graph);
    SaSdSettings settings;
    EXPECT_TRUE(RecordDrawingUntouched(canvas, [&](std::vector<TargetSpectrum> targets) {
        settings.targets = std::move(targets);
        PrepareSaSdGraph(graph);
        DrawSaSd(graph, *table, source, settings);
    }));
    const ClipRect frame = graph.FrameRect();
    for (int target = 0; target < 3; ++target) {
        const std::vector<CanvasCall> dashes = DashesOf(canvas, target);
        EXPECT_GT(dashes.size(), 3u) << target;
        for (const CanvasCall& d : dashes) EXPECT_TRUE(Inside(d, frame));
    }
    // The demand curve of the safety limit: SA against SA (T / 2π)²; its
    // plateau of 800 gal runs from SD 0.52 cm (0.16 s) to 8.30 cm (0.64 s).
    const TargetCurve demand = TargetSaSdCurve(BuiltInTarget(BslLimit::Safety, 1.0));
    const auto plateauStart = std::find(demand.y.begin(), demand.y.end(), 800.0f) - demand.y.begin();
    EXPECT_NEAR(demand.x[static_cast<std::size_t>(plateauStart)], 800.0 * std::pow(0.16 / (2 * M_PI), 2), 1e-4);
    EXPECT_NEAR(*std::max_element(demand.x.begin(), demand.x.end()),
                512.0 * 9.738561 * std::pow(1 / (2 * M_PI), 2) * 1.0, 0.05);  // 5.12 / T x (T / 2π)² at the last period
    // The legend in the upper right corner, ending 6 pixels inside the frame.
    const CanvasCall* legend = canvas.FindText("site.csv (擬似)");
    ASSERT_NE(legend, nullptr);
    EXPECT_LE(legend->x1 + canvas.TextWidth("告示 安全限界 Z=1.0 (擬似)"), frame.right - 6);
}

}  // namespace
}  // namespace tremblo
