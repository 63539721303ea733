// Whole pictures through the raster canvas: a waveform plot of a synthetic
// three-component record and a log-log spectrum-like graph. Both are written
// as PNG files (kept in the build tree for a person to look at) and read
// back with Qt's decoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include <QImage>
#include <cmath>
#include <filesystem>
#include <vector>

#include "plot/canvas/raster_canvas.h"
#include "plot/my_graph.h"
#include "plot/picture_export.h"
#include "plot/wave_plot.h"
#include "common/shift_jis.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

bool IsColor(const RgbImage& image, int x, int y, Color color) {
    const std::uint8_t* p = image.pixel(x, y);
    return p[0] == ColorRed(color) && p[1] == ColorGreen(color) && p[2] == ColorBlue(color);
}

std::string SamplePicturePath(const std::string& name) {
    std::filesystem::create_directories(TREMBLO_PLOT_SAMPLE_DIR);
    return std::string(TREMBLO_PLOT_SAMPLE_DIR) + "/" + name;
}

// The PNG file decodes to exactly the canvas's picture.
void ExpectFileShowsPicture(const std::string& path, const RgbImage& picture) {
    QImage decoded;
    ASSERT_TRUE(decoded.load(QString::fromStdString(path), "PNG"));
    ASSERT_EQ(decoded.width(), picture.width);
    ASSERT_EQ(decoded.height(), picture.height);
    EXPECT_EQ(ToRgbImage(decoded).rgb, picture.rgb);
}

// The smallest of 1, 2, 2.5, 5 x 10^k whose double exceeds the peak.
float RowScale(float peak) {
    for (float u = 1e-10f;; u *= 10) {
        for (float b : {1.0f, 2.0f, 2.5f, 5.0f}) {
            if (2 * u * b > peak) return u * b;
        }
    }
}

// An S-wave-like burst: a decaying mix of two frequencies after an onset.
std::vector<float> SyntheticTrace(int n, float dt, float onset, float amplitude, float f1, float f2) {
    std::vector<float> trace(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) * dt - onset;
        if (t < 0) continue;
        const float envelope = amplitude * t * std::exp(-t / 2.5f);
        trace[static_cast<std::size_t>(i)] =
            envelope * (std::sin(2 * 3.14159265f * f1 * t) + 0.4f * std::sin(2 * 3.14159265f * f2 * t + 1.0f));
    }
    return trace;
}

// Every header text of the four layouts, with the widest values records
// carry, ends before the next text begins (the last before the data range
// at x 420), in the font the plot really draws them with.
TEST(PlotPictures, HeaderTextsFitTheirColumnsInTheRealFont) {
    RasterCanvas canvas(593, 409);
    canvas.SetFont(WaveHeaderFont());
    struct Layout {
        const char* name;
        std::array<int, 5> x;  // four texts, then the data range
        std::array<const char*, 4> texts;
    };
    const Layout layouts[] = {
        {"wave K-NET", {100, 150, 220, 300, 420}, {"IWTH25", "名古屋港", "2024/11/10", "12:25:00"}},
        {"wave other", {100, 140, 290, 350, 420}, {"HFD01", "中消防署", "2024/11/10", "12:25:00"}},
        {"component K-NET", {100, 150, 220, 300, 420}, {"AIC001", "名古屋港", "2024/11/10", "12:25:00"}},
        {"component other", {80, 120, 300, 380, 420}, {"HFD01", "中消防署", "2024/11/10", "12:25:00"}},
    };
    for (const Layout& layout : layouts)
        for (int i = 0; i < 4; ++i)
            EXPECT_LE(layout.x[i] + canvas.TextWidth(layout.texts[i]), layout.x[i + 1])
                << layout.name << ": " << layout.texts[i];
}

