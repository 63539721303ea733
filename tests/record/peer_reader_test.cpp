#include "record/peer_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/text_edits.h"
#include "support/text_fixtures.h"

namespace tremblo {
namespace {

using namespace std::string_literals;
using testing::FirstLines;
using testing::PeerFixture;
using testing::PeerText;
using testing::WithLine;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadPeerFile(in, AgencyReadOptions{.headerOnly = headerOnly});
}

// Twelve values in g: lines 5 and 6 hold five, line 7 two.
PeerFixture TwelveValues() {
    PeerFixture f;
    f.values = {0.001, -0.0025, 0.5, -1.25e-4, 0.0, 0.25, -0.125, 1e-6, 0.75, -0.5, 0.0625, 0.03125};
    return f;
}

struct EventLineCase {
    const char* line;
    const char* eventName;
    const char* eventId;
    const char* station;
    const char* component;
    std::optional<double> azimuth;
    bool vertical;
};

TEST(PeerReader, ReadsEventDateStationAndComponentOfLineTwo) {
    const EventLineCase cases[] = {
        {"Loma Prieta, 10/18/1989, Gilroy Array #1, 67", "Loma Prieta", "1989-10-18", "Gilroy Array #1", "67", 67.0, false},
        {"Chi-Chi, Taiwan, 9/20/1999, CHY101, E", "Chi-Chi, Taiwan", "1999-09-20", "CHY101", "E", 90.0, false},
        {"LOMA PRIETA 10/18/89 00:05, GILROY ARRAY #1, 067 (CDMG STATION 47379)", "LOMA PRIETA", "10/18/89",
         "GILROY ARRAY #1", "067", 67.0, false},
        {"DENALI 11/03/02, PS10, 047", "DENALI", "11/03/02", "PS10", "047", 47.0, false},
        {"Northridge-01,1/17/1994,LA - Hollywood Stor FF,360", "Northridge-01", "1994-01-17", "LA - Hollywood Stor FF",
         "360", 0.0, false},
        {"Northridge-01, 1/17/1994, Sylmar - Converter Sta, 052.5", "Northridge-01", "1994-01-17",
         "Sylmar - Converter Sta", "052.5", 52.5, false},
        {"Imperial Valley-06, 10/15/1979, El Centro Array #6, UP", "Imperial Valley-06", "1979-10-15",
         "El Centro Array #6", "UP", std::nullopt, true},
        {"Kobe, Japan, 1/16/1995, KJMA, DWN", "Kobe, Japan", "1995-01-16", "KJMA", "DWN", std::nullopt, true},
        {"Northridge-01, 1/17/1994, Alhambra - Fremont School, ALH-UP", "Northridge-01", "1994-01-17",
         "Alhambra - Fremont School", "ALH-UP", std::nullopt, true},
        {"Loma Prieta, 10/18/1989, Gilroy Array #1, GIL337", "Loma Prieta", "1989-10-18", "Gilroy Array #1", "GIL337",
         337.0, false},
        {"Chi-Chi, 9/20/1999, TCU065, V", "Chi-Chi", "1999-09-20", "TCU065", "V", std::nullopt, true},
        {"Parkfield, 6/28/1966, Cholame - Shandon Array #2, H1", "Parkfield", "1966-06-28",
         "Cholame - Shandon Array #2", "H1", std::nullopt, false},
        // No date: event, station, component by position.
        {"Some Event, Some Station, 090", "Some Event", "", "Some Station", "090", 90.0, false},
        // Month 13 is no date: it stays with the event text.
        {"Odd, 13/18/1989, Station, 180", "Odd", "", "13/18/1989, Station", "180", 180.0, false},
        // A station and no component after the date.
        {"Event, 2/9/1971, Pacoima Dam", "Event", "1971-02-09", "Pacoima Dam", "", std::nullopt, false},
    };
    for (const EventLineCase& c : cases) {
        PeerFixture f = TwelveValues();
        f.eventLine = c.line;
        const Result<AgencyFile> file = Read(PeerText(f));
        ASSERT_TRUE(file.ok()) << c.line << ": " << file.error().message;
        const ChannelHeader& h = file.value().channels.at(0).header;
        EXPECT_EQ(h.eventName, c.eventName) << c.line;
        EXPECT_EQ(h.eventId, c.eventId) << c.line;
        EXPECT_EQ(h.stationName, c.station) << c.line;
        EXPECT_EQ(h.componentName, c.component) << c.line;
        EXPECT_EQ(h.azimuthDeg, c.azimuth) << c.line;
        EXPECT_EQ(h.vertical, c.vertical) << c.line;
        // PEER states none of these: they stay empty.
        EXPECT_TRUE(h.stationCode.empty() && h.network.empty()) << c.line;
        EXPECT_FALSE(h.originTime || h.firstSampleTime || h.stationLat || h.epicenterLat || h.magnitude) << c.line;
    }
}

struct CountLineCase {
    const char* line;
    int count;
    double dt;
};

TEST(PeerReader, ReadsBothFormsOfTheCountLine) {
    const CountLineCase cases[] = {
        {"NPTS=     12, DT=   .0050 SEC", 12, 0.005},
        {"NPTS=12,DT=.01 SEC", 12, 0.01},
        {"NPTS = 12 , DT = 0.0025 SEC,", 12, 0.0025},
        {"npts=  12, dt= 2.0E-02 sec", 12, 0.02},
        {"     12    0.0100    NPTS, DT", 12, 0.01},
        {"12 .005 NPTS, DT, SEC", 12, 0.005},
        {"DT= .0200 SEC, NPTS= 12", 12, 0.02},
    };
    for (const CountLineCase& c : cases) {
        PeerFixture f = TwelveValues();
        f.countLine = c.line;
        const Result<AgencyFile> file = Read(PeerText(f));
        ASSERT_TRUE(file.ok()) << c.line << ": " << file.error().message;
        const AgencyChannel& channel = file.value().channels.at(0);
        EXPECT_EQ(channel.statedCount, c.count) << c.line;
        EXPECT_EQ(channel.dt, c.dt) << c.line;
        EXPECT_EQ(channel.gal.size(), 12u) << c.line;
        EXPECT_EQ(channel.firstDataLine, 5) << c.line;
    }
}

struct UnitCase {
    const char* quantityLine;
    double value;      // in the file's unit
    float expectedGal;  // worked out by hand
};

TEST(PeerReader, ConvertsEachUnitToGal) {
    const UnitCase cases[] = {
        {"ACCELERATION TIME SERIES IN UNITS OF G", 0.5, 490.3325f},
        {"ACCELERATION TIME HISTORY IN UNITS OF G. FILTER POINTS: HP=0.1 Hz LP=25.0 Hz", -0.25, -245.16625f},
        {"ACCELERATION TIME SERIES (G)", 0.002, 1.96133f},
        {"ACCELERATION TIME SERIES IN UNITS OF CM/SEC/SEC", 12.5, 12.5f},
        {"ACCELERATION TIME SERIES IN UNITS OF M/S^2", 1.5, 150.0f},
        {"ACCELERATION TIME SERIES IN UNITS OF MM/S/S", 25.0, 2.5f},
        {"Acceleration time series in units of g", 1.0, 980.665f},
    };
    for (const UnitCase& c : cases) {
        PeerFixture f;
        f.quantityLine = c.quantityLine;
        f.values = {0.0, c.value};
        const Result<AgencyFile> file = Read(PeerText(f));
        ASSERT_TRUE(file.ok()) << c.quantityLine << ": " << file.error().message;
        EXPECT_FLOAT_EQ(file.value().channels.at(0).gal.at(1), c.expectedGal) << c.quantityLine;
    }
}

TEST(PeerReader, ReadsValuesInAnyBlankSeparatedForm) {
    const std::string text =
        "PEER NGA STRONG MOTION DATABASE RECORD\nE, 1/2/2003, S, 090\nACCELERATION TIME SERIES IN UNITS OF G\n"
        "NPTS=      7, DT=    .0100 SEC\n\n  .1000000E-02 -1.5e-3\t2\n\r\n+0.5  -.25E+01\r\n 0.0  1E0\n\n";
    const Result<AgencyFile> file = Read(text);
    ASSERT_TRUE(file.ok()) << file.error().message;
    const AgencyChannel& channel = file.value().channels.at(0);
    const float expected[] = {0.980665f, -1.4709975f, 1961.33f, 490.3325f, -2451.6625f, 0.0f, 980.665f};
    ASSERT_EQ(channel.gal.size(), 7u);
    for (int i = 0; i < 7; ++i) EXPECT_FLOAT_EQ(channel.gal[i], expected[i]) << i;
    EXPECT_EQ(channel.firstDataLine, 6);
    EXPECT_EQ(file.value().format, RecordFormat::Peer);
}

struct DamageCase {
    const char* what;
    std::string text;
    int line;
    const char* messagePart;
};

TEST(PeerReader, RefusesDamagedFilesNamingTheLine) {
    const std::string good = PeerText(TwelveValues());
    const DamageCase cases[] = {
        {"not a PEER title", WithLine(good, 1, "STRONG MOTION RECORD"), 1, "PEER"},
        {"empty file", "", 1, "PEER"},
        {"header cut after two lines", FirstLines(good, 2), 3, "ヘッダー"},
        {"velocity file", WithLine(good, 3, "VELOCITY TIME SERIES IN UNITS OF CM/S"), 3, ".AT2"},
        {"displacement file", WithLine(good, 3, "DISPLACEMENT TIME SERIES IN UNITS OF CM"), 3, ".AT2"},
        {"no quantity", WithLine(good, 3, "TIME SERIES IN UNITS OF G"), 3, "ACCELERATION"},
        {"unknown unit", WithLine(good, 3, "ACCELERATION TIME SERIES IN UNITS OF FT/S/S"), 3, "FT/S/S"},
        {"no unit", WithLine(good, 3, "ACCELERATION TIME SERIES"), 3, "単位"},
        {"no count line", WithLine(good, 4, "12 values at 0.005 s"), 4, "NPTS"},
        {"NPTS zero", WithLine(good, 4, "NPTS=      0, DT=   .0050 SEC"), 4, "「0」"},
        {"NPTS not a number", WithLine(good, 4, "NPTS=   12.5, DT=   .0050 SEC"), 4, "「12.5」"},
        {"NPTS beyond the limit", WithLine(good, 4, "NPTS=99999999, DT=   .0050 SEC"), 4, "20000000"},
        {"DT zero", WithLine(good, 4, "NPTS=     12, DT=   .0000 SEC"), 4, "「.0000」"},
        {"DT negative", WithLine(good, 4, "NPTS=     12, DT=   -.005 SEC"), 4, "「-.005」"},
        {"DT missing", WithLine(good, 4, "NPTS=     12, SEC"), 4, "NPTS"},
        {"DT not a number", WithLine(good, 4, "NPTS=     12, DT= x.005 SEC"), 4, "「X.005」"},
        {"file cut after line 6", FirstLines(good, 6), 7, "10 個"},
        {"one value more", good + "  1.0000000E-03\n", 8, "12 個より多く"},
        {"garbage value", WithLine(good, 6, "  2.5000000E-01 -1.25E-01 1.0.0 7.5E-01 -5.0E-01"), 6, "「1.0.0」"},
        {"values run together", WithLine(good, 6, "  2.5000000E-01-1.2500000E-01 1.0E-06 7.5E-01 -5.0E-01"), 6,
         "2.5000000E-01-1.2500000E-01"},
        {"null marker", WithLine(good, 7, "  6.2500000E-02  1.7000000E+38"), 7, "欠測値"},
        {"NaN", WithLine(good, 5, " nan -2.5E-03 0.5 -1.25E-04 0.0"), 5, "「nan」"},
        {"value beyond float", WithLine(good, 7, " 6.25E-02 1.0E+36"), 7, "1.0E+36"},
        {"NUL byte", WithLine(good, 6, "  2.5E-01 -1.25E-01\0 1.0E-06 7.5E-01 -5.0E-01"s), 6, "NUL"},
        {"endless line", WithLine(good, 5, std::string(5000, '1')), 5, "長すぎます"},
    };
    for (const DamageCase& c : cases) {
        const Result<AgencyFile> file = Read(c.text);
        ASSERT_FALSE(file.ok()) << c.what;
        EXPECT_EQ(file.error().line, c.line) << c.what << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(c.messagePart), std::string::npos) << c.what << ": " << file.error().message;
    }
}

