#include "record/csmip_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "record/cosmos_reader.h"
#include "record/geonet_reader.h"
#include "record/smc_reader.h"
#include "support/fixed_format_fixtures.h"

namespace tremblo {
namespace {

using namespace testing;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadCsmipFile(in, AgencyReadOptions{headerOnly});
}

CsmipFixtureChannel Channel(const std::string& direction, double peak) {
    CsmipFixtureChannel c;
    c.direction = direction;
    c.acceleration = TestSignal(20, peak);
    c.velocityCount = c.displacementCount = 20;
    return c;
}

// A Volume 2 station file: per channel 25 text, 7 integer and 13 real
// lines, then start line 46, acceleration 47-49, velocity 50-53,
// displacement 54-57 and "/&" on 58.
std::vector<CsmipFixtureChannel> Station() {
    return {Channel("360 Deg", 300.0), Channel("90 Deg", 200.0), Channel("Up", 100.0)};
}

TEST(CsmipReader, ReadsEveryChannelOfAStationFile) {
    const std::vector<CsmipFixtureChannel> channels = Station();
    const auto file = Read(WriteCsmipFile(channels));
    ASSERT_TRUE(file.ok()) << file.error().line << ": " << file.error().message;
    EXPECT_EQ(file.value().format, RecordFormat::Csmip);
    ASSERT_EQ(file.value().channels.size(), 3u);
    const struct {
        const char* name;
        std::optional<double> azimuth;
        bool vertical;
    } expected[] = {{"360", 0.0, false}, {"90", 90.0, false}, {"Up", std::nullopt, true}};
    for (std::size_t i = 0; i < 3; ++i) {
        const AgencyChannel& c = file.value().channels[i];
        EXPECT_EQ(c.header.componentName, expected[i].name);
        EXPECT_EQ(c.header.azimuthDeg, expected[i].azimuth) << i;
        EXPECT_EQ(c.header.vertical, expected[i].vertical) << i;
        EXPECT_EQ(c.header.processingStage, 2);
        EXPECT_DOUBLE_EQ(c.dt, 0.005);
        EXPECT_EQ(c.statedCount, 20);
        EXPECT_EQ(c.firstDataLine, 47 + 58 * static_cast<int>(i));
        ASSERT_EQ(c.gal.size(), 20u);
        for (std::size_t k = 0; k < 20; ++k) EXPECT_EQ(c.gal[k], static_cast<float>(channels[i].acceleration[k])) << i << "," << k;
    }
}

TEST(CsmipReader, ConvertsTheStatedUnitsToGal) {
    const struct {
        const char* name;
        bool corrected;
        std::string units;
        double galPerUnit;
    } cases[] = {
        {"volume 2 in cm/sec2", true, "cm/sec2", 1.0},
        {"volume 2 without units", true, "", 1.0},
        {"volume 1 in g", false, "g", 980.665},
        {"volume 1 in cm/sec/sec", false, "cm/sec/sec", 1.0},
    };
    for (const auto& c : cases) {
        CsmipFixtureChannel channel;
        channel.corrected = c.corrected;
        channel.units = c.units;
        channel.dt = 0.01;
        channel.acceleration = {0.5, -0.25, 0.125, 1.0};
        const auto file = Read(WriteCsmipFile({channel}));
        ASSERT_TRUE(file.ok()) << c.name << ": " << file.error().message;
        const AgencyChannel& read = file.value().channels[0];
        EXPECT_EQ(read.header.processingStage, c.corrected ? 2 : 1) << c.name;
        EXPECT_DOUBLE_EQ(read.dt, 0.01);
        ASSERT_EQ(read.gal.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(read.gal[k], static_cast<float>(channel.acceleration[k] * c.galPerUnit)) << c.name << k;
    }
}

TEST(CsmipReader, HeaderOnlyGivesTheSameHeadersWithoutSamples) {
    const std::string text = WriteCsmipFile(Station());
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

TEST(CsmipReader, RefusesDamagedFilesNamingTheLine) {
    const Damage damages[] = {
        {"count too large", [](const std::string& t) { return ReplaceLine(t, 46, "    21" + LineOf(t, 46).substr(6)); }, 49,
         "21 個と書かれていますが、20 個しかありません"},
        {"count too small", [](const std::string& t) { return ReplaceLine(t, 46, "    19" + LineOf(t, 46).substr(6)); }, 49,
         "それより多くあります"},
        {"velocity count too small", [](const std::string& t) { return ReplaceLine(t, 50, "    17" + LineOf(t, 50).substr(6)); },
         53, "それより多くあります"},
        {"end flag missing", [](const std::string& t) { return RemoveLine(t, 58); }, 58, "CSMIP 形式の行ではありません"},
        {"file cut before the end flag", [](const std::string& t) { return CutAfterLine(t, 57); }, 58,
         "データの終わりを示す行がありません"},
        {"zero interval", [](const std::string& t) { return ReplaceLine(t, 46, "    20 points of accel data equally spaced at 0.000 sec, in cm/sec2."); },
         46, "サンプリング間隔「0.000」"},
        {"unknown units", [](const std::string& t) { return ReplaceLine(t, 46, "    20 points of accel data equally spaced at 0.005 sec, in furlongs."); },
         46, "加速度の単位「furlongs」"},
        {"velocity first", [](const std::string& t) { return ReplaceLine(t, 46, "    20 points of veloc data equally spaced at 0.005 sec, in cm/sec."); },
         46, "加速度のデータがありません"},
        {"no acceleration values", [](const std::string& t) { return ReplaceLine(t, 46, "     0" + LineOf(t, 46).substr(6)); }, 46,
         "加速度のデータがありません"},
        {"garbage sample", [](const std::string& t) { return ReplaceLine(t, 48, "     1.000    -2.0x0" + LineOf(t, 48).substr(20)); }, 48,
         "「-2.0x0」が数値になっていません"},
        {"cut in the integers", [](const std::string& t) { return CutAfterLine(t, 28); }, 29, "整数ヘッダーがありません"},
        {"cut in the second channel's data", [](const std::string& t) { return CutAfterLine(t, 58 + 47); }, 58 + 48,
         "加速度のデータは 20 個と書かれていますが、8 個しかありません"},
    };
    const std::string text = WriteCsmipFile(Station());
    ASSERT_TRUE(Read(text).ok());
    for (const Damage& d : damages) {
        const auto file = Read(d.edit(text));
        ASSERT_FALSE(file.ok()) << d.name;
        EXPECT_EQ(file.error().line, d.line) << d.name << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(d.message), std::string::npos) << d.name << ": " << file.error().message;
    }
    CsmipFixtureChannel v1;
    v1.corrected = false;
    v1.units = "";
    v1.acceleration = {1.0, 2.0};
    const auto unstated = Read(WriteCsmipFile({v1}));
    ASSERT_FALSE(unstated.ok());  // a Volume 1 file must say its units
    EXPECT_EQ(unstated.error().line, 46);
}

TEST(CsmipReader, RecognisesItsFilesAndNoOthers) {
    const auto own = HeadLines(WriteCsmipFile(Station()));
    EXPECT_TRUE(LooksLikeCsmip(own));
    EXPECT_FALSE(LooksLikeCosmos(own));
    EXPECT_FALSE(LooksLikeSmc(own));
    EXPECT_FALSE(LooksLikeGeoNet(own));
    for (const auto& head : ForeignHeads()) EXPECT_FALSE(LooksLikeCsmip(head)) << head[0];
    GeoNetFixtureComponent geonet;
    geonet.acceleration = TestSignal(100, 10.0);
    EXPECT_FALSE(LooksLikeCsmip(HeadLines(WriteGeoNetFile({geonet}))));
    SmcFixture smc;
    smc.acceleration = TestSignal(100, 10.0);
    EXPECT_FALSE(LooksLikeCsmip(HeadLines(WriteSmcFile(smc))));
    CosmosFixtureChannel cosmos;
    cosmos.acceleration = TestSignal(800, 5);
    EXPECT_FALSE(LooksLikeCsmip(HeadLines(WriteCosmosFile({cosmos}))));
}

}  // namespace
}  // namespace tremblo
