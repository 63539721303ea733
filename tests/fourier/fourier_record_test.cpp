// The Fourier spectra of a record, their ratios and their CSV.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <algorithm>
#include <string>

#include "common/format.h"
#include "fourier/fourier_csv.h"
#include "fourier/fourier_spectra.h"
#include "fourier/spectral_ratio.h"

namespace tremblo {
namespace {

// A record of `components` components, sines of different frequencies
// through a window of `length` samples from `start`.
std::unique_ptr<SeismicRecord> MakeRecord(int components, int start, int length, const char* suffix = "") {
    auto r = std::make_unique<SeismicRecord>();
    r->componentCount = components;
    r->dt = 0.01f;
    r->sampleCount = start + length + 100;
    r->windowStart = start;
    r->windowLength = length;
    static const char* const kLabels[] = {"NS", "EW", "UD"};
    for (int c = 0; c < components; ++c) {
        r->componentLabel[static_cast<std::size_t>(c)] = std::string(kLabels[c]) + suffix;
        for (int i = 0; i < r->sampleCount; ++i)
            r->samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] =
                static_cast<float>((c + 1) * std::sin(0.05 * (c + 2) * i) + (i < start ? 1000.0 : 0.0));
    }
    r->componentPath[0] = std::string("/data/X.ns") + suffix;
    r->stationCode = "AIC001";
    r->eventName = "AIC001-202411051012";
    return r;
}

TEST(FourierSpectraTest, TakesTheSpectrumWindowOfEveryComponent) {
    const auto record = MakeRecord(3, 500, 3000);
    FourierSpectra s;
    ASSERT_TRUE(ComputeFourierSpectra(*record, FourierSettings{false, 40.0}, s, 1));
    EXPECT_EQ(s.componentCount(), 3);
    EXPECT_EQ(s.length, 4096);
    EXPECT_EQ(s.frequencyCount(), 2049);
    EXPECT_DOUBLE_EQ(s.df, 1.0 / (4096 * static_cast<double>(0.01f)));
    EXPECT_EQ(s.series, 0);
    for (int c = 0; c < 3; ++c) {
        // The window's DC: the samples before it (offset by 1000) are not in it.
        double sum = 0.0;
        for (int i = 500; i < 3500; ++i) sum += record->samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)];
        EXPECT_NEAR(s.raw[static_cast<std::size_t>(c)][0], std::fabs(sum) * 0.01, 1e-4);
        EXPECT_EQ(s.smoothed[static_cast<std::size_t>(c)].size(), 2049u);
    }
    // Smoothing again changes the smoothed spectra only.
    const auto raw = s.raw;
    const auto smoothed40 = s.smoothed;
    SmoothFourierSpectra(s, 20.0, 1);
    EXPECT_EQ(s.raw, raw);
    EXPECT_NE(s.smoothed, smoothed40);
    EXPECT_EQ(s.bandwidth, 20.0);
}

TEST(SpectralRatioTest, HorizontalOverVerticalOfIdenticalComponentsIsOne) {
    FourierSpectra s;
    s.source.componentCount = 3;
    s.length = 8;
    for (auto& v : s.smoothed) v = {1.0, 2.0, 0.5, 7.0, 3.0};
    for (double hv : HorizontalToVertical(s)) EXPECT_DOUBLE_EQ(hv, 1.0);
    s.smoothed[0] = {3.0, 4.0, 1.0, 1.0, 6.0};
    s.smoothed[1] = {4.0, 2.0, 1.0, 7.0, 8.0};
    s.smoothed[2] = {1.0, 2.0, 4.0, 5.0, 2.0};
    const std::vector<double> hv = HorizontalToVertical(s);
    for (std::size_t k = 0; k < hv.size(); ++k)
        EXPECT_DOUBLE_EQ(hv[k], std::sqrt((s.smoothed[0][k] * s.smoothed[0][k] + s.smoothed[1][k] * s.smoothed[1][k]) / 2) /
                                    s.smoothed[2][k]);
    s.source.componentCount = 1;
    EXPECT_TRUE(HorizontalToVertical(s).empty());
}

