#include "record/geonet_reader.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <cmath>
#include <functional>
#include <sstream>

#include "record/cosmos_reader.h"
#include "record/csmip_reader.h"
#include "record/smc_reader.h"
#include "support/fixed_format_fixtures.h"

namespace tremblo {
namespace {

using namespace testing;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadGeoNetFile(in, AgencyReadOptions{headerOnly});
}

// Three components of a V2A file: 25 samples each, the velocity and
// displacement blocks after each acceleration block.
std::vector<GeoNetFixtureComponent> V2aComponents() {
    GeoNetFixtureComponent a, b, c;
    a.direction = "N28E";
    a.bearing = 28;
    a.acceleration = TestSignal(25, 900.0);
    a.acceleration[0] = 123.4;  // mm/s^2: 12.34 gal
    b.direction = "S62E";
    b.bearing = 118;
    b.acceleration = TestSignal(25, 500.0);
    c.direction = "UP";
    c.bearing = 0;
    c.acceleration = TestSignal(25, 300.0);
    for (GeoNetFixtureComponent* k : {&a, &b, &c}) {
        k->velocityCount = k->displacementCount = 25;
        for (double& v : k->acceleration) v = std::round(v * 10.0) / 10.0;  // as the file writes them
    }
    return {a, b, c};
}

TEST(GeoNetReader, ReadsTheHeaderOfEveryComponent) {
    const auto file = Read(WriteGeoNetFile(V2aComponents()));
    ASSERT_TRUE(file.ok()) << file.error().line << ": " << file.error().message;
    ASSERT_EQ(file.value().channels.size(), 3u);
    EXPECT_EQ(file.value().format, RecordFormat::GeoNet);
    const ChannelHeader& h = file.value().channels[0].header;
    EXPECT_EQ(h.originTime, (StatedTime{2010, 9, 3, 16, 35, 42.0}));
    EXPECT_EQ(h.firstSampleTime, (StatedTime{2010, 9, 3, 16, 35, 38.392}));
    EXPECT_NEAR(*h.epicenterLat, -(43 + 33 / 60.0 + 36 / 3600.0), 1e-12);  // south negative
    EXPECT_NEAR(*h.epicenterLon, 172 + 10 / 60.0 + 48 / 3600.0, 1e-12);
    EXPECT_EQ(h.depthKm, 11.0);
    EXPECT_NEAR(*h.stationLat, -43.546389, 1e-6);
    EXPECT_NEAR(*h.stationLon, 172.629167, 1e-6);
    EXPECT_EQ(h.processingStage, 2);
    // What the file does not state stays empty.
    EXPECT_TRUE(h.network.empty());
    EXPECT_EQ(h.stationCode, "LRSC");  // "Site LRSC ..." on text line 2
    EXPECT_EQ(h.magnitude, 7.1);       // real 15
    const struct {
        const char* name;
        std::optional<double> azimuth;
        bool vertical;
    } components[] = {{"N28E", 28.0, false}, {"S62E", 118.0, false}, {"UP", std::nullopt, true}};
    for (int i = 0; i < 3; ++i) {
        const AgencyChannel& c = file.value().channels[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.header.componentName, components[i].name);
        EXPECT_EQ(c.header.azimuthDeg, components[i].azimuth) << i;
        EXPECT_EQ(c.header.vertical, components[i].vertical) << i;
        EXPECT_DOUBLE_EQ(c.dt, 0.005);
        EXPECT_EQ(c.statedCount, 25);
        EXPECT_EQ(c.gal.size(), 25u);
        // 16 text, 4 integer and 6 real lines, then 3 blocks of 3 lines.
        EXPECT_EQ(c.firstDataLine, 27 + i * 35) << i;
    }
}

TEST(GeoNetReader, ConvertsMillimetresPerSecondSquaredToGal) {
    std::vector<GeoNetFixtureComponent> components = V2aComponents();
    const auto file = Read(WriteGeoNetFile(components));
    ASSERT_TRUE(file.ok());
    EXPECT_FLOAT_EQ(file.value().channels[0].gal[0], 12.34f);
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t i = 0; i < 25; ++i) {
            const double written = components[k].acceleration[i];  // one decimal, as written
            EXPECT_EQ(file.value().channels[k].gal[i], static_cast<float>(written * 0.1)) << k << "," << i;
        }
}

TEST(GeoNetReader, ReadsAV1aFileWithoutVelocityAndDisplacement) {
    std::vector<GeoNetFixtureComponent> components = V2aComponents();
    for (GeoNetFixtureComponent& c : components) c.velocityCount = c.displacementCount = 0;
    const auto file = Read(WriteGeoNetFile(components));
    ASSERT_TRUE(file.ok()) << file.error().message;
    ASSERT_EQ(file.value().channels.size(), 3u);
    EXPECT_EQ(file.value().channels[2].firstDataLine, 27 + 2 * 29);
    EXPECT_EQ(file.value().channels[0].header.processingStage, 1);
}

TEST(GeoNetReader, HeaderOnlyGivesTheSameHeadersWithoutSamples) {
    const std::string text = WriteGeoNetFile(V2aComponents());
    const auto full = Read(text);
    const auto header = Read(text, true);
    ASSERT_TRUE(full.ok() && header.ok());
    ASSERT_EQ(header.value().channels.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(DifferenceButSamples(full.value().channels[i], header.value().channels[i]), "") << i;
        EXPECT_TRUE(header.value().channels[i].gal.empty());
    }
}

struct Damage {
    const char* name;
    std::function<std::string(const std::string&)> edit;
    int line;
    const char* message;
};