TEST(PlotPictures, WaveformRowsOfAThreeComponentRecord) {
    testing::ScriptedPlatform platform;
    RasterCanvas canvas(593, 409);
    TMyWave wave(canvas, platform);

    constexpr int kRate = 100;
    constexpr int kSamples = 5000;  // 50 s
    std::vector<float> traces[3] = {SyntheticTrace(kSamples, 0.01f, 8, 60, 1.3f, 4.1f),
                                    SyntheticTrace(kSamples, 0.01f, 8.2f, 45, 0.9f, 3.3f),
                                    SyntheticTrace(kSamples, 0.01f, 6, 20, 2.7f, 6.0f)};
    WaveDrawInput input;
    input.mode = WaveDisplayMode::Wave;
    input.knetFormat = true;
    input.timeSpan = 50;
    input.dt = 0.01f;
    input.samplingFrequency = kRate;
    input.windowStart = 0;
    input.windowLength = kSamples;
    input.showDataCount = true;
    input.stationCode = "AIC001";
    input.currentStationName = Utf8ToSjis("名古屋市中区");
    input.recordDate = "2001/02/03";
    input.recordTime = "04:05:06";
    input.componentLabels = {"NS", "EW", "UD"};
    input.quantityLabels = {Utf8ToSjis("加速度"), Utf8ToSjis("速　度"), Utf8ToSjis("変　位")};
    for (int c = 0; c < 3; ++c) {
        WaveRowData row;
        row.trace = traces[c].data();
        row.count = kSamples;
        for (int i = 0; i < kSamples; ++i) {
            if (std::fabs(traces[c][i]) > row.peak) {
                row.peak = std::fabs(traces[c][i]);
                row.peakIndex = i;
            }
        }
        row.valuePerDivision = RowScale(row.peak);
        row.component = c;
        row.quantity = 0;
        input.rows.push_back(row);
    }
    DrawWaveform(wave, input);
    const RgbImage picture = canvas.Picture();

    // White background, black zero lines of the three rows (2 pixels wide), the
    // time axis ends at 550.
    EXPECT_TRUE(IsColor(picture, 5, 400, kWhite));
    EXPECT_TRUE(IsColor(picture, 580, 200, kWhite));
    for (int y : {68, 197, 326}) {
        EXPECT_TRUE(IsColor(picture, 300, y, kBlack) || IsColor(picture, 300, y - 1, kBlack)) << y;
    }
    // A red circle on each row's peak.
    for (int c = 0; c < 3; ++c) {
        const WaveRowData& row = input.rows[static_cast<std::size_t>(c)];
        const int x = static_cast<int>(row.peakIndex * 0.01 / 10.0 * 100 + 50);
        const int originY = static_cast<int>(409 / 3 / 2 + c * (409 / 3) * 0.95);
        const int y = static_cast<int>(originY - traces[c][static_cast<std::size_t>(row.peakIndex)] / row.valuePerDivision * 25);
        int red = 0;
        for (int yy = y - 4; yy <= y + 4; ++yy) {
            for (int xx = x - 4; xx <= x + 4; ++xx) red += IsColor(picture, xx, yy, kRed) ? 1 : 0;
        }
        EXPECT_GE(red, 8) << "row " << c;
    }

    const std::string path = SamplePicturePath("waveform.png");
    ASSERT_TRUE(SavePicturePng(canvas, path, platform));
    ExpectFileShowsPicture(path, picture);
}

// The X-axis title of a panel placed as the spectrum window places it (frame
// bottom 30 pixels above a 305-pixel picture's edge) keeps every row of its
// ink: it is as tall as on a picture with room to spare.
TEST(PlotPictures, XAxisTitleKeepsItsWholeInkAtThePictureBottom) {
    testing::ScriptedPlatform platform;
    const auto titleInkRows = [&](int canvasHeight) {
        const auto draw = [&](const std::string& title) {
            RasterCanvas canvas(305, canvasHeight);
            TMyGraph graph(canvas, platform);
            graph.WidthX = graph.HeightY = 245;
            graph.OriginX = 35;
            graph.OriginY = 275;
            graph.TitleX = title;
            graph.Clear(kWhite);
            graph.DrawWaku();
            return canvas.Picture();
        };
        const RgbImage with = draw("周　期 [s]"), without = draw("");
        int rows = 0;
        for (int y = 0; y < with.height; ++y)
            for (int x = 0; x < with.width; ++x)
                if (!std::equal(with.pixel(x, y), with.pixel(x, y) + 3, without.pixel(x, y))) {
                    ++rows;
                    break;
                }
        return rows;
    };
    const int roomy = titleInkRows(400);
    ASSERT_GT(roomy, 5);
    EXPECT_EQ(titleInkRows(305), roomy);
}

