// Peaks, integration, automatic start, amplitude scales and window choice.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "wave/auto_start.h"
#include "wave/display_window.h"
#include "wave/integrate_trace.h"
#include "wave/nice_amplitude.h"
#include "wave/trace_peak.h"

namespace tremblo {
namespace {

TEST(FindPeak, FirstOfEqualMagnitudesWinsAndEmptyGivesZero) {
    const float x[] = {-5.0f, 5.0f, 3.0f};
    const Peak peak = FindPeak(3, x);
    EXPECT_EQ(peak.value, 5.0f);
    EXPECT_EQ(peak.index, 0);

    const float y[] = {1.0f, -2.0f, 7.5f, -7.5f, 0.0f};
    EXPECT_EQ(FindPeak(5, y).index, 2);
    EXPECT_EQ(FindPeak(5, y).value, 7.5f);

    const float zeros[] = {0.0f, -0.0f, 0.0f};
    EXPECT_EQ(FindPeak(3, zeros).value, 0.0f);
    EXPECT_EQ(FindPeak(3, zeros).index, 0);
    EXPECT_EQ(FindPeak(0, y).value, 0.0f);
    EXPECT_EQ(FindPeak(-4, y).index, 0);
}

TEST(FindPeak, NanNeverWins) {
    const float x[] = {1.0f, std::numeric_limits<float>::quiet_NaN(), -3.0f};
    EXPECT_EQ(FindPeak(3, x).value, 3.0f);
    EXPECT_EQ(FindPeak(3, x).index, 2);
}

TEST(IntegrateTrace, ConstantAccelerationGivesRamp) {
    const float in[] = {1, 1, 1, 1, 1};
    float out[5];
    IntegrateTrace(5, in, out, 0.01f);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_FLOAT_EQ(out[1], 0.01f);
    EXPECT_FLOAT_EQ(out[2], 0.02f);
    EXPECT_FLOAT_EQ(out[3], 0.03f);
    EXPECT_FLOAT_EQ(out[4], 0.04f);
}

TEST(IntegrateTrace, FirstSampleDoesNotContributeAndInPlaceWorks) {
    float x[] = {100.0f, 2.0f, -4.0f};
    IntegrateTrace(3, x, x, 0.5f);
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(x[1], 1.0f);
    EXPECT_EQ(x[2], -1.0f);
}

TEST(IntegrateTrace, SineIntegratesToOneMinusCosine) {
    const float dt = 0.001f;
    const int n = 4000;
    const double w = 2.0 * M_PI;  // 1 Hz
    std::vector<float> in(n), out(n);
    for (int i = 0; i < n; ++i) in[i] = static_cast<float>(std::sin(w * i * dt));
    IntegrateTrace(n, in.data(), out.data(), dt);
    for (int i = 0; i < n; i += 250) {
        const double exact = (1.0 - std::cos(w * i * dt)) / w;
        EXPECT_NEAR(out[i], exact, 2e-3) << i;
    }
}

TEST(FindAutoStart, StartsTwoHundredSamplesBeforeTwoPercentOfPeak) {
    std::vector<float> x(1000, 0.0f);
    x[600] = -100.0f;  // the peak
    x[349] = 2.0f;     // not above 2 % strictly
    x[350] = 2.5f;
    EXPECT_EQ(FindAutoStart(1000, x.data()), 150);

    x[120] = -3.0f;
    EXPECT_EQ(FindAutoStart(1000, x.data()), 0);
}

TEST(FindAutoStart, SilentTraceStartsTwoHundredBeforeTheEnd) {
    std::vector<float> zeros(1000, 0.0f);
    EXPECT_EQ(FindAutoStart(1000, zeros.data()), 800);
    EXPECT_EQ(FindAutoStart(150, zeros.data()), 0);
    EXPECT_EQ(FindAutoStart(0, zeros.data()), 0);
}

TEST(NiceAmplitude, SmallestSeriesValueWhoseDoubleExceedsPeak) {
    EXPECT_FLOAT_EQ(NiceAmplitude(2, 123.4f), 100.0f);
    EXPECT_FLOAT_EQ(NiceAmplitude(2, 99.9f), 50.0f);
    EXPECT_FLOAT_EQ(NiceAmplitude(2, 0.0f), 1e-10f);
    EXPECT_FLOAT_EQ(NiceAmplitude(2, 4.0f), 2.5f);
    EXPECT_FLOAT_EQ(NiceAmplitude(2, 4.9f), 2.5f);
    EXPECT_FLOAT_EQ(NiceAmplitude(2, 0.0031f), 0.002f);
    for (float peak : {0.37f, 12.0f, 777.0f, 5.5e4f}) {
        const float scale = NiceAmplitude(2, peak);
        EXPECT_GT(2.0f * scale, peak);
        EXPECT_LE(scale, peak) << "a smaller series value would still hold " << peak;
    }
}

TEST(NiceAmplitude, UnboundedPeakEndsWithAFiniteScale) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(std::isfinite(NiceAmplitude(2, inf)));
    EXPECT_TRUE(std::isfinite(NiceAmplitude(2, std::numeric_limits<float>::quiet_NaN())));
}

TEST(DisplayWindow, LengthTruncatesTheSinglePrecisionQuotient) {
    EXPECT_EQ(WindowLengthFor(50.0f, 0.01f), 5000);
    EXPECT_EQ(WindowLengthFor(10.0f, 0.005f), 2000);
    EXPECT_EQ(WindowLengthFor(50.0f, 0.05f), 999);  // dt stored above 0.05
    EXPECT_EQ(WindowLengthFor(50.0f, 0.0f), 0);
}

TEST(DisplayWindow, TimeSpanItemsAndOutOfRangeKeepsPrevious) {
    const float spans[] = {5, 10, 25, 50, 100, 250};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TimeSpanForIndex(i, 7.0f), spans[i]);
    EXPECT_EQ(TimeSpanForIndex(6, 7.0f), 7.0f);
    EXPECT_EQ(TimeSpanForIndex(-1, 25.0f), 25.0f);
}

TEST(DisplayWindow, CutAtTheRecordEndAndNegativeStartCountsAsZero) {
    DisplayWindow w = ChooseDisplayWindow(1000, 50.0f, 0.01f, 3000);
    EXPECT_EQ(w.start, 1000);
    EXPECT_EQ(w.length, 2000);
    w = ChooseDisplayWindow(-20, 10.0f, 0.01f, 3000);
    EXPECT_EQ(w.start, 0);
    EXPECT_EQ(w.length, 1000);
    w = ChooseDisplayWindow(3500, 10.0f, 0.01f, 3000);
    EXPECT_EQ(w.length, -500);
}

}  // namespace
}  // namespace tremblo