TEST(PeerReader, HeaderOnlyGivesTheFullReadWithoutItsSamples) {
    for (const char* countLine : {"", "     12    0.0050    NPTS, DT"}) {
        PeerFixture f = TwelveValues();
        f.countLine = countLine;
        const std::string text = PeerText(f);
        Result<AgencyFile> full = Read(text);
        const Result<AgencyFile> header = Read(text, true);
        ASSERT_TRUE(full.ok() && header.ok());
        AgencyChannel expected = full.value().channels.at(0);
        ASSERT_EQ(expected.gal.size(), 12u);
        expected.gal.clear();
        const AgencyChannel& got = header.value().channels.at(0);
        EXPECT_EQ(got.header.eventName, expected.header.eventName);
        EXPECT_EQ(got.header.eventId, expected.header.eventId);
        EXPECT_EQ(got.header.stationName, expected.header.stationName);
        EXPECT_EQ(got.header.componentName, expected.header.componentName);
        EXPECT_EQ(got.header.azimuthDeg, expected.header.azimuthDeg);
        EXPECT_EQ(got.dt, expected.dt);
        EXPECT_EQ(got.statedCount, expected.statedCount);
        EXPECT_EQ(got.firstDataLine, expected.firstDataLine);
        EXPECT_TRUE(got.gal.empty());
    }
    // A header-only read does not look at the values.
    EXPECT_TRUE(Read(FirstLines(PeerText(TwelveValues()), 5) + "garbage\n", true).ok());
}