// Reals 21-30 with the duration (24) and the interval (26).
std::string RealLine(double duration, double interval) {
    std::string line;
    for (int k = 21; k <= 30; ++k) {
        char field[16];
        std::snprintf(field, sizeof field, "%8.3f", k == 24 ? duration : k == 26 ? interval : 0.0);
        line += field;
    }
    return line;
}

TEST(GeoNetReader, RefusesDamagedFilesNamingTheLine) {
    // Component 1: text 1-16, integers 17-20 (count 34 on line 20), reals
    // 21-26 (duration and interval on 23), acceleration 27-29, velocity 30-32,
    // displacement 33-35; the text states the interval on line 11.
    const Damage damages[] = {
        {"cut in the acceleration", [](const std::string& t) { return CutAfterLine(t, 28); }, 29, "加速度のデータは 25 個"},
        {"cut in the text", [](const std::string& t) { return CutAfterLine(t, 10); }, 11, "テキストヘッダーがありません"},
        {"cut in the reals", [](const std::string& t) { return CutAfterLine(t, 23); }, 24, "実数ヘッダーがありません"},
        {"cut in the last displacement",
         [](const std::string& t) { return CutAfterLine(t, 35 * 3 - 1); }, 35 * 3, "変位のデータは 25 個"},
        {"garbage sample",
         [](const std::string& t) { return ReplaceLine(t, 28, "    12.3    4x.5" + LineOf(t, 28).substr(16)); }, 28,
         "「4x.5」が数値になっていません"},
        {"count larger than the values",
         [](const std::string& t) { return ReplaceLine(t, 20, "      25       0       0      26" + LineOf(t, 20).substr(32)); },
         29, "26 個と書かれていますが、25 個しかありません"},
        {"count smaller than the values",
         [](const std::string& t) { return ReplaceLine(t, 20, "      25       0       0      24" + LineOf(t, 20).substr(32)); },
         29, "それより多くあります"},
        {"negative count",
         [](const std::string& t) { return ReplaceLine(t, 20, "      25       0       0      -5" + LineOf(t, 20).substr(32)); },
         20, "データの個数「-5」"},
        {"zero interval", [](const std::string& t) { return ReplaceLine(t, 23, RealLine(0.12, 0.0)); }, 23,
         "サンプリング間隔「0」"},
        {"interval other than the text's", [](const std::string& t) { return ReplaceLine(t, 23, RealLine(0.24, 0.01)); },
         23, "テキストヘッダーの 0.005 秒と合いません"},
        {"duration other than the samples'", [](const std::string& t) { return ReplaceLine(t, 23, RealLine(0.5, 0.005)); },
         23, "継続時間 0.5 秒と合いません"},
        {"only velocity",
         [](const std::string& t) { return ReplaceLine(t, 20, "      25       0       0       0" + LineOf(t, 20).substr(32)); },
         20, "加速度のデータがありません"},
        {"huge sample", [](const std::string& t) { return ReplaceLine(t, 27, " 1.0E+35" + LineOf(t, 27).substr(8)); }, 27, "欠測値"},
        {"text in the integers", [](const std::string& t) { return ReplaceLine(t, 18, "GARBAGE "); }, 18, "整数ヘッダーの値「GARBAGE」"},
    };
    const std::string text = WriteGeoNetFile(V2aComponents());
    ASSERT_TRUE(Read(text).ok());
    for (const Damage& d : damages) {
        const auto file = Read(d.edit(text));
        ASSERT_FALSE(file.ok()) << d.name;
        EXPECT_EQ(file.error().line, d.line) << d.name << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(d.message), std::string::npos) << d.name << ": " << file.error().message;
    }
}

TEST(GeoNetReader, RefusesWhatIsNotAFile) {
    EXPECT_FALSE(Read("").ok());
    EXPECT_EQ(Read("").error().line, 1);
    EXPECT_FALSE(Read(std::string(10000, 'x')).ok());  // one line over the limit
    EXPECT_FALSE(Read(std::string("abc\0def\n", 8)).ok());
}

TEST(GeoNetReader, RecognisesItsFilesAndNoOthers) {
    EXPECT_TRUE(LooksLikeGeoNet(HeadLines(WriteGeoNetFile(V2aComponents()))));
    GeoNetFixtureComponent small;
    small.acceleration = TestSignal(3, 10.0);
    EXPECT_TRUE(LooksLikeGeoNet(HeadLines(WriteGeoNetFile({small}))));
    for (const auto& head : ForeignHeads()) EXPECT_FALSE(LooksLikeGeoNet(head)) << head[0];
    EXPECT_FALSE(LooksLikeGeoNet(HeadLines(WriteSmcFile(SmcFixture{2, "CORRECTED ACCELEROGRAM", 100.0, {}, TestSignal(80, 5)}))));
    CsmipFixtureChannel csmip;
    csmip.acceleration = TestSignal(80, 5);
    EXPECT_FALSE(LooksLikeGeoNet(HeadLines(WriteCsmipFile({csmip}))));
    CosmosFixtureChannel cosmos;
    cosmos.acceleration = TestSignal(800, 5);
    EXPECT_FALSE(LooksLikeGeoNet(HeadLines(WriteCosmosFile({cosmos}))));
    // A GeoNet file is none of the others.
    const auto head = HeadLines(WriteGeoNetFile(V2aComponents()));
    EXPECT_FALSE(LooksLikeCosmos(head));
    EXPECT_FALSE(LooksLikeCsmip(head));
    EXPECT_FALSE(LooksLikeSmc(head));
}

}  // namespace
}  // namespace tremblo
