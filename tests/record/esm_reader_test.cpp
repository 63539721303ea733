#include "record/esm_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "support/text_edits.h"
#include "support/text_fixtures.h"

namespace tremblo {
namespace {

using namespace std::string_literals;
using testing::EsmFixture;
using testing::EsmText;
using testing::TypicalEsmFixture;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadEsmFile(in, AgencyReadOptions{.headerOnly = headerOnly});
}

const std::vector<double> kSix = {0.5, -1.25, 3.0, -0.0625, 0.0, 12.5};

// The line of a key in the typical fixture's text.
int LineOfKey(const EsmFixture& f, const std::string& key) {
    for (std::size_t i = 0; i < f.keys.size(); ++i)
        if (f.keys[i].first == key) return static_cast<int>(i + 1);
    return 0;
}

TEST(EsmReader, FillsEveryHeaderFieldTheFileStates) {
    const EsmFixture f = TypicalEsmFixture(kSix);
    const Result<AgencyFile> file = Read(EsmText(f));
    ASSERT_TRUE(file.ok()) << file.error().message;
    ASSERT_EQ(file.value().channels.size(), 1u);
    EXPECT_EQ(file.value().format, RecordFormat::Esm);
    const AgencyChannel& c = file.value().channels[0];
    const ChannelHeader& h = c.header;
    EXPECT_EQ(h.network, "IT");
    EXPECT_EQ(h.stationCode, "AQK");
    EXPECT_EQ(h.stationName, "L'AQUILA - V. AQUILIO");
    EXPECT_EQ(h.stationLat, 42.34511);
    EXPECT_EQ(h.stationLon, 13.40135);
    EXPECT_EQ(h.stationElevationM, 726.0);
    EXPECT_EQ(h.eventName, "CENTRAL_ITALY");
    EXPECT_EQ(h.eventId, "IT-2009-0009");
    EXPECT_EQ(h.originTime, (StatedTime{2009, 4, 6, 1, 32, 39.0}));
    EXPECT_EQ(h.epicenterLat, 42.342);
    EXPECT_EQ(h.epicenterLon, 13.38);
    EXPECT_EQ(h.depthKm, 8.3);
    EXPECT_EQ(h.magnitude, 6.1);
    EXPECT_EQ(h.magnitudeType, "Mw");
    EXPECT_EQ(h.firstSampleTime, (StatedTime{2009, 4, 6, 1, 32, 40.0}));
    EXPECT_EQ(h.componentName, "HNE");
    EXPECT_EQ(h.azimuthDeg, 90.0);
    EXPECT_FALSE(h.vertical);
    EXPECT_EQ(c.dt, 0.005);
    EXPECT_EQ(c.statedCount, 6);
    EXPECT_EQ(c.firstDataLine, static_cast<int>(f.keys.size()) + 1);
    ASSERT_EQ(c.gal.size(), 6u);
    for (std::size_t i = 0; i < kSix.size(); ++i) EXPECT_EQ(c.gal[i], static_cast<float>(kSix[i])) << i;
}

struct HeaderCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> keys;  // set (an empty key name: none)
    std::vector<std::string> removed;
    std::function<void(const ChannelHeader&)> check;
};