TEST(PeerReader, RecognisesItsTitlesAndNothingElse) {
    for (const char* title : {"PEER NGA STRONG MOTION DATABASE RECORD", "PEER STRONG MOTION DATABASE RECORD. PROCESSING BY PACIFIC ENGINEERING",
                              "PACIFIC ENGINEERING AND ANALYSIS STRONG-MOTION DATA"}) {
        PeerFixture f = TwelveValues();
        f.title = title;
        EXPECT_TRUE(LooksLikePeer(testing::HeadOf(PeerText(f)))) << title;
        EXPECT_TRUE(Read(PeerText(f)).ok()) << title;
    }
    for (const std::vector<std::string>& head : testing::OtherFormatHeads()) EXPECT_FALSE(LooksLikePeer(head)) << head[0];
    EXPECT_FALSE(LooksLikePeer(testing::HeadOf(testing::EsmText(testing::TypicalEsmFixture({1.0})))));
    EXPECT_FALSE(LooksLikePeer(testing::HeadOf(testing::KnetCsvText(testing::TypicalKnetCsvFixture({{1.0}, {2.0}, {3.0}})))));
    EXPECT_FALSE(LooksLikePeer({}));
    EXPECT_FALSE(LooksLikePeer({"Corrected acceleration, converted from the PEER strong motion database"}));
}

TEST(PeerReader, AFolderOpenedAsAFileIsAnError) {
    std::ifstream folder("/tmp");
    const Result<AgencyFile> file = ReadPeerFile(folder);
    ASSERT_FALSE(file.ok());
    EXPECT_FALSE(file.error().message.empty());
}

}  // namespace
}  // namespace tremblo
