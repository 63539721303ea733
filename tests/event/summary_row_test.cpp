#include <gtest/gtest.h>

#include <charconv>
#include <cstring>

#include "event/epicentral_distance.h"
#include "event/event_row.h"
#include "event/summary_row_parse.h"
#include "summary_fixture.h"

namespace tremblo {
namespace {

using testing::SummaryHeaderLine;
using testing::SummaryLine;

TEST(SplitCsvLine, QuotingAndLineEnds) {
    const struct {
        const char* line;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,b,c\r\n", {"a", "b", "c"}},
        {"a,b\n", {"a", "b"}},
        {"", {""}},
        {",,\r\n", {"", "", ""}},
        {"\"x,y\",\"said \"\"hi\"\"\",\r\n", {"x,y", "said \"hi\"", ""}},
        {"\"two\r\nlines\",z\r\n", {"two\r\nlines", "z"}},
        {"\"\"\"\",end", {"\"", "end"}},
        {"東京,\"港区, 芝\"\r\n", {"東京", "港区, 芝"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCsvLine(c.line), c.fields) << c.line;
}

TEST(ParseFloatCell, ShortestFormReadsBackExactly) {
    for (float value : {0.1f, 123.456f, 1e-7f, 3.4028235e38f, -0.0f, 981.2345f, 16777217.0f, 1.17549435e-38f}) {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, value).ptr;
        const std::optional<float> read = ParseFloatCell(std::string_view(text, end - text));
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(std::memcmp(&*read, &value, sizeof value), 0) << text;
    }
    for (const char* bad : {"", "12x", " 12", "nan", "abc"}) EXPECT_FALSE(ParseFloatCell(bad)) << bad;
    EXPECT_EQ(ParseDoubleCell("35.1234"), 35.1234);
}

TEST(NetworkOf, FromExtensionAndFormat) {
    const struct {
        const char* file;
        const char* format;
        Network network;
    } cases[] = {
        {"AIC0012411051012.NS", "knet", Network::Knet},
        {"records/aic0012411051012.ud.gz", "knet", Network::Knet},
        {"AICH011105101210.EW1", "knet", Network::KikBorehole},
        {"aich011105101210.ud1.GZ", "knet", Network::KikBorehole},
        {"AICH011105101210.Ns2", "knet", Network::KikSurface},
        {"event.tar:inner.tar.gz:kik/AICH011105101210.UD2", "knet", Network::KikSurface},
        {"event.tar:AICH01.ud1.tar:AIC0011105101210.NS", "", Network::Knet},
        {"folder.ns2/AIC0011105101210.EW", "knet", Network::Knet},
        {"HIR001.csv", "hiroshima", Network::Hiroshima},
        {"x.NS2", "cdpc", Network::Cdpc},
        {"noextension", "", Network::Knet},
        {"RSN763_LOMAP_GIL067.AT2", "peer", Network::Peer},
        {"event.tar:MYG004.csv", "knet-csv", Network::KnetCsv},
        {"x.V2A", "geonet", Network::GeoNet},
    };
    for (const auto& c : cases) EXPECT_EQ(NetworkOf(c.file, c.format), c.network) << c.file;
    EXPECT_STREQ(NetworkText(Network::KikBorehole), "KiK-net 地中");
}

// A three-component K-NET row; the vertical component has the largest PGV and SA.
std::map<std::string, std::string> KnetCells() {
    return {{"file", "rec/AIC0012411051012.NS"}, {"format", "knet"}, {"station_code", "AIC001"},
            {"station_name", "Name, \"quoted\""}, {"station_lat", "35.1234"}, {"station_lon", "136.9"},
            {"event_lat", "35.1234"}, {"event_lon", "137.9"}, {"origin_time", "2024/11/05 10:12:00"},
            {"c1_label", "NS"}, {"c1_pga_gal", "120.5"}, {"c1_pgv_kine", "8.25"},
            {"c2_label", "EW"}, {"c2_pga_gal", "250.75"}, {"c2_pgv_kine", "9.5"},
            {"c3_label", "UD"}, {"c3_pga_gal", "80.125"}, {"c3_pgv_kine", "30"},
            {"jma_intensity", "4.6"}, {"jma_class", "5強"},
            {"c1_sa5_0.198s", "300.5"}, {"c2_sa5_0.198s", "200"}, {"c3_sa5_0.198s", "900"},
            {"c1_sa5_0.100s", "999"}, {"c1_sa5_0.998s", "50"}, {"c2_sa5_0.998s", "60.0625"},
            {"c3_sa5_0.998s", "700"}, {"c1_sa5_1.987s", "888"}};
}

void ExpectKnetValues(const EventRow& row) {
    EXPECT_FALSE(row.failed());
    EXPECT_EQ(row.network, Network::Knet);
    EXPECT_EQ(row.stationCode, "AIC001");
    EXPECT_EQ(row.stationName, "Name, \"quoted\"");
    EXPECT_EQ(row.jmaClass, "5強");
    EXPECT_EQ(row.labels, (std::array<std::string, 3>{"NS", "EW", "UD"}));
    EXPECT_EQ(row.pga[1], 250.75f);
    EXPECT_EQ(row.pgaText, (std::array<std::string, 3>{"120.5", "250.75", "80.125"}));
    EXPECT_EQ(row.pgaMax, 250.75f);
    EXPECT_EQ(row.pgaMaxText, "250.75");
    EXPECT_EQ(row.pgvHorizontal, 9.5f);  // UD's 30 is not horizontal
    EXPECT_EQ(row.pgvText, "9.5");
    EXPECT_EQ(row.jmaIntensity, 4.6f);
    EXPECT_EQ(row.jmaText, "4.6");
    EXPECT_EQ(row.sa02, 300.5f);
    EXPECT_EQ(row.sa10Text, "60.0625");
    ASSERT_TRUE(row.distanceKm);
    EXPECT_EQ(*row.distanceKm, EpicentralDistanceKm(35.1234, 136.9, 35.1234, 137.9));
}

TEST(ParseSummaryRow, ReadsTheBatchRowWithAndWithoutRotD) {
    for (bool withRotD : {false, true}) {
        SCOPED_TRACE(withRotD);
        const SummaryColumns columns(SummaryHeaderLine(withRotD));
        ASSERT_TRUE(columns.IsSummaryHeader());
        EXPECT_EQ(columns.sa02Period(), 0.198);
        EXPECT_EQ(columns.sa10Period(), 0.998);
        auto cells = KnetCells();
        if (withRotD) cells.insert({{"rotd50_sa5_0.198s", "5000"}, {"rotd100_sa5_0.998s", "6000"}});
        const std::string line = SummaryLine(cells, withRotD);
        const EventRow row = ParseSummaryRow(columns, line);
        EXPECT_EQ(row.summaryLine, line);
        EXPECT_EQ(row.file, "rec/AIC0012411051012.NS");
        ExpectKnetValues(row);
    }
}

TEST(ParseSummaryRow, FailedAndPartialRows) {
    const SummaryColumns columns(SummaryHeaderLine(false));
    const EventRow failed = ParseSummaryRow(
        columns, SummaryLine({{"file", "a.tar:AICH011105101210.UD2"}, {"error", "読めません, \"壊れた\" gzip"}}, false));
    EXPECT_TRUE(failed.failed());
    EXPECT_EQ(failed.error, "読めません, \"壊れた\" gzip");
    EXPECT_EQ(failed.network, Network::KikSurface);
    EXPECT_FALSE(failed.pgaMax || failed.pgvHorizontal || failed.jmaIntensity || failed.distanceKm);

    // A vertical component alone: its PGA counts, no horizontal PGV or SA.
    const EventRow vertical = ParseSummaryRow(
        columns, SummaryLine({{"file", "X.UD1"}, {"format", "knet"}, {"c1_label", "UD1"}, {"c1_pga_gal", "7.5"},
                              {"c1_pgv_kine", "1"}, {"c1_sa5_0.198s", "3"}, {"station_lat", "35"}},
                             false));
    EXPECT_EQ(vertical.pgaMax, 7.5f);
    EXPECT_FALSE(vertical.pgvHorizontal || vertical.sa02 || vertical.distanceKm);
    EXPECT_EQ(vertical.pgvText, "");

    // Other formats have no coordinates; a line without CR LF is kept with one.
    std::string line = SummaryLine({{"file", "H.csv"}, {"format", "hiroshima"}, {"station_lat", "34"},
                                    {"station_lon", "132"}, {"event_lat", "34"}, {"event_lon", "133"}},
                                   false);
    const std::string crlfLine = line;
    line.resize(line.size() - 2);
    const EventRow hiroshima = ParseSummaryRow(columns, line);
    EXPECT_EQ(hiroshima.network, Network::Hiroshima);
    EXPECT_FALSE(hiroshima.stationLat || hiroshima.distanceKm);
    EXPECT_EQ(hiroshima.summaryLine, crlfLine);
}

TEST(SummaryColumns, FindsColumnsByNameWhateverTheOrder) {
    const SummaryColumns columns("\xEF\xBB\xBF" "error,c2_sa5_1.2s,file,c2_label,c2_sa5_0.3s,c2_sa5_0.15s\r\n");
    EXPECT_TRUE(columns.IsSummaryHeader());
    EXPECT_EQ(columns.Find("file"), 2u);
    EXPECT_EQ(columns.Sa02Column(1), 5u);  // 0.15 s is 0.05 s from 0.2 s, 0.3 s is 0.1 s
    EXPECT_EQ(columns.Sa10Column(1), 1u);
    EXPECT_FALSE(columns.Sa02Column(0));
    EXPECT_FALSE(SummaryColumns("a,b\r\n").IsSummaryHeader());
}

// A record's file by its own name first, then what holds it: the archive
// given by its file name only (never the folder it lies in), and the
// archives inside it; a file on disk, by its folder.
TEST(PlaceOfRecordFile, NameFirstThenWhereItLies) {
    const struct {
        const char* file;
        const char* name;
        const char* holder;
    } cases[] = {
        {"/tmp/x/d.tar:e.knt.tar.gz:AIC0032411051012.NS", "AIC0032411051012.NS", "d.tar:e.knt.tar.gz"},
        {"/tmp/x/d.tar:e.knt.tar.gz:2024/AIC0032411051012.NS", "AIC0032411051012.NS", "d.tar:e.knt.tar.gz"},
        {"/data/ev.tgz:ev/AIC0012411051012.EW", "AIC0012411051012.EW", "ev.tgz"},
        {"/data/a:b/ev.tar:X.NS", "X.NS", "ev.tar"},  // a separator in a folder's name
        {"/tmp/x/d.tar:e.knt.tar.gz", "e.knt.tar.gz", "d.tar"},  // an archive inside that failed
        {"/tmp/x/d.tar", "d.tar", "/tmp/x"},
        {"/rec/GONE0012411051012.NS", "GONE0012411051012.NS", "/rec"},
        {"AIC0012411051012.NS", "AIC0012411051012.NS", ""},
    };
    for (const auto& c : cases) {
        const RecordFilePlace place = PlaceOfRecordFile(c.file);
        EXPECT_EQ(place.name, c.name) << c.file;
        EXPECT_EQ(place.holder, c.holder) << c.file;
    }
}

// A failed row keeps the station code its summary line gives.
TEST(ParseSummaryRow, FailedRowKeepsItsStationCode) {
    const SummaryColumns columns(SummaryHeaderLine(false));
    const EventRow failed = ParseSummaryRow(
        columns, SummaryLine({{"file", "a.tar:AIC0032411051012.NS"}, {"station_code", "AIC003"}, {"error", "x"}}, false));
    EXPECT_TRUE(failed.failed());
    EXPECT_EQ(failed.stationCode, "AIC003");
}

}  // namespace
}  // namespace tremblo