TEST(EsmReader, LeavesUnstatedValuesEmptyAndReadsEachStream) {
    const HeaderCase cases[] = {
        {"empty coordinates", {{"STATION_LATITUDE_DEGREE", ""}, {"EVENT_DEPTH_KM", ""}, {"STATION_ELEVATION_M", "-999"}}, {},
         [](const ChannelHeader& h) { EXPECT_FALSE(h.stationLat || h.depthKm || h.stationElevationM); }},
        {"local magnitude only", {{"MAGNITUDE_W", ""}}, {},
         [](const ChannelHeader& h) { EXPECT_EQ(h.magnitude, 5.9); EXPECT_EQ(h.magnitudeType, "ML"); }},
        {"no magnitude", {{"MAGNITUDE_W", ""}, {"MAGNITUDE_L", ""}}, {},
         [](const ChannelHeader& h) { EXPECT_FALSE(h.magnitude); EXPECT_EQ(h.magnitudeType, ""); }},
        {"impossible origin", {{"EVENT_TIME_HHMMSS", "253239"}}, {}, [](const ChannelHeader& h) { EXPECT_FALSE(h.originTime); }},
        {"no origin time", {}, {"EVENT_TIME_HHMMSS"}, [](const ChannelHeader& h) { EXPECT_FALSE(h.originTime); }},
        {"north", {{"STREAM", "HGN"}}, {}, [](const ChannelHeader& h) { EXPECT_EQ(h.azimuthDeg, 0.0); }},
        {"vertical", {{"STREAM", "HNZ"}}, {},
         [](const ChannelHeader& h) { EXPECT_TRUE(h.vertical); EXPECT_FALSE(h.azimuthDeg); }},
        {"numbered", {{"STREAM", "HN2"}}, {},
         [](const ChannelHeader& h) { EXPECT_FALSE(h.vertical || h.azimuthDeg); EXPECT_EQ(h.componentName, "HN2"); }},
        {"no stream", {}, {"STREAM"}, [](const ChannelHeader& h) { EXPECT_FALSE(h.vertical || h.azimuthDeg); }},
        {"a key of small letters", {{"Vs30_m/s", "717"}, {"USER_NOTE", "picked: manually"}}, {},
         [](const ChannelHeader& h) { EXPECT_EQ(h.componentName, "HNE"); }},
        {"fractional seconds", {{"DATE_TIME_FIRST_SAMPLE_YYYYMMDD_HHMMSS", "20090406_013240.250"}}, {},
         [](const ChannelHeader& h) { EXPECT_EQ(h.firstSampleTime, (StatedTime{2009, 4, 6, 1, 32, 40.25})); }},
    };
    for (const HeaderCase& c : cases) {
        EsmFixture f = TypicalEsmFixture(kSix);
        for (const auto& [key, value] : c.keys) testing::SetKey(f.keys, key, value);
        for (const std::string& key : c.removed) testing::RemoveKey(f.keys, key);
        const Result<AgencyFile> file = Read(EsmText(f));
        ASSERT_TRUE(file.ok()) << c.what << ": " << file.error().message;
        SCOPED_TRACE(c.what);
        c.check(file.value().channels.at(0).header);
    }
}

struct UnitCase {
    const char* units;
    double value;
    float expectedGal;  // worked out by hand
};

TEST(EsmReader, ConvertsEachUnitToGal) {
    const UnitCase cases[] = {
        {"cm/s^2", -346.129, -346.129f}, {"m/s^2", -3.46129, -346.129f}, {"mm/s^2", 25.0, 2.5f},
        {"g", 0.25, 245.16625f},         {"CM/S**2", 1.5, 1.5f},
    };
    for (const UnitCase& c : cases) {
        EsmFixture f = TypicalEsmFixture({0.0, c.value});
        testing::SetKey(f.keys, "UNITS", c.units);
        const Result<AgencyFile> file = Read(EsmText(f));
        ASSERT_TRUE(file.ok()) << c.units << ": " << file.error().message;
        EXPECT_FLOAT_EQ(file.value().channels.at(0).gal.at(1), c.expectedGal) << c.units;
    }
}

struct DamageCase {
    const char* what;
    std::string text;
    int line;
    const char* messagePart;
};

std::string EndlessHeader() {
    std::string text;
    for (int i = 0; i < 1200; ++i) text += "USER" + std::to_string(i) + ": x\n";
    return text;
}