TEST(SpectralRatioTest, PairsOnlyTheTwoSeriesOfTheSameFilesOnOneGrid) {
    FourierSpectra surface, borehole;
    ASSERT_TRUE(ComputeFourierSpectra(*MakeRecord(3, 0, 1000, "2"), {}, surface, 1));
    auto deep = MakeRecord(3, 0, 1000, "1");
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < deep->sampleCount; ++i) deep->samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] *= 0.25f;
    ASSERT_TRUE(ComputeFourierSpectra(*deep, {}, borehole, 1));
    EXPECT_EQ(surface.series, 2);
    EXPECT_EQ(borehole.series, 1);
    EXPECT_EQ(surface.seriesKey, borehole.seriesKey);
    EXPECT_FALSE(SurfaceBoreholeMismatch(surface, borehole));
    // A quarter of the surface motion: a ratio of 4 at every frequency.
    const auto ratio = SurfaceBoreholeRatio(surface, borehole);
    ASSERT_EQ(ratio.size(), 3u);
    for (const auto& r : ratio)
        for (std::size_t k = 1; k < r.size(); ++k) EXPECT_NEAR(r[k], 4.0, 4e-6);
    EXPECT_EQ(SurfaceBoreholeLabels(surface, borehole), (std::vector<std::string>{"NS2/NS1", "EW2/EW1", "UD2/UD1"}));

    const struct {
        const char* name;
        void (*change)(FourierSpectra& surface, FourierSpectra& borehole);
    } mismatches[] = {
        {"two surfaces", [](FourierSpectra&, FourierSpectra& b) { b.series = 2; }},
        {"other files", [](FourierSpectra&, FourierSpectra& b) { b.seriesKey = "/data/Y"; }},
        {"other components", [](FourierSpectra&, FourierSpectra& b) { b.source.componentCount = 1; }},
        {"other window", [](FourierSpectra&, FourierSpectra& b) { b.length *= 2; }},
        {"other sampling", [](FourierSpectra&, FourierSpectra& b) { b.dt = 0.005f; }},
    };
    for (const auto& m : mismatches) {
        FourierSpectra s = surface, b = borehole;
        m.change(s, b);
        EXPECT_TRUE(SurfaceBoreholeMismatch(s, b)) << m.name;
        EXPECT_TRUE(SurfaceBoreholeRatio(s, b).empty()) << m.name;
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    EXPECT_EQ(begin, text.size()) << "every line ends with CR LF";
    return lines;
}

TEST(FourierCsvTest, OneRowPerFrequencyFromTheFirstWithTheLabelsOfTheRecord) {
    FourierSpectra three;
    ASSERT_TRUE(ComputeFourierSpectra(*MakeRecord(3, 0, 1000, "2"), {}, three, 1));
    FourierSpectra one;
    ASSERT_TRUE(ComputeFourierSpectra(*MakeRecord(1, 0, 1000), FourierSettings{true, 60.0}, one, 1));
    const struct {
        const FourierSpectra* spectra;
        bool hv;
        std::vector<std::string> head;  // the lines before the rows
        std::size_t columns;
    } cases[] = {
        {&three, false, {"Frequency,NS2,EW2,UD2,NS2 smoothed,EW2 smoothed,UD2 smoothed"}, 7},
        {&three, true, {"Frequency,NS2,EW2,UD2,NS2 smoothed,EW2 smoothed,UD2 smoothed,HV"}, 8},
        {&one, true, {"# 5 % cosine taper at each end", "Frequency,NS,NS smoothed"}, 3},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = Lines(FourierCsvText(*c.spectra, c.hv));
        ASSERT_EQ(lines.size(), c.head.size() + 512) << "k = 1 .. 512 of a 1024-point transform";
        for (std::size_t i = 0; i < c.head.size(); ++i) EXPECT_EQ(lines[i], c.head[i]);
        const std::string& first = lines[c.head.size()];
        EXPECT_EQ(static_cast<std::size_t>(std::count(first.begin(), first.end(), ',')) + 1, c.columns);
        const FourierSpectra& s = *c.spectra;
        std::string expected = StringPrintf("%.6e,%.6e", s.df, s.raw[0][1]);
        EXPECT_EQ(first.substr(0, expected.size()), expected);
        EXPECT_EQ(lines.back().substr(0, 12), StringPrintf("%.6e", s.df * 512));
    }
    const std::vector<std::string> ratio = Lines(SurfaceBoreholeCsvText(three, three));
    EXPECT_TRUE(ratio.empty()) << "a record is no pair of itself";
}

}  // namespace
}  // namespace tremblo