TEST(PlotPictures, LogLogSpectrumLikeGraph) {
    testing::ScriptedPlatform platform;
    RasterCanvas canvas(481, 481);
    TMyGraph graph(canvas, platform);
    graph.WidthX = 400;
    graph.HeightY = 400;
    graph.OriginX = 50;
    graph.OriginY = 440;
    graph.LinearX = false;
    graph.LinearY = false;
    graph.TitleX = "周期 [sec]";
    graph.TitleY = "SA [Gal]";

    constexpr int kPeriods = 200;
    std::vector<float> periods(kPeriods);
    for (int i = 0; i < kPeriods; ++i) periods[i] = 0.05f * std::pow(10.0f, i * 2.3f / (kPeriods - 1));
    const float dampings[] = {0.0f, 0.01f, 0.02f, 0.05f, 0.10f};
    const Color colours[] = {0x000000, 0xFF0000, 0x800080, 0x0000FF, 0x008000};
    std::vector<std::vector<float>> spectra;
    std::vector<float> all;
    for (float h : dampings) {
        std::vector<float> sa(kPeriods);
        for (int i = 0; i < kPeriods; ++i) {
            const float r = periods[i] / 0.6f;  // a resonance around 0.6 s
            sa[i] = 900.0f / std::sqrt((1 - r * r) * (1 - r * r) + 4 * (h + 0.03f) * (h + 0.03f) * r * r) /
                    (1 + 0.4f * periods[i] * periods[i]);
        }
        all.insert(all.end(), sa.begin(), sa.end());
        spectra.push_back(sa);
    }
    graph.XScaleUnit(kPeriods, periods.data());
    graph.NGridX = 3;
    graph.SValueX = 0.01f;
    graph.YScaleUnit(static_cast<int>(all.size()), all.data());
    EXPECT_FLOAT_EQ(graph.VValueY, 10.0f);
    graph.Clear(kWhite);
    graph.DrawWaku();
    for (std::size_t d = 0; d < spectra.size(); ++d) {
        canvas.SetPenColor(colours[d]);
        canvas.SetPenWidth(d == 3 ? 2 : 1);
        graph.DrawGraph(kPeriods, periods.data(), spectra[d].data());
    }
    canvas.SetPenColor(kBlack);
    canvas.SetPenWidth(1);
    canvas.SetBrushColor(kRed);
    graph.SkipGraph(kPeriods, periods.data(), spectra[3].data(), 1, 4, 20);
    EXPECT_TRUE(platform.messages.empty());

    const RgbImage picture = canvas.Picture();
    // Frame corners: pitch 133, frame from x 50 to 449 and y 440 up to 41.
    EXPECT_TRUE(IsColor(picture, 50, 300, kBlack) || IsColor(picture, 49, 300, kBlack));
    EXPECT_TRUE(IsColor(picture, 449, 300, kBlack) || IsColor(picture, 448, 300, kBlack));
    EXPECT_TRUE(IsColor(picture, 200, 440, kBlack) || IsColor(picture, 200, 439, kBlack));
    EXPECT_TRUE(IsColor(picture, 470, 470, kWhite));

    const std::string path = SamplePicturePath("spectrum_loglog.png");
    ASSERT_TRUE(graph.Save_PNG(path));
    ExpectFileShowsPicture(path, picture);
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

// Curves are not cut to the frame: one drawn across tick labels hides them
// until the labels are drawn again on their white boxes, pixel for pixel as
// the frame drew them.
TEST(ScaleLabels, CurvesPastTheFrameNeverHideThem) {
    const struct {
        const char* name;
        bool leftScale;
        std::array<float, 2> x, y;  // a thick line along a row or column of labels
    } cases[] = {
        {"the period axis' numbers", true, {0.01f, 20.0f}, {6.5f, 6.5f}},
        {"the left scale's numbers", true, {0.066f, 0.066f}, {2.0f, 50000.0f}},
        {"the right scale's numbers", false, {13.9f, 13.9f}, {2.0f, 50000.0f}},
    };
    for (const auto& c : cases) {
        testing::ScriptedPlatform platform;
        RasterCanvas canvas(400, 300);
        TMyGraph graph(canvas, platform);
        graph.LinearX = graph.LinearY = false;
        graph.SValueX = 0.1f, graph.VValueX = 10.0f, graph.NGridX = 2;
        graph.SValueY = 10.0f, graph.VValueY = 10.0f, graph.NGridY = 4;
        graph.OriginX = 60, graph.OriginY = 260, graph.WidthX = 280, graph.HeightY = 240;
        graph.LeftScale = c.leftScale;
        graph.DrawWaku();
        const RgbImage framed = canvas.Picture();
        canvas.SetPenColor(kRed);
        canvas.SetPenWidth(9);
        graph.DrawGraph(2, c.x.data(), c.y.data());
        const RgbImage crossed = canvas.Picture();
        graph.RedrawScaleLabels();
        const RgbImage relabelled = canvas.Picture();
        // Black pixels outside the frame are the labels' (and the titles', which the curves miss).
        int hidden = 0, lost = 0;
        for (int y = 0; y < framed.height; ++y)
            for (int x = 0; x < framed.width; ++x) {
                const bool outside = x < graph.OriginX - 1 || x > graph.OriginX + graph.WidthX + 1 ||
                                     y > graph.OriginY + 1 || y < graph.OriginY - graph.HeightY - 1;
                if (!outside || !IsColor(framed, x, y, kBlack)) continue;
                if (!IsColor(crossed, x, y, kBlack)) ++hidden;
                if (!IsColor(relabelled, x, y, kBlack)) ++lost;
            }
        EXPECT_GT(hidden, 20) << c.name << ": the curve should cross labels";
        EXPECT_EQ(lost, 0) << c.name;
    }
}

}  // namespace
}  // namespace tremblo