TEST(EsmReader, RefusesDamagedFilesNamingTheLine) {
    EsmFixture f = TypicalEsmFixture(kSix);
    const std::string good = EsmText(f);
    const int keys = static_cast<int>(f.keys.size());
    const auto with = [&f](const std::string& key, const std::string& value) {
        EsmFixture g = f;
        testing::SetKey(g.keys, key, value);
        return EsmText(g);
    };
    const auto without = [&f](const std::string& key) {
        EsmFixture g = f;
        testing::RemoveKey(g.keys, key);
        return EsmText(g);
    };
    const int typeLine = LineOfKey(f, "DATA_TYPE");
    const int intervalLine = LineOfKey(f, "SAMPLING_INTERVAL_S");
    const int countLine = LineOfKey(f, "NDATA");
    const int unitLine = LineOfKey(f, "UNITS");
    const DamageCase cases[] = {
        {"not ESM at all", "PEER NGA STRONG MOTION DATABASE RECORD\n0.1\n", 1, "ESM"},
        {"velocity", with("DATA_TYPE", "VELOCITY"), typeLine, "VELOCITY"},
        {"displacement", with("DATA_TYPE", "DISPLACEMENT"), typeLine, "DISPLACEMENT"},
        {"spectrum", with("DATA_TYPE", "ACCELERATION RESPONSE SPECTRUM"), typeLine, "SPECTRUM"},
        {"no interval", without("SAMPLING_INTERVAL_S"), keys, "SAMPLING_INTERVAL_S"},
        {"empty interval", with("SAMPLING_INTERVAL_S", ""), keys + 1, "SAMPLING_INTERVAL_S"},
        {"zero interval", with("SAMPLING_INTERVAL_S", "0.000"), intervalLine, "「0.000」"},
        {"negative interval", with("SAMPLING_INTERVAL_S", "-0.005"), intervalLine, "「-0.005」"},
        {"no count", without("NDATA"), keys, "NDATA"},
        {"count not an integer", with("NDATA", "6.5"), countLine, "「6.5」"},
        {"count zero", with("NDATA", "0"), countLine, "「0」"},
        {"count beyond the limit", with("NDATA", "20000001"), countLine, "20000000"},
        {"no units", without("UNITS"), keys, "UNITS"},
        {"velocity units", with("UNITS", "cm/s"), unitLine, "「cm/s」"},
        {"fewer values", testing::FirstLines(good, keys + 4), keys + 5, "4 個しか"},
        {"more values", good + "1.0\n", keys + 7, "6 個より多く"},
        {"garbage", testing::WithLine(good, keys + 3, "3.0x"), keys + 3, "「3.0x」"},
        {"two values run together", testing::WithLine(good, keys + 2, "-1.25E+00-1.0"), keys + 2, "-1.25E+00-1.0"},
        {"null marker", testing::WithLine(good, keys + 6, "-1.7E+38"), keys + 6, "欠測値"},
        {"a key among the values", testing::WithLine(good, keys + 2, "NDATA: 6"), keys + 2, "NDATA:"},
        {"NUL byte", testing::WithLine(good, 3, "EVENT_DATE\0_YYYYMMDD: 20090406"s), 3, "NUL"},
        {"endless header", EndlessHeader(), 1001, "1000"},
        {"endless line", testing::WithLine(good, keys + 1, std::string(9000, '5')), keys + 1, "長すぎます"},
    };
    for (const DamageCase& c : cases) {
        const Result<AgencyFile> file = Read(c.text);
        ASSERT_FALSE(file.ok()) << c.what;
        EXPECT_EQ(file.error().line, c.line) << c.what << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(c.messagePart), std::string::npos) << c.what << ": " << file.error().message;
    }
}

TEST(EsmReader, HeaderOnlyGivesTheFullReadWithoutItsSamples) {
    const EsmFixture f = TypicalEsmFixture(kSix);
    const std::string text = "\n" + EsmText(f);  // a blank first line moves every line
    const Result<AgencyFile> full = Read(text);
    const Result<AgencyFile> header = Read(text, true);
    ASSERT_TRUE(full.ok() && header.ok());
    const AgencyChannel& a = full.value().channels.at(0);
    const AgencyChannel& b = header.value().channels.at(0);
    EXPECT_EQ(a.gal.size(), 6u);
    EXPECT_TRUE(b.gal.empty());
    EXPECT_EQ(a.header.stationCode, b.header.stationCode);
    EXPECT_EQ(a.header.originTime, b.header.originTime);
    EXPECT_EQ(a.header.firstSampleTime, b.header.firstSampleTime);
    EXPECT_EQ(a.header.azimuthDeg, b.header.azimuthDeg);
    EXPECT_EQ(a.header.magnitude, b.header.magnitude);
    EXPECT_EQ(a.dt, b.dt);
    EXPECT_EQ(a.statedCount, b.statedCount);
    EXPECT_EQ(a.firstDataLine, static_cast<int>(f.keys.size()) + 2);
    EXPECT_EQ(a.firstDataLine, b.firstDataLine);
}

TEST(EsmReader, RecognisesItsHeaderAndNothingElse) {
    EXPECT_TRUE(LooksLikeEsm(testing::HeadOf(EsmText(TypicalEsmFixture(kSix)))));
    // Three keys are enough, wherever they stand.
    EXPECT_TRUE(LooksLikeEsm({"", "NETWORK: IT", "STATION_CODE: AQK", "STREAM: HNE"}));
    EXPECT_FALSE(LooksLikeEsm({"NETWORK: IT", "STATION_CODE: AQK"}));
    for (const std::vector<std::string>& head : testing::OtherFormatHeads()) EXPECT_FALSE(LooksLikeEsm(head)) << head[0];
    testing::PeerFixture peer;
    peer.values = {1.0};
    EXPECT_FALSE(LooksLikeEsm(testing::HeadOf(testing::PeerText(peer))));
    EXPECT_FALSE(LooksLikeEsm(testing::HeadOf(testing::KnetCsvText(testing::TypicalKnetCsvFixture({{1.0}, {2.0}, {3.0}})))));
}

}  // namespace
}  // namespace tremblo
