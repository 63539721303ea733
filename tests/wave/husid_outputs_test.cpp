// The Husid curves as CSV and as a picture: the rows are the curves, the
// comment lines their crossings; the picture marks each crossing where the
// graph's scales put it, names the durations in its legend, draws nothing
// for a component without motion and says its texts in the pictures'
// language.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "plot/recording_canvas.h"
#include "support/picture_language.h"
#include "support/scripted_platform.h"
#include "wave/husid_csv.h"
#include "wave/husid_drawing.h"
#include "wave/time_domain_measures.h"

namespace tremblo {
namespace {

constexpr Color kNsColor = 220, kEwColor = 230u << 16;

// NS: 10 cycles of 0.5 s (50 samples at 100 Hz) after 3 s of quiet; EW the
// same at a third of the amplitude a second later; UD silent.
std::unique_ptr<SeismicRecord> BurstRecord(int samples) {
    auto r = std::make_unique<SeismicRecord>();
    r->componentCount = 3;
    r->dt = 0.01f;
    r->sampleCount = samples;
    r->stationCode = "AIC001";
    r->originDate = "2024/11/05";
    r->originTime = "10:12:00";
    for (int k = 0; k <= 500; ++k) {
        const double s = std::sin(2.0 * M_PI * k / 50.0);
        r->samples[0][300 + k] = static_cast<float>(90.0 * s);
        r->samples[1][400 + k] = static_cast<float>(30.0 * s);
    }
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells(1);
    for (char ch : line) {
        if (ch == ',') cells.emplace_back();
        else cells.back() += ch;
    }
    return cells;
}

TEST(HusidCsv, OneRowPerSampleWithTheNormalisedCurves) {
    const auto record = BurstRecord(1200);
    const std::vector<HusidCurve> curves = RecordHusidCurves(*record);
    ASSERT_EQ(curves.size(), 3u);
    const std::vector<std::string> lines = Lines(HusidCsvText(*record, curves));
    ASSERT_EQ(lines.size(), 5u + 1200u);
    EXPECT_EQ(lines[0].rfind("# Husid curves", 0), 0u);
    // Ten cycles of 0.5 s: 5 % at the end of the first half cycle, D5-75 = 3.5 s.
    EXPECT_EQ(lines[1], "# NS: Arias intensity " + [&] {
        char text[32];
        std::snprintf(text, sizeof text, "%.6e", AriasIntensityOf(curves[0]));
        return std::string(text);
    }() + " m/s; 5 % at 3.2500 s, 75 % at 6.7500 s, 95 % at 7.7500 s; D5-75 3.5000 s, D5-95 4.5000 s");
    EXPECT_EQ(lines[2].rfind("# EW: Arias intensity ", 0), 0u);
    EXPECT_NE(lines[2].find("5 % at 4.2500 s"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[3], "# UD: no motion");
    EXPECT_EQ(lines[4], "Time,NS,EW,UD");
    for (std::size_t k = 0; k < 1200; k += 7) {
        const std::vector<std::string> cells = Cells(lines[5 + k]);
        ASSERT_EQ(cells.size(), 4u) << lines[5 + k];
        EXPECT_NEAR(std::stod(cells[0]), 0.01 * static_cast<double>(k), 5e-7);
        EXPECT_NEAR(std::stod(cells[1]), curves[0].Normalised(k), 5e-9) << k;
        EXPECT_NEAR(std::stod(cells[2]), curves[1].Normalised(k), 5e-9) << k;
        EXPECT_TRUE(cells[3].empty());
    }
    EXPECT_EQ(lines.back(), "11.990000,1.00000000,1.00000000,");
}

// The pixel a graph maps (t, level) to, as the plot components map data.
Point PixelOf(const TMyGraph& g, double t, double level) {
    const double x = g.OriginX + (t - g.SValueX) / g.VValueX * (g.WidthX / g.NGridX);
    const double y = g.OriginY - (level - g.SValueY) / g.VValueY * (g.HeightY / g.NGridY);
    return {static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y))};
}

// The segments of a curve: lines of its colour and width inside the frame
// (the legend's sample line lies right of it).
std::vector<CanvasCall> CurveSegments(const RecordingCanvas& canvas, const TMyGraph& graph, Color color) {
    std::vector<CanvasCall> segments;
    for (const CanvasCall& call : canvas.calls)
        if (call.op == CanvasOp::LineTo && call.penColor == color && call.penWidth == 2 &&
            call.x2 <= graph.OriginX + graph.WidthX)
            segments.push_back(call);
    return segments;
}

// The Husid picture of a record, drawn as the windows draw it.
struct DrawnHusid {
    testing::ScriptedPlatform platform;
    RecordingCanvas canvas{HUSID_GRAPH_WIDTH, HUSID_GRAPH_HEIGHT};
    TMyGraph graph{canvas, platform};
    DrawnHusid(const SeismicRecord& record, const std::vector<HusidCurve>& curves) {
        PrepareHusidGraph(graph);
        DrawHusidCurves(graph, record, curves);
    }
};

TEST(HusidDrawing, MarksEachCrossingWhereTheScalesPutIt) {
    const auto record = BurstRecord(1200);
    DrawnHusid drawn{*record, RecordHusidCurves(*record)};
    const TMyGraph& graph = drawn.graph;
    const RecordingCanvas& canvas = drawn.canvas;
    // Time from 0 over the 11.99 s record, the curve from 0 to 1.
    EXPECT_TRUE(graph.LinearX && graph.LinearY);
    EXPECT_EQ(graph.SValueX, 0.0f);
    EXPECT_GE(graph.VValueX * graph.NGridX, 11.99f);
    EXPECT_LT(graph.VValueX * (graph.NGridX - 1), 11.99f);
    EXPECT_EQ(graph.SValueY, 0.0f);
    EXPECT_FLOAT_EQ(graph.VValueY * graph.NGridY, 1.0f);

    const std::vector<CanvasCall> marks = canvas.Calls(CanvasOp::Ellipse);
    ASSERT_EQ(marks.size(), 6u);  // three levels of NS and EW; UD has none
    const struct {
        Color color;
        double t;
        double level;
    } expected[] = {{kNsColor, 3.25, 0.05}, {kNsColor, 6.75, 0.75}, {kNsColor, 7.75, 0.95},
                    {kEwColor, 4.25, 0.05}, {kEwColor, 7.75, 0.75}, {kEwColor, 8.75, 0.95}};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const Point centre = PixelOf(graph, expected[i].t, expected[i].level);
        EXPECT_EQ(marks[i].penColor, expected[i].color) << i;
        EXPECT_NEAR((marks[i].x1 + marks[i].x2) / 2, centre.x, 1) << i;
        EXPECT_NEAR((marks[i].y1 + marks[i].y2) / 2, centre.y, 1) << i;
        EXPECT_EQ(marks[i].brushColor, kWhite) << i;
    }
    // The rings lie over every curve: no curve is drawn after the first.
    std::size_t lastCurveLine = 0, firstMark = canvas.calls.size();
    for (std::size_t i = 0; i < canvas.calls.size(); ++i) {
        const CanvasCall& call = canvas.calls[i];
        if (call.op == CanvasOp::Ellipse) firstMark = std::min(firstMark, i);
        if (call.op == CanvasOp::LineTo && call.penWidth == 2 && (call.penColor == kNsColor || call.penColor == kEwColor) &&
            call.x2 <= graph.OriginX + graph.WidthX)
            lastCurveLine = i;
    }
    EXPECT_LT(lastCurveLine, firstMark);
    // Curves only for the components with motion, ending at (11.99 s, 1).
    for (Color color : {kNsColor, kEwColor}) {
        const std::vector<CanvasCall> segments = CurveSegments(canvas, graph, color);
        ASSERT_FALSE(segments.empty());
        const Point end = PixelOf(graph, 11.99, 1.0);
        EXPECT_NEAR(segments.back().x2, end.x, 1);
        EXPECT_NEAR(segments.back().y2, end.y, 1);
    }
    EXPECT_TRUE(CurveSegments(canvas, graph, 140u << 8).empty());  // UD's colour
    for (const char* text : {"D5-75 3.50 s", "D5-95 4.50 s", "UD", "揺れなし"})
        EXPECT_NE(canvas.FindText(text), nullptr) << text;
}

