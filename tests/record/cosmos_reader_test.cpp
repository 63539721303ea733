#include "record/cosmos_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "record/csmip_reader.h"
#include "record/geonet_reader.h"
#include "record/smc_reader.h"
#include "support/fixed_format_fixtures.h"

namespace tremblo {
namespace {

using namespace testing;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadCosmosFile(in, AgencyReadOptions{headerOnly});
}

// 1000 samples at 0.01 s. Per channel: text 1-13, integer start 14 and
// values 15-24, real start 25 and values 26-42 (real 62 on line 36, second
// field), comment start 43 and comment 44, data start 45, values 46-170,
// End-of-data 171 (a V2 channel: velocity 171-296, displacement 297-422,
// End-of-data 423).
CosmosFixtureChannel Channel(double peak, int unitsCode = 4, const std::string& unitsText = "cm/sec2") {
    CosmosFixtureChannel c;
    c.unitsCode = unitsCode;
    c.unitsText = unitsText;
    c.acceleration = TestSignal(1000, peak);
    return c;
}

TEST(CosmosReader, ReadsTheIntervalUnitsAndSamples) {
    const struct {
        const char* name;
        CosmosFixtureChannel channel;
        double dt;
        double galPerUnit;
    } cases[] = {
        {"cm/sec2, interval in seconds", Channel(300.0), 0.01, 1.0},
        {"g", Channel(0.5, 2, "g"), 0.01, 980.665},
        {"gal by code 10", Channel(300.0, 10, "gal"), 0.01, 1.0},
        {"interval in milliseconds", [] { CosmosFixtureChannel c = Channel(300.0); c.interval = 5.0; return c; }(), 0.005, 1.0},
        {"uncorrected", [] { CosmosFixtureChannel c = Channel(300.0); c.stage = 1; return c; }(), 0.01, 1.0},
    };
    for (const auto& c : cases) {
        const auto file = Read(WriteCosmosFile({c.channel}));
        ASSERT_TRUE(file.ok()) << c.name << ": " << file.error().line << " " << file.error().message;
        EXPECT_EQ(file.value().format, RecordFormat::Cosmos);
        ASSERT_EQ(file.value().channels.size(), 1u);
        const AgencyChannel& read = file.value().channels[0];
        EXPECT_DOUBLE_EQ(read.dt, c.dt) << c.name;
        EXPECT_EQ(read.statedCount, 1000);
        EXPECT_EQ(read.firstDataLine, 46);
        EXPECT_EQ(read.header.processingStage, c.channel.stage) << c.name;
        ASSERT_EQ(read.gal.size(), 1000u);
        for (std::size_t k = 0; k < 1000; ++k)
            EXPECT_EQ(read.gal[k], static_cast<float>(c.channel.acceleration[k] * c.galPerUnit)) << c.name << " " << k;
    }
}

TEST(CosmosReader, ReadsEveryChannelAndPassesOverVelocityAndDisplacement) {
    for (const bool endAfterEachBlock : {false, true}) {
        std::vector<CosmosFixtureChannel> channels{Channel(100.0), Channel(200.0), Channel(300.0)};
        channels[0].direction = "360";
        channels[1].direction = "Up";
        channels[2].direction = "270";
        for (CosmosFixtureChannel& c : channels) {
            c.velocityCount = c.displacementCount = 1000;
            c.endAfterEachBlock = endAfterEachBlock;
        }
        const auto file = Read(WriteCosmosFile(channels));
        ASSERT_TRUE(file.ok()) << file.error().line << ": " << file.error().message;
        ASSERT_EQ(file.value().channels.size(), 3u);
        const int channelLines = endAfterEachBlock ? 425 : 423;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(file.value().channels[i].firstDataLine, 46 + channelLines * static_cast<int>(i));
            EXPECT_EQ(file.value().channels[i].gal.size(), 1000u);
            EXPECT_EQ(file.value().channels[i].gal[10], static_cast<float>(channels[i].acceleration[10]));
        }
        // Each channel's direction from its text header's "Chan" line.
        EXPECT_EQ(file.value().channels[0].header.azimuthDeg, 0.0);
        EXPECT_TRUE(file.value().channels[1].header.vertical);
        EXPECT_EQ(file.value().channels[2].header.azimuthDeg, 270.0);
        const auto header = Read(WriteCosmosFile(channels), true);
        ASSERT_TRUE(header.ok());
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(DifferenceButSamples(file.value().channels[i], header.value().channels[i]), "") << i;
            EXPECT_TRUE(header.value().channels[i].gal.empty());
        }
    }
}

struct Damage {
    const char* name;
    std::function<std::string(const std::string&)> edit;
    int line;
    const char* message;
};

std::string WithDataStart(const std::string& t, const std::string& start) { return ReplaceLine(t, 45, start); }

