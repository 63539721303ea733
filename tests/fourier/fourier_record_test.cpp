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
    s.horizontalsAndVertical = true;
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
    // Rows the files do not say are two horizontals and a vertical give none.
    s.horizontalsAndVertical = false;
    EXPECT_TRUE(HorizontalToVertical(s).empty());
    s.horizontalsAndVertical = true;
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
        {"other taper", [](FourierSpectra&, FourierSpectra& b) { b.tapered = true; }},
        {"other bandwidth", [](FourierSpectra& s, FourierSpectra&) { s.bandwidth = 20.0; }},
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
        {&three, false, {"# Konno-Ohmachi smoothing b = 40", "Frequency,NS2,EW2,UD2,NS2 smoothed,EW2 smoothed,UD2 smoothed"}, 7},
        {&three, true, {"# Konno-Ohmachi smoothing b = 40", "Frequency,NS2,EW2,UD2,NS2 smoothed,EW2 smoothed,UD2 smoothed,HV"}, 8},
        {&one, true, {"# 5 % cosine taper at each end", "# Konno-Ohmachi smoothing b = 60", "Frequency,NS,NS smoothed"}, 3},
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

// Spectra made again for other settings from the samples kept: the same
// as spectra made from the record with those settings.
TEST(FourierSpectraTest, SettingsAppliedLaterGiveWhatTheRecordGivesWithThem) {
    const auto record = MakeRecord(3, 200, 1500, "1");
    const FourierInput input = FourierInputOf(*record);
    const FourierSettings settings[] = {{false, 40.0}, {false, 20.0}, {true, 20.0}, {true, 60.0}, {false, 60.0}};
    FourierSpectra kept;
    ASSERT_TRUE(ComputeFourierSpectra(input, settings[0], kept, 1));
    for (const FourierSettings& next : settings) {
        ASSERT_TRUE(ApplyFourierSettings(input, next, kept, 1));
        FourierSpectra fresh;
        ASSERT_TRUE(ComputeFourierSpectra(*record, next, fresh, 1));
        EXPECT_EQ(kept.tapered, next.taper);
        EXPECT_EQ(kept.bandwidth, next.bandwidth);
        EXPECT_EQ(kept.raw, fresh.raw) << next.taper << " " << next.bandwidth;
        EXPECT_EQ(kept.smoothed, fresh.smoothed) << next.taper << " " << next.bandwidth;
        EXPECT_EQ(kept.seriesKey, fresh.seriesKey);
    }
}

// A vertical component or a borehole series that is all zeros: the ratios
// over it have no value, and the CSV leaves those cells empty and says so
// in its first lines, never writing nan or inf.
TEST(FourierCsvTest, RatiosOverAVanishingSpectrumAreLeftEmptyAndNoted) {
    auto quiet = MakeRecord(3, 0, 1000);
    std::fill_n(quiet->samples[2].data(), SAMPLE_CAPACITY, 0.0f);  // UD
    auto surface = MakeRecord(3, 0, 1000, "2");
    auto borehole = MakeRecord(3, 0, 1000, "1");
    std::fill_n(borehole->samples[1].data(), SAMPLE_CAPACITY, 0.0f);  // EW1
    FourierSpectra q, s, b;
    ASSERT_TRUE(ComputeFourierSpectra(*quiet, {}, q, 1));
    ASSERT_TRUE(ComputeFourierSpectra(*surface, FourierSettings{true, 20.0}, s, 1));
    ASSERT_TRUE(ComputeFourierSpectra(*borehole, FourierSettings{true, 20.0}, b, 1));
    const struct {
        const char* name;
        std::string text;
        std::vector<RatioGap> gaps;
        std::string comment;
        std::size_t column;  // the ratio's column in the rows
    } cases[] = {
        {"H/V over a silent UD", FourierCsvText(q, true), FourierCsvGaps(q, true),
         "# HV empty at 512 frequencies: the smoothed UD spectrum vanishes there", 7},
        {"over a silent EW1", SurfaceBoreholeCsvText(s, b), SurfaceBoreholeCsvGaps(s, b),
         "# EW2/EW1 empty at 512 frequencies: the smoothed EW1 spectrum vanishes there", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text.find("nan"), std::string::npos) << c.name;
        EXPECT_EQ(c.text.find("inf"), std::string::npos) << c.name;
        ASSERT_EQ(c.gaps.size(), 1u) << c.name;
        EXPECT_EQ(c.gaps[0].count, 512) << c.name;
        EXPECT_NE(RatioGapNote(c.gaps[0]).find("512"), std::string::npos);
        const std::vector<std::string> lines = Lines(c.text);
        ASSERT_NE(std::find(lines.begin(), lines.end(), c.comment), lines.end()) << c.name << "\n" << c.text.substr(0, 300);
        const std::string& row = lines.back();
        std::vector<std::string> cells(1);
        for (char ch : row) {
            if (ch == ',') cells.emplace_back();
            else cells.back() += ch;
        }
        ASSERT_GT(cells.size(), c.column) << row;
        EXPECT_EQ(cells[c.column], "") << c.name;
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (i != c.column) { EXPECT_FALSE(cells[i].empty()) << c.name << " " << i; }
    }
    // The ratio records the settings it was made with, as the spectra do.
    const std::vector<std::string> lines = Lines(SurfaceBoreholeCsvText(s, b));
    EXPECT_EQ(lines[0], "# 5 % cosine taper at each end");
    EXPECT_EQ(lines[1], "# Konno-Ohmachi smoothing b = 20");
    // Ordinary spectra leave nothing empty.
    EXPECT_TRUE(FourierCsvGaps(s, true).empty());
    EXPECT_TRUE(SurfaceBoreholeCsvGaps(s, s).empty());
}

}  // namespace
}  // namespace tremblo
