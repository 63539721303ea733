#include "record/peer_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

#include "record/peer_reader.h"
#include "support/text_edits.h"

namespace tremblo {
namespace {

PeerAt2Content LomaPrieta(std::vector<float> gal, double dt = 0.005) {
    return PeerAt2Content{"Loma Prieta", "10/18/1989", "Gilroy Array #1", "67", dt, std::move(gal)};
}

std::string Written(const PeerAt2Content& content) {
    std::ostringstream out;
    EXPECT_TRUE(WritePeerAt2(out, content));
    return out.str();
}

TEST(PeerWriter, WritesTheFourHeaderLinesAndFiveValuesALine) {
    const std::string text = Written(LomaPrieta({980.665f, -490.3325f, 0.0f, 9.80665f, 1.0f, -2.0f, 3.0f}));
    const std::vector<std::string> lines = testing::TextLines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "PEER NGA STRONG MOTION DATABASE RECORD");
    EXPECT_EQ(lines[1], "Loma Prieta, 10/18/1989, Gilroy Array #1, 67");
    EXPECT_EQ(lines[2], "ACCELERATION TIME SERIES IN UNITS OF G");
    EXPECT_EQ(lines[3], "NPTS=      7, DT=   0.0050 SEC");
    // Values in g, 16 columns each, nine significant digits.
    const double g[] = {1.0, -0.5, 0.0, 0.01, 1.0 / 980.665};
    ASSERT_EQ(lines[4].size(), 80u);
    for (int k = 0; k < 5; ++k) {
        const std::string field = lines[4].substr(16 * static_cast<std::size_t>(k), 16);
        EXPECT_EQ(field[0], ' ') << field;
        EXPECT_EQ(field.find('.'), field.find_first_not_of(" -") + 1) << field;
        EXPECT_EQ(field.size() - field.find('E'), 4u) << field;
        EXPECT_NEAR(std::stod(field), g[k], 1e-7 * std::fabs(g[k])) << field;
    }
    EXPECT_EQ(lines[5].size(), 32u);
}

TEST(PeerWriter, IntervalsKeepEveryDecimalTheyNeed) {
    const std::pair<double, const char*> cases[] = {
        {0.005, "0.0050"}, {0.01, "0.0100"}, {0.0025, "0.0025"}, {0.02, "0.0200"},
        {0.00025, "0.00025"}, {0.001953125, "0.001953125"}, {1.0, "1.0000"},
    };
    for (const auto& [dt, text] : cases) {
        EXPECT_EQ(PeerIntervalText(dt), text) << dt;
        std::istringstream in(Written(LomaPrieta({1.0f, 2.0f}, dt)));
        const Result<AgencyFile> file = ReadPeerFile(in);
        ASSERT_TRUE(file.ok()) << dt << ": " << file.error().message;
        EXPECT_EQ(file.value().channels.at(0).dt, dt);
    }
}

TEST(PeerWriter, ReadingTheFileBackGivesEverySampleAndTheHeader) {
    // Random floats over many decades, both signs, plus the extremes an
    // acceleration can take.
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> decade(-8, 3);
    std::vector<float> gal;
    for (int i = 0; i < 5003; ++i)
        gal.push_back(static_cast<float>(mantissa(random) * std::pow(10.0, decade(random))));
    // The largest a reader takes as an acceleration (1e5 gal) comes back too.
    gal.insert(gal.end(), {0.0f, -0.0f, std::numeric_limits<float>::min(), std::numeric_limits<float>::denorm_min(),
                           99999.99f, -99999.99f, 1.0f, -980.665f});
    std::istringstream in(Written(LomaPrieta(gal)));
    const Result<AgencyFile> file = ReadPeerFile(in);
    ASSERT_TRUE(file.ok()) << file.error().message;
    const AgencyChannel& channel = file.value().channels.at(0);
    ASSERT_EQ(channel.gal.size(), gal.size());
    EXPECT_EQ(channel.statedCount, static_cast<int>(gal.size()));
    // Nine significant digits in g: each float comes back as it was.
    for (std::size_t i = 0; i < gal.size(); ++i) ASSERT_EQ(channel.gal[i], gal[i]) << i;
    EXPECT_EQ(channel.header.eventName, "Loma Prieta");
    EXPECT_EQ(channel.header.eventId, "1989-10-18");
    EXPECT_EQ(channel.header.stationName, "Gilroy Array #1");
    EXPECT_EQ(channel.header.componentName, "67");
    EXPECT_EQ(channel.header.azimuthDeg, 67.0);
}

TEST(PeerWriter, LineEndsInTextsBecomeBlanks) {
    PeerAt2Content content = LomaPrieta({1.0f});
    content.stationName = "Gilroy\nArray #1";
    content.componentText = "UP\r";
    const std::string text = Written(content);
    EXPECT_EQ(testing::LineOf(text, 2), "Loma Prieta, 10/18/1989, Gilroy Array #1, UP ");
    std::istringstream in(text);
    const Result<AgencyFile> file = ReadPeerFile(in);
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(file.value().channels.at(0).header.vertical);
}

TEST(PeerWriter, RefusesWhatNoFileCanHold) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const PeerAt2Content cases[] = {
        LomaPrieta({1.0f}, 0.0), LomaPrieta({1.0f}, -0.01), LomaPrieta({1.0f}, std::nan("")),
        LomaPrieta({1.0f}, std::numeric_limits<double>::infinity()), LomaPrieta({}), LomaPrieta({1.0f, nan}),
        LomaPrieta({inf}),
    };
    for (const PeerAt2Content& content : cases) {
        std::ostringstream out;
        EXPECT_FALSE(WritePeerAt2(out, content));
        EXPECT_TRUE(out.str().empty());
    }
    std::ostringstream failed;
    failed.setstate(std::ios::badbit);
    EXPECT_FALSE(WritePeerAt2(failed, LomaPrieta({1.0f})));
}

}  // namespace
}  // namespace tremblo
