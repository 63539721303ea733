#include "record/knet_csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/text_edits.h"
#include "support/text_fixtures.h"

namespace tremblo {
namespace {

using namespace std::string_literals;
using testing::KnetCsvFixture;
using testing::KnetCsvText;
using testing::TypicalKnetCsvFixture;

Result<AgencyFile> Read(const std::string& text, bool headerOnly = false) {
    std::istringstream in(text);
    return ReadKnetCsvFile(in, AgencyReadOptions{.headerOnly = headerOnly});
}

// Four rows of N-S, E-W, U-D in gal.
KnetCsvFixture FourRows() {
    return TypicalKnetCsvFixture({{1.5, -2.25, 0.0, 12.125}, {-0.5, 0.75, 3.0, -4.0}, {0.001, -0.002, 0.003, 100.0}});
}
// The fixture's header: 1 title line, 13 "#" lines, the column line on 15,
// rows from 16.
constexpr int kColumnLine = 15;
constexpr int kFirstRow = 16;

TEST(KnetCsvReader, ReadsTheHeaderAndEveryChannelInColumnOrder) {
    const KnetCsvFixture f = FourRows();
    const Result<AgencyFile> file = Read(KnetCsvText(f));
    ASSERT_TRUE(file.ok()) << file.error().message;
    EXPECT_EQ(file.value().format, RecordFormat::KnetCsv);
    ASSERT_EQ(file.value().channels.size(), 3u);
    const char* names[] = {"N-S", "E-W", "U-D"};
    const std::optional<double> azimuths[] = {0.0, 90.0, std::nullopt};
    for (std::size_t k = 0; k < 3; ++k) {
        const AgencyChannel& c = file.value().channels[k];
        const ChannelHeader& h = c.header;
        EXPECT_EQ(h.network, "K-NET");
        EXPECT_EQ(h.stationCode, "MYG004");
        EXPECT_EQ(h.stationLat, 38.7262);
        EXPECT_EQ(h.stationLon, 141.5109);
        EXPECT_EQ(h.stationElevationM, 79.0);
        EXPECT_EQ(h.originTime, (StatedTime{2011, 3, 11, 14, 46, 0.0}));
        EXPECT_EQ(h.epicenterLat, 38.103);
        EXPECT_EQ(h.epicenterLon, 142.86);
        EXPECT_EQ(h.depthKm, 24.0);
        EXPECT_EQ(h.magnitude, 9.0);
        EXPECT_EQ(h.magnitudeType, "");
        EXPECT_EQ(h.firstSampleTime, (StatedTime{2011, 3, 11, 14, 46, 15.0}));
        EXPECT_EQ(h.componentName, names[k]);
        EXPECT_EQ(h.azimuthDeg, azimuths[k]);
        EXPECT_EQ(h.vertical, k == 2);
        EXPECT_EQ(c.dt, 0.01);
        EXPECT_EQ(c.statedCount, 4);
        EXPECT_EQ(c.firstDataLine, kFirstRow);
        ASSERT_EQ(c.gal.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(c.gal[i], static_cast<float>(f.channels[k][i])) << k << " " << i;
    }
}

TEST(KnetCsvReader, KeepsKikNetBoreholeAndSurfaceColumns) {
    KnetCsvFixture f = TypicalKnetCsvFixture({{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}});
    f.firstLine = "#KiK-net CSV";
    f.columns = {"N-S1(gal)", "E-W1(gal)", "U-D1(gal)", "N-S2(gal)", "E-W2(gal)", "U-D2(gal)"};
    const Result<AgencyFile> file = Read(KnetCsvText(f));
    ASSERT_TRUE(file.ok()) << file.error().message;
    ASSERT_EQ(file.value().channels.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        const AgencyChannel& c = file.value().channels[k];
        EXPECT_EQ(c.header.network, "KiK-net");
        EXPECT_EQ(c.header.componentName, f.columns[k].substr(0, 4));
        EXPECT_EQ(c.header.vertical, k % 3 == 2);
        EXPECT_EQ(c.gal, (std::vector<float>{static_cast<float>(2 * k + 1), static_cast<float>(2 * k + 2)}));
    }
    EXPECT_EQ(file.value().channels[4].header.azimuthDeg, 90.0);
}

struct HeaderCase {
    const char* what;
    std::string name, value;
    double dt;
    int count;
};

TEST(KnetCsvReader, ReadsTheSamplingAndCountLinesInTheirForms) {
    const HeaderCase cases[] = {
        {"plain frequency", "SamplingFrequency(Hz)", "200", 0.005, 4},
        {"K-NET ASCII name", "Sampling Freq(Hz)", "50Hz", 0.02, 4},
        {"lower case hz", "samplingfrequency", "100hz", 0.01, 4},
        {"no count line", "NumberOfSamples", "", 0.01, 4},
    };
    for (const HeaderCase& c : cases) {
        KnetCsvFixture f = FourRows();
        testing::RemoveKey(f.header, "SamplingFrequency(Hz)");
        testing::RemoveKey(f.header, c.name);
        if (!c.value.empty()) testing::SetKey(f.header, c.name, c.value);
        else testing::SetKey(f.header, "SamplingFrequency(Hz)", "100Hz");
        const Result<AgencyFile> file = Read(KnetCsvText(f));
        ASSERT_TRUE(file.ok()) << c.what << ": " << file.error().message;
        EXPECT_EQ(file.value().channels.at(0).dt, c.dt) << c.what;
        EXPECT_EQ(file.value().channels.at(2).statedCount, c.count) << c.what;
        EXPECT_EQ(file.value().channels.at(2).gal.size(), 4u) << c.what;
    }
}

struct UnitCase {
    const char* column;
    const char* scaleFactor;  // nullptr: none
    double value;
    float expectedGal;  // worked out by hand
};

TEST(KnetCsvReader, ConvertsEachColumnUnitToGal) {
    const UnitCase cases[] = {
        {"N-S(gal)", nullptr, 12.5, 12.5f},
        {"N-S(cm/s^2)", nullptr, -3.25, -3.25f},
        {"N-S(m/s^2)", nullptr, 0.25, 25.0f},
        {"N-S(g)", nullptr, 0.5, 490.3325f},
        // 3920 gal per 6182761 counts: 6182761 counts are 3920 gal.
        {"N-S(count)", "3920(gal)/6182761", 6182761.0, 3920.0f},
        {"N-S(counts)", "3920(gal)/6182761", -1000.0, -0.63402095f},
        {"N-S(count)", "0.001", 2000.0, 2.0f},
    };
    for (const UnitCase& c : cases) {
        KnetCsvFixture f = TypicalKnetCsvFixture({{0.0, c.value}});
        f.columns = {c.column};
        f.valueFormat = "%.4f";
        if (c.scaleFactor) testing::SetKey(f.header, "ScaleFactor", c.scaleFactor);
        const Result<AgencyFile> file = Read(KnetCsvText(f));
        ASSERT_TRUE(file.ok()) << c.column << ": " << file.error().message;
        EXPECT_FLOAT_EQ(file.value().channels.at(0).gal.at(1), c.expectedGal) << c.column;
    }
}

struct DamageCase {
    const char* what;
    std::string text;
    int line;
    const char* messagePart;
};

TEST(KnetCsvReader, RefusesDamagedFilesNamingTheLine) {
    const KnetCsvFixture f = FourRows();
    const std::string good = KnetCsvText(f);
    const auto withHeader = [&f](const std::string& name, const std::string& value) {
        KnetCsvFixture g = f;
        testing::SetKey(g.header, name, value);
        return KnetCsvText(g);
    };
    const auto withColumns = [&f](std::vector<std::string> columns) {
        KnetCsvFixture g = f;
        g.columns = std::move(columns);
        return KnetCsvText(g);
    };
    KnetCsvFixture noFrequency = f;
    testing::RemoveKey(noFrequency.header, "SamplingFrequency(Hz)");
    KnetCsvFixture scaled = f;
    scaled.columns = {"N-S(count)", "E-W(gal)", "U-D(gal)"};
    testing::SetKey(scaled.header, "ScaleFactor", "3920(gal)/0");
    const std::string badScale = KnetCsvText(scaled);
    const DamageCase cases[] = {
        {"no title", testing::WithLine(good, 1, "#CSV"), 1, "K-NET"},
        {"K-NET ASCII", "Origin Time       2006/01/18 23:25:00\n", 1, "K-NET"},
        {"empty file", "", 1, "K-NET"},
        {"no frequency", KnetCsvText(noFrequency), kColumnLine - 1, "SamplingFrequency"},
        {"zero frequency", withHeader("SamplingFrequency(Hz)", "0Hz"), 12, "「0Hz」"},
        {"frequency garbage", withHeader("SamplingFrequency(Hz)", "hundred"), 12, "「hundred」"},
        {"count zero", withHeader("NumberOfSamples", "0"), 14, "「0」"},
        {"count beyond the limit", withHeader("NumberOfSamples", "20000001"), 14, "20000000"},
        {"header only", testing::FirstLines(good, 14), 15, "Time,RelativeTime"},
        {"column without unit", withColumns({"N-S", "E-W(gal)", "U-D(gal)"}), kColumnLine, "単位"},
        {"velocity column", withColumns({"N-S(cm/s)", "E-W(gal)", "U-D(gal)"}), kColumnLine, "「cm/s」"},
        {"counts without scale", withColumns({"N-S(count)", "E-W(gal)", "U-D(gal)"}), kColumnLine, "N-S"},
        {"bad scale", badScale, 15, "3920(gal)/0"},
        {"time columns only", testing::WithLine(good, kColumnLine, "Time,RelativeTime(s)"), kColumnLine, "N-S(gal)"},
        {"no rows", testing::FirstLines(good, kColumnLine), kFirstRow, "データの行"},
        {"fewer rows", testing::FirstLines(good, kFirstRow + 2), kFirstRow + 3, "3 個しか"},
        {"more rows", good + "2011/03/11 14:46:15.04,0.04,1,2,3\n", kFirstRow + 4, "4 個より多く"},
        {"missing field", testing::WithLine(good, kFirstRow + 1, "2011/03/11 14:46:15.01,0.01,-2.25,0.75"),
         kFirstRow + 1, "値は 4 個ですが、列の見出しは 5 個"},
        {"extra field", testing::WithLine(good, kFirstRow + 1, "2011/03/11 14:46:15.01,0.01,-2.25,0.75,1,2"),
         kFirstRow + 1, "値は 6 個"},
        {"empty value", testing::WithLine(good, kFirstRow + 2, "2011/03/11 14:46:15.02,0.02,,3.0,0.003"), kFirstRow + 2,
         "「」"},
        {"garbage", testing::WithLine(good, kFirstRow + 2, "2011/03/11 14:46:15.02,0.02,0.0,3.0e,0.003"), kFirstRow + 2,
         "「3.0e」"},
        {"null marker", testing::WithLine(good, kFirstRow + 3, "2011/03/11 14:46:15.03,0.03,12.125,-4.0,1e30"),
         kFirstRow + 3, "欠測値"},
        {"NUL byte", testing::WithLine(good, kFirstRow, "2011/03/11 14:46:15.00,0.00,1.5,-0.5\0,0.001"s), kFirstRow, "NUL"},
        {"endless line", testing::WithLine(good, kFirstRow, std::string(5000, ',')), kFirstRow, "長すぎます"},
    };
    for (const DamageCase& c : cases) {
        const Result<AgencyFile> file = Read(c.text);
        ASSERT_FALSE(file.ok()) << c.what;
        EXPECT_EQ(file.error().line, c.line) << c.what << ": " << file.error().message;
        EXPECT_NE(file.error().message.find(c.messagePart), std::string::npos) << c.what << ": " << file.error().message;
    }
}

TEST(KnetCsvReader, HeaderOnlyGivesTheFullReadWithoutItsSamples) {
    for (const bool countStated : {true, false}) {
        KnetCsvFixture f = FourRows();
        if (!countStated) testing::RemoveKey(f.header, "NumberOfSamples");
        const std::string text = KnetCsvText(f);
        const Result<AgencyFile> full = Read(text);
        const Result<AgencyFile> header = Read(text, true);
        ASSERT_TRUE(full.ok() && header.ok()) << countStated;
        ASSERT_EQ(full.value().channels.size(), header.value().channels.size());
        for (std::size_t k = 0; k < full.value().channels.size(); ++k) {
            const AgencyChannel& a = full.value().channels[k];
            const AgencyChannel& b = header.value().channels[k];
            EXPECT_EQ(a.gal.size(), 4u);
            EXPECT_TRUE(b.gal.empty());
            EXPECT_EQ(a.header.componentName, b.header.componentName);
            EXPECT_EQ(a.header.azimuthDeg, b.header.azimuthDeg);
            EXPECT_EQ(a.header.vertical, b.header.vertical);
            EXPECT_EQ(a.header.firstSampleTime, b.header.firstSampleTime);
            EXPECT_EQ(a.header.stationCode, b.header.stationCode);
            EXPECT_EQ(a.dt, b.dt);
            EXPECT_EQ(a.statedCount, b.statedCount);
            EXPECT_EQ(a.firstDataLine, b.firstDataLine);
        }
    }
}

TEST(KnetCsvReader, RecognisesItsTitleAndNothingElse) {
    for (const char* title : {"#K-NET CSV", "#KiK-net CSV", " # k-net ascii csv format"}) {
        KnetCsvFixture f = FourRows();
        f.firstLine = title;
        EXPECT_TRUE(LooksLikeKnetCsv(testing::HeadOf(KnetCsvText(f)))) << title;
        EXPECT_TRUE(Read(KnetCsvText(f)).ok()) << title;
    }
    EXPECT_FALSE(LooksLikeKnetCsv({"K-NET CSV"}));
    EXPECT_FALSE(LooksLikeKnetCsv({}));
    for (const std::vector<std::string>& head : testing::OtherFormatHeads()) EXPECT_FALSE(LooksLikeKnetCsv(head)) << head[0];
    testing::PeerFixture peer;
    peer.values = {1.0};
    EXPECT_FALSE(LooksLikeKnetCsv(testing::HeadOf(testing::PeerText(peer))));
    EXPECT_FALSE(LooksLikeKnetCsv(testing::HeadOf(testing::EsmText(testing::TypicalEsmFixture({1.0})))));
}

}  // namespace
}  // namespace tremblo