TEST(CosmosReader, RefusesDamagedFilesNamingTheLine) {
    const Damage damages[] = {
        {"unknown units code", [](const std::string& t) {
             return WithDataStart(t, "    1000 acceleration pts, approx   10 secs, units=furlong (99), Format=(8F10.5)"); },
         45, "単位コード 99"},
        {"units code and written units disagree", [](const std::string& t) {
             return WithDataStart(t, "    1000 acceleration pts, approx   10 secs, units=g (04), Format=(8F10.5)"); },
         45, "単位コード 4 と単位「g」が合いません"},
        {"velocity only", [](const std::string& t) {
             return WithDataStart(t, "    1000 velocity pts, approx   10 secs, units=cm/sec (05), Format=(8F10.5)"); },
         45, "加速度のデータがありません"},
        {"no acceleration values", [](const std::string& t) {
             return WithDataStart(t, "       0 acceleration pts, approx   10 secs, units=cm/sec2 (04), Format=(8F10.5)"); },
         45, "加速度のデータがありません"},
        {"format not stated", [](const std::string& t) {
             return WithDataStart(t, "    1000 acceleration pts, approx   10 secs, units=cm/sec2 (04)"); },
         45, "COSMOS 形式の行ではありません"},
        {"interval disagrees with the length", [](const std::string& t) {
             std::string line = LineOf(t, 36);
             line.replace(13, 13, "     0.020000");
             return ReplaceLine(t, 36, line); },
         45, "サンプリング間隔「0.02」とデータの長さ（10 秒、1000 個）が合いません"},
        {"interval undefined", [](const std::string& t) {
             std::string line = LineOf(t, 36);
             line.replace(13, 13, "  -999.000000");
             return ReplaceLine(t, 36, line); },
         26, "サンプリング間隔が書かれていません"},
        {"count too large", [](const std::string& t) {
             return WithDataStart(t, "    1001 acceleration pts, approx   10 secs, units=cm/sec2 (04), Format=(8F10.5)"); },
         171, "1001 個と書かれていますが、1000 個しかありません"},
        {"count too small", [](const std::string& t) {
             return WithDataStart(t, "     999 acceleration pts, approx   10 secs, units=cm/sec2 (04), Format=(8F10.5)"); },
         170, "それより多くあります"},
        {"null sample", [](const std::string& t) { return ReplaceLine(t, 50, "-999.00000" + LineOf(t, 50).substr(10)); }, 50,
         "欠測値「-999.00000」"},
        {"garbage sample", [](const std::string& t) { return ReplaceLine(t, 60, "   1.0000O" + LineOf(t, 60).substr(10)); }, 60,
         "「1.0000O」が数値になっていません"},
        {"no end of data", [](const std::string& t) { return CutAfterLine(t, 170); }, 171, "データの終わりを示す行がありません"},
        {"wrong integer header lines", [](const std::string& t) {
             return ReplaceLine(t, 14, " 100 Integer-header values follow on   9 lines, Format= (10I8)"); },
         14, "整数ヘッダーがあるはずの行です"},
        {"text in the integers", [](const std::string& t) { return ReplaceLine(t, 16, "  NOT A NUMBER"); }, 16, "整数ヘッダーの値"},
        {"cut in the comments", [](const std::string& t) { return CutAfterLine(t, 43); }, 44, "コメント行がありません"},
        {"cut in the text header", [](const std::string& t) { return CutAfterLine(t, 5); }, 6, "テキストヘッダーがありません"},
    };
    const std::string text = WriteCosmosFile({Channel(300.0)});
    ASSERT_TRUE(Read(text).ok());
    for (const Damage& d : damages) {
        const auto file = Read(d.edit(text));
        ASSERT_FALSE(file.ok()) << d.name;
        EXPECT_EQ(file.error().line, d.line) << d.name << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(d.message), std::string::npos) << d.name << ": " << file.error().message;
    }
    EXPECT_FALSE(Read("").ok());
    EXPECT_FALSE(Read(std::string(5000, '1')).ok());
}

TEST(CosmosReader, RecognisesItsFilesAndNoOthers) {
    const auto own = HeadLines(WriteCosmosFile({Channel(300.0)}));
    EXPECT_TRUE(LooksLikeCosmos(own));
    EXPECT_FALSE(LooksLikeCsmip(own));
    EXPECT_FALSE(LooksLikeSmc(own));
    EXPECT_FALSE(LooksLikeGeoNet(own));
    for (const auto& head : ForeignHeads()) EXPECT_FALSE(LooksLikeCosmos(head)) << head[0];
    GeoNetFixtureComponent geonet;
    geonet.acceleration = TestSignal(100, 10.0);
    EXPECT_FALSE(LooksLikeCosmos(HeadLines(WriteGeoNetFile({geonet}))));
    SmcFixture smc;
    smc.acceleration = TestSignal(100, 10.0);
    EXPECT_FALSE(LooksLikeCosmos(HeadLines(WriteSmcFile(smc))));
    CsmipFixtureChannel csmip;
    csmip.acceleration = TestSignal(100, 5);
    EXPECT_FALSE(LooksLikeCosmos(HeadLines(WriteCsmipFile({csmip}))));
}

}  // namespace
}  // namespace tremblo
