#include "plot/wave_plot.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/shift_jis.h"
#include "plot/recording_canvas.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

using testing::FindLine;
using testing::TextsAtY;

// 16 samples per second so that sample times are exact binary fractions.
constexpr int kRate = 16;

class WaveformDrawing : public ::testing::Test {
protected:
    WaveformDrawing() {
        input.mode = WaveDisplayMode::Component;
        input.knetFormat = false;
        input.timeSpan = 10;
        input.dt = 1.0f / kRate;
        input.samplingFrequency = kRate;
        input.windowStart = 1000;
        input.windowLength = 160;
        input.showDataCount = true;
        input.stationCode = "AIC001";
        input.currentStationCode = "HRS01";
        input.currentStationName = Utf8ToSjis("名古屋");
        input.recordDate = "2001/02/03";
        input.recordTime = "04:05:06";
        input.originDate = "2001/02/02";
        input.originTime = "23:59:00";
        input.componentLabels = {"NS", "EW", "UD"};
        input.quantityLabels = {Utf8ToSjis("加速度"), Utf8ToSjis("速　度"), Utf8ToSjis("変　位")};
        for (int q = 0; q < 3; ++q) {
            traces[q].assign(160, 0.0f);
            traces[q][40] = -30.0f * (q + 1);  // 2.5 s: 125 pixels right of the origin
            input.rows.push_back({traces[q].data(), 160, 30.0f * (q + 1), 40, 25.0f * (q + 1), 1, q});
        }
    }

    RecordingCanvas canvas{593, 409};
    testing::ScriptedPlatform platform;
    TMyWave wave{canvas, platform};
    WaveDrawInput input;
    std::vector<float> traces[3];
};

TEST_F(WaveformDrawing, ThreeRowsShareThePlot) {
    DrawWaveform(wave, input);
    // rowHeight 409 div 3 = 136: zero lines at 68, 197, 326 across the five divisions.
    for (int y : {68, 197, 326}) EXPECT_TRUE(FindLine(canvas, 50, y, 550, y)) << y;
    const auto first = canvas.calls.front();
    EXPECT_EQ(first.op, CanvasOp::FillRect);
    EXPECT_EQ(first.brushColor, kWhite);
    // Quantity names at OriginY - 67, header and data range at y 3.
    // The unit text sits at the same height: OriginY - 50 - 12 - 5.
    EXPECT_EQ(TextsAtY(canvas, 1), (std::vector<std::string>{"加速度", "Gal"}));
    EXPECT_EQ(TextsAtY(canvas, 130), (std::vector<std::string>{"速　度", "kine"}));
    EXPECT_EQ(TextsAtY(canvas, 259), (std::vector<std::string>{"変　位", "cm"}));
    EXPECT_EQ(TextsAtY(canvas, 3),
              (std::vector<std::string>{"ﾃﾞｰﾀ 1000 - 1159", "AIC001", "名古屋", "2001/02/03", "04:05:06"}));
    EXPECT_EQ(canvas.FindText("ﾃﾞｰﾀ 1000 - 1159")->x1, 420);
    EXPECT_EQ(canvas.FindText("名古屋")->x1, 120);
    EXPECT_EQ(canvas.FindText("04:05:06")->x1, 380);
}

TEST_F(WaveformDrawing, TimeAxisFollowsTheSpan) {
    DrawWaveform(wave, input);
    EXPECT_EQ(wave.NGridX, 5);
    EXPECT_EQ(wave.SubX, 4);  // 10-second span: minor ticks every 0.5 s
    EXPECT_FLOAT_EQ(wave.VValueX, 2.0f);
    for (const char* label : {"2", "4", "6", "8", "10"}) EXPECT_NE(canvas.FindText(label), nullptr) << label;
    EXPECT_TRUE(FindLine(canvas, 75, 65, 75, 71));

    for (auto [span, sub] : {std::pair{5.0f, 5}, {25.0f, 5}, {50.0f, 5}, {100.0f, 4}, {250.0f, 5}}) {
        input.timeSpan = span;
        DrawWaveform(wave, input);
        EXPECT_EQ(wave.SubX, sub) << span;
        EXPECT_FLOAT_EQ(wave.VValueX, span * 0.2f);
    }
}