// The time axis ends at the first round time after the record, not at the
// next round multiple of five divisions (0 to 100 s for a 60 s record).
TEST(HusidDrawing, TimeAxisEndsNearestAfterTheRecord) {
    const struct {
        int samples;  // at 100 Hz
        int divisions;
        float step;
    } cases[] = {{1001, 4, 2.5f}, {1200, 6, 2.0f},  {6000, 6, 10.0f},
                 {12000, 6, 20.0f}, {18000, 4, 50.0f}, {30000, 6, 50.0f}};
    for (const auto& c : cases) {
        const auto record = BurstRecord(c.samples);
        const DrawnHusid drawn{*record, RecordHusidCurves(*record)};
        const TMyGraph& graph = drawn.graph;
        EXPECT_EQ(graph.SValueX, 0.0f) << c.samples;
        EXPECT_EQ(graph.NGridX, c.divisions) << c.samples;
        EXPECT_EQ(graph.VValueX, c.step) << c.samples;
        // The whole frame is divided evenly, about as wide whatever the count.
        EXPECT_EQ(graph.WidthX % graph.NGridX, 0) << c.samples;
        EXPECT_GE(graph.WidthX, 470) << c.samples;
    }
}

TEST(HusidDrawing, EveryDrawnTextFollowsThePicturesLanguageOnly) {
    const auto record = BurstRecord(1200);
    const std::vector<HusidCurve> curves = RecordHusidCurves(*record);
    auto texts = [&](bool messages, bool pictures) {
        const testing::MarkedTranslation translation{messages, pictures};
        const DrawnHusid drawn{*record, curves};
        return testing::DrawnTexts(drawn.canvas);
    };
    const std::vector<std::string> japanese = texts(false, false);
    EXPECT_EQ(texts(true, false), japanese);
    const std::vector<std::string> english = texts(false, true);
    ASSERT_EQ(english.size(), japanese.size());
    int translated = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_FALSE(testing::HasJapanese(testing::Unmarked(english[i]))) << english[i];
        translated += english[i] != japanese[i] ? 1 : 0;
    }
    EXPECT_GE(translated, 3);  // the title, the time axis, the silent component's line
}

}  // namespace
}  // namespace tremblo
