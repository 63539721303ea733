// The spectrum CSV layout and the Sa-Sd curve.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "spectrum/sa_sd_curve.h"
#include "spectrum/spectrum_csv.h"

namespace tremblo {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t begin = 0;
    for (size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        lines.push_back(text.substr(begin, end - begin));
    }
    EXPECT_EQ(begin, text.size()) << "text after the last CR LF";
    return lines;
}

RecordFields Header(int components) {
    RecordFields record;
    record.componentCount = components;
    record.stationCode = "HRS010";
    record.originDate = "2001/03/24";
    record.originTime = "15:27:00";
    return record;
}

TEST(SpectrumCsv, BlockLayoutAndFirstDataLine) {
    const PeriodTable periods = BuildPeriodTable();
    auto table = std::make_unique<SpectrumTable>();
    table->at(0, 0, SA, 0) = 1.5f;
    table->at(0, 4, SA, 0) = 123456.789f;
    table->at(1, 2, SV, 199) = -0.004f;
    const std::vector<std::string> lines = Lines(
        SpectrumCsvText(SpectrumSourceOf(Header(3)), periods, DampingRatiosFor(DampingMultiplier::Times1), *table));
    ASSERT_EQ(lines.size(), 9u * 209u);
    EXPECT_EQ(lines[0], "HRS010");
    EXPECT_EQ(lines[1], "2001/03/24");
    EXPECT_EQ(lines[2], "15:27:00");
    EXPECT_EQ(lines[3], "NS");
    EXPECT_EQ(lines[4], "SA");
    EXPECT_EQ(lines[5], "Period,Frequency,0.00,0.01,0.02,0.05,0.10");
    EXPECT_EQ(lines[6], "  0.050, 20.000,      1.50,      0.00,      0.00,      0.00, 123456.79");
    EXPECT_EQ(lines[205].substr(0, 16), "  9.739,  0.103,");
    EXPECT_EQ(lines[206], "");
    EXPECT_EQ(lines[208], "");
    EXPECT_EQ(lines[209 + 4], "SV");
    EXPECT_EQ(lines[3 * 209 + 3], "EW");
    EXPECT_EQ(lines[4 * 209 + 205].substr(16), "      0.00,      0.00,     -0.00,      0.00,      0.00");
    EXPECT_EQ(lines[8 * 209 + 3], "UD");
    EXPECT_EQ(lines[8 * 209 + 4], "SD");
}

TEST(SpectrumCsv, OneComponentAndTenfoldHeader) {
    const PeriodTable periods = BuildPeriodTable();
    auto table = std::make_unique<SpectrumTable>();
    const std::vector<std::string> lines = Lines(
        SpectrumCsvText(SpectrumSourceOf(Header(1)), periods, DampingRatiosFor(DampingMultiplier::Times10), *table));
    ASSERT_EQ(lines.size(), 3u * 209u);
    EXPECT_EQ(lines[5], "Period,Frequency,0.00,0.10,0.20,0.50,1.00");
    EXPECT_EQ(lines[2 * 209 + 4], "SD");
}

SpectrumTable WithSd(const std::vector<float>& sd) {
    SpectrumTable table;
    for (int j = 0; j < static_cast<int>(sd.size()); ++j) {
        table.at(1, SA_SD_DAMPING_INDEX, SD, j) = sd[j];
        table.at(1, SA_SD_DAMPING_INDEX, SA, j) = 1000.0f + j;
    }
    return table;
}

TEST(SaSdCurve, KeepsOnlyPointsBeyondEveryShorterPeriodsDisplacement) {
    const SaSdCurve curve = AdjustedSaSdCurve(WithSd({0.0f, 1.0f, 3.0f, 2.0f, 3.0f, 4.0f, 4.0f, 5.0f}), 1);
    ASSERT_EQ(curve.count, 4);
    const float sd[] = {1.0f, 3.0f, 4.0f, 5.0f};
    const float sa[] = {1001.0f, 1002.0f, 1005.0f, 1007.0f};  // plateau: first point kept
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(curve.sd[i], sd[i]);
        EXPECT_EQ(curve.sa[i], sa[i]);
    }
}

TEST(SaSdCurve, GrowingDisplacementKeepsAllPointsAndZerosKeepNone) {
    std::vector<float> growing(PERIOD_COUNT);
    for (int j = 0; j < PERIOD_COUNT; ++j) growing[j] = 0.1f * (j + 1);
    const SpectrumTable table = WithSd(growing);
    const SaSdCurve adjusted = AdjustedSaSdCurve(table, 1);
    const SaSdCurve full = FullSaSdCurve(table, 1);
    ASSERT_EQ(adjusted.count, PERIOD_COUNT);
    EXPECT_EQ(adjusted.sd, full.sd);
    EXPECT_EQ(adjusted.sa, full.sa);
    EXPECT_EQ(AdjustedSaSdCurve(SpectrumTable{}, 0).count, 0);
}

}  // namespace
}  // namespace tremblo