TEST_F(WaveformDrawing, RowTitlesScalesAndUnits) {
    DrawWaveform(wave, input);
    EXPECT_NE(canvas.FindText("EW  max  30.0 Gal"), nullptr);
    EXPECT_NE(canvas.FindText("EW  max  60.0 kine"), nullptr);
    EXPECT_NE(canvas.FindText("EW  max  90.0 cm"), nullptr);
    // Row 1 has 50 per division: labels 50 and 100 above its zero line.
    EXPECT_EQ(wave.VValueY, 75.0f);
    for (const char* label : {"25", "50", "100", "75", "150", "-150", "sec", "cm", "kine", "Gal"}) {
        EXPECT_NE(canvas.FindText(label), nullptr) << label;
    }
    canvas.calls.clear();
    input.showMax = false;
    DrawWaveform(wave, input);
    EXPECT_EQ(wave.Title, "EW");
}

TEST_F(WaveformDrawing, PeakMarkerIsAnUnfilledRedCircleOnThePeak) {
    DrawWaveform(wave, input);
    const auto circles = canvas.Calls(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 3u);
    // x = 40 x 1/16 / 2 x 100 + 50 = 175; y = OriginY + 30 (q + 1) / (25 (q + 1)) x 25.
    const int originY[] = {68, 197, 326};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(circles[r].x1, 172);
        EXPECT_EQ(circles[r].x2, 178);
        EXPECT_EQ(circles[r].y1, originY[r] + 30 - 3);
        EXPECT_EQ(circles[r].y2, originY[r] + 30 + 3);
        EXPECT_EQ(circles[r].penColor, kRed);
        EXPECT_EQ(circles[r].brushStyle, BrushStyle::Clear);
    }
    EXPECT_EQ(canvas.PenColor(), kBlack);
    // The brush stays clear: later texts get no background.
    EXPECT_EQ(canvas.FindText("加速度")->brushStyle, BrushStyle::Solid);
    EXPECT_EQ(canvas.FindText("速　度")->brushStyle, BrushStyle::Clear);

    canvas.calls.clear();
    input.showMaxPoint = false;
    DrawWaveform(wave, input);
    EXPECT_TRUE(canvas.Calls(CanvasOp::Ellipse).empty());
}

TEST_F(WaveformDrawing, OneRowFillsThePlotAndKnetHeadersSitAboveIt) {
    input.mode = WaveDisplayMode::Wave;
    input.knetFormat = true;
    input.showDataCount = false;
    input.rows.resize(1);
    DrawWaveform(wave, input);
    EXPECT_TRUE(FindLine(canvas, 50, 204, 550, 204));
    EXPECT_EQ(TextsAtY(canvas, 139), (std::vector<std::string>{"AIC001", "名古屋", "2001/02/03", "04:05:06"}));
    EXPECT_EQ(canvas.FindText("名古屋")->x1, 150);
    EXPECT_EQ(canvas.FindText("2001/02/03")->x1, 220);
}

TEST_F(WaveformDrawing, HeaderTextsByModeAndFormat) {
    input.mode = WaveDisplayMode::Wave;
    DrawWaveform(wave, input);
    EXPECT_EQ(canvas.FindText("HRS01")->x1, 100);
    EXPECT_EQ(canvas.FindText("名古屋")->x1, 140);
    EXPECT_EQ(canvas.FindText("2001/02/02")->x1, 290);
    EXPECT_EQ(canvas.FindText("23:59:00")->y1, 3);

    canvas.calls.clear();
    input.mode = WaveDisplayMode::Component;
    input.knetFormat = true;
    DrawWaveform(wave, input);
    EXPECT_EQ(TextsAtY(canvas, 3), (std::vector<std::string>{"ﾃﾞｰﾀ 1000 - 1159", "AIC001", "名古屋", "2001/02/02",
                                                             "23:59:00"}));
    EXPECT_EQ(canvas.FindText("23:59:00")->x1, 300);

    canvas.calls.clear();
    input.showTitle = false;
    DrawWaveform(wave, input);
    EXPECT_EQ(canvas.FindText("AIC001"), nullptr);
    EXPECT_NE(canvas.FindText("加速度"), nullptr);  // quantity names whatever the title option says
}

TEST_F(WaveformDrawing, RowsWithoutSamplesStillGetTheirScales) {
    for (WaveRowData& row : input.rows) {
        row.count = 0;
        row.peak = 0;
        row.peakIndex = 0;
    }
    DrawWaveform(wave, input);
    EXPECT_TRUE(canvas.Calls(CanvasOp::Ellipse).empty());
    EXPECT_TRUE(FindLine(canvas, 50, 326, 550, 326));
    EXPECT_NE(canvas.FindText("EW  max   0.0 cm"), nullptr);
}

}  // namespace
}  // namespace tremblo
