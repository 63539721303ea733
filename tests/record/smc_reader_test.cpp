#include "record/smc_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "record/cosmos_reader.h"
#include "record/csmip_reader.h"
#include "record/geonet_reader.h"
#include "support/fixed_format_fixtures.h"

namespace tremblo {
namespace {

using namespace testing;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadSmcFile(in, AgencyReadOptions{headerOnly});
}

// 21 samples: 3 data lines (8, 8, 5) from line 29 (11 text, 6 integer,
// 10 real lines, one comment).
SmcFixture Corrected() {
    SmcFixture f;
    f.acceleration = TestSignal(21, 250.0);
    f.acceleration[3] = -123.4567;
    return f;
}

TEST(SmcReader, ReadsTheCountTheRateAndTheSamplesInGal) {
    const struct {
        const char* name;
        SmcFixture fixture;
        double dt;
        int stage;
        int firstDataLine;
    } cases[] = {
        {"corrected, 100/s", Corrected(), 0.01, 2, 29},
        {"uncorrected, 200/s", [] { SmcFixture f = Corrected(); f.typeCode = 1; f.typeText = "UNCORRECTED ACCELEROGRAM"; f.samplesPerSecond = 200; return f; }(),
         0.005, 1, 29},
        {"three comment lines", [] { SmcFixture f = Corrected(); f.comments = {"|a", "|b", "|c"}; return f; }(), 0.01, 2, 31},
        {"no comment line", [] { SmcFixture f = Corrected(); f.comments.clear(); return f; }(), 0.01, 2, 28},
    };
    for (const auto& c : cases) {
        const auto file = Read(WriteSmcFile(c.fixture));
        ASSERT_TRUE(file.ok()) << c.name << ": " << file.error().line << " " << file.error().message;
        ASSERT_EQ(file.value().channels.size(), 1u);
        EXPECT_EQ(file.value().format, RecordFormat::Smc);
        const AgencyChannel& channel = file.value().channels[0];
        EXPECT_DOUBLE_EQ(channel.dt, c.dt) << c.name;
        EXPECT_EQ(channel.statedCount, 21) << c.name;
        EXPECT_EQ(channel.firstDataLine, c.firstDataLine) << c.name;
        EXPECT_EQ(channel.header.processingStage, c.stage) << c.name;
        ASSERT_EQ(channel.gal.size(), 21u) << c.name;
        EXPECT_FLOAT_EQ(channel.gal[3], -123.4567f);  // written in cm/s^2
        for (std::size_t i = 0; i < 21; ++i) EXPECT_EQ(channel.gal[i], static_cast<float>(c.fixture.acceleration[i])) << i;
        // Nothing the file does not state is invented.
        EXPECT_FALSE(channel.header.stationLat.has_value());
        EXPECT_FALSE(channel.header.epicenterLat.has_value());
    }
}

TEST(SmcReader, HeaderOnlyGivesTheSameHeaderWithoutSamples) {
    const std::string text = WriteSmcFile(Corrected());
    const auto full = Read(text);
    const auto header = Read(CutAfterLine(text, 28), true);  // its samples are not even needed
    ASSERT_TRUE(full.ok() && header.ok());
    EXPECT_EQ(DifferenceButSamples(full.value().channels[0], header.value().channels[0]), "");
    EXPECT_TRUE(header.value().channels[0].gal.empty());
}

struct Damage {
    const char* name;
    std::function<std::string(const std::string&)> edit;
    int line;
    const char* message;
};

std::string WithInteger(const std::string& text, int index, long long value) {
    const int line = 12 + (index - 1) / 8;
    std::string l = LineOf(text, line);
    char field[16];
    std::snprintf(field, sizeof field, "%10lld", value);
    l.replace(static_cast<std::size_t>((index - 1) % 8) * 10, 10, field);
    return ReplaceLine(text, line, l);
}

TEST(SmcReader, RefusesDamagedFilesNamingTheLine) {
    const Damage damages[] = {
        {"velocity", [](const std::string& t) { return ReplaceLine(t, 1, "3 VELOCITY"); }, 1, "加速度のデータがありません"},
        {"not smc", [](const std::string& t) { return ReplaceLine(t, 1, "Origin Time       2024/01/01"); }, 1, "SMC 形式のファイルではありません"},
        {"cut in the samples", [](const std::string& t) { return CutAfterLine(t, 30); }, 31, "21 個と書かれていますが、16 個しかありません"},
        {"cut in the comments", [](const std::string& t) { return CutAfterLine(t, 27); }, 28, "コメント行がありません"},
        {"count too large", [](const std::string& t) { return WithInteger(t, 17, 22); }, 31, "22 個と書かれていますが、21 個しかありません"},
        {"count too small", [](const std::string& t) { return WithInteger(t, 17, 20); }, 31, "それより多くあります"},
        {"more lines after", [](const std::string& t) { return t + "    1.0000\n"; }, 32, "それより多くあります"},
        {"count undefined", [](const std::string& t) { return WithInteger(t, 17, -32768); }, 14, "データの個数「」"},
        {"rate undefined", [](const std::string& t) {
             return ReplaceLine(t, 18, "  1.7000000E+38  1.7000000E+38  1.7000000E+38  1.7000000E+38  1.7000000E+38"); },
         18, "サンプリング間隔が書かれていません"},
        {"rate zero", [](const std::string& t) {
             return ReplaceLine(t, 18, "  1.7000000E+38  0.0000000E+00  1.7000000E+38  1.7000000E+38  1.7000000E+38"); },
         18, "サンプリング間隔「1/0」"},
        {"garbage sample", [](const std::string& t) { return ReplaceLine(t, 30, "    1.0000   1.00O00" + LineOf(t, 30).substr(20)); }, 30,
         "「1.00O00」が数値になっていません"},
        {"null sample", [](const std::string& t) { return ReplaceLine(t, 29, "   1.7E+38" + LineOf(t, 29).substr(10)); }, 29, "欠測値"},
        {"text in the reals", [](const std::string& t) { return ReplaceLine(t, 20, "  header text here"); }, 20, "実数ヘッダーの値"},
    };
    const std::string text = WriteSmcFile(Corrected());
    ASSERT_TRUE(Read(text).ok());
    for (const Damage& d : damages) {
        const auto file = Read(d.edit(text));
        ASSERT_FALSE(file.ok()) << d.name;
        EXPECT_EQ(file.error().line, d.line) << d.name << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(d.message), std::string::npos) << d.name << ": " << file.error().message;
    }
}

TEST(SmcReader, RecognisesItsFilesAndNoOthers) {
    const auto own = HeadLines(WriteSmcFile(Corrected()));
    EXPECT_TRUE(LooksLikeSmc(own));
    EXPECT_FALSE(LooksLikeCosmos(own));
    EXPECT_FALSE(LooksLikeCsmip(own));
    EXPECT_FALSE(LooksLikeGeoNet(own));
    for (const auto& head : ForeignHeads()) EXPECT_FALSE(LooksLikeSmc(head)) << head[0];
    GeoNetFixtureComponent geonet;
    geonet.acceleration = TestSignal(100, 10.0);
    EXPECT_FALSE(LooksLikeSmc(HeadLines(WriteGeoNetFile({geonet}))));
    CsmipFixtureChannel csmip;
    csmip.acceleration = TestSignal(100, 5);
    EXPECT_FALSE(LooksLikeSmc(HeadLines(WriteCsmipFile({csmip}))));
    CosmosFixtureChannel cosmos;
    cosmos.acceleration = TestSignal(800, 5);
    EXPECT_FALSE(LooksLikeSmc(HeadLines(WriteCosmosFile({cosmos}))));
}

}  // namespace
}  // namespace tremblo
