#include <gtest/gtest.h>

#include <array>

#include "event/event_map.h"
#include "event/event_table.h"
#include "summary_fixture.h"

namespace tremblo {
namespace {

EventRow MakeRow(std::string code, std::string name, Network network, std::optional<float> pgaMax,
                 std::optional<double> distance, std::string jmaClass = "", std::string error = "") {
    EventRow row;
    row.stationCode = std::move(code);
    row.stationName = std::move(name);
    row.network = network;
    row.pgaMax = pgaMax;
    row.distanceKm = distance;
    row.jmaClass = std::move(jmaClass);
    row.error = std::move(error);
    return row;
}

std::vector<std::string> VisibleCodes(const EventTable& table) {
    std::vector<std::string> codes;
    for (std::size_t index : table.Visible()) codes.push_back(table.rows()[index].stationCode);
    return codes;
}

class EventTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.Add(MakeRow("B02", "乙川", Network::KikSurface, 5.0f, 10.0, "5弱"));
        table.Add(MakeRow("a01", "甲山", Network::Knet, 100.0f, std::nullopt, "5強"));
        table.Add(MakeRow("C03", "丙谷", Network::KikBorehole, 20.0f, 2.5, ""));
        table.Add(MakeRow("", "", Network::Knet, std::nullopt, std::nullopt, "", "読めません"));
        table.Add(MakeRow("A10", "", Network::Hiroshima, 20.0f, 300.0, "4"));
    }
    EventTable table;
};

TEST_F(EventTableTest, SortsNumbersAsNumbersAndEmptiesLast) {
    const struct {
        EventColumn column;
        bool ascending;
        std::vector<std::string> codes;
    } cases[] = {
        {EventColumn::PgaMax, true, {"B02", "C03", "A10", "a01", ""}},
        {EventColumn::PgaMax, false, {"a01", "C03", "A10", "B02", ""}},
        {EventColumn::Distance, true, {"C03", "B02", "A10", "a01", ""}},
        {EventColumn::Distance, false, {"A10", "B02", "C03", "a01", ""}},
        {EventColumn::Code, true, {"A10", "B02", "C03", "a01", ""}},
        {EventColumn::Code, false, {"a01", "C03", "B02", "A10", ""}},
        {EventColumn::JmaClass, true, {"A10", "B02", "a01", "C03", ""}},
        {EventColumn::JmaClass, false, {"a01", "B02", "A10", "C03", ""}},
        {EventColumn::Network, true, {"a01", "", "B02", "C03", "A10"}},
        {EventColumn::Error, true, {"", "B02", "a01", "C03", "A10"}},
        {EventColumn::Error, false, {"", "B02", "a01", "C03", "A10"}},
    };
    for (const auto& c : cases) {
        EventTable fresh;
        for (const EventRow& row : table.rows()) fresh.Add(row);
        fresh.SortBy(c.column, c.ascending);
        EXPECT_EQ(VisibleCodes(fresh), c.codes) << static_cast<int>(c.column) << " " << c.ascending;
    }
}

// Every number column sorts by its own values: each orders the four rows
// in a way no other column does (a fifth row without values comes last).
TEST(EventTableColumns, EachNumberColumnSortsByItsOwnValues) {
    const std::vector<std::string> codes{"A", "B", "C", "D"};
    const struct {
        EventColumn column;
        std::array<int, 4> values;  // of A, B, C, D
        const char* ascending;      // the codes in ascending order
    } columns[] = {
        {EventColumn::Distance, {1, 2, 3, 4}, "ABCD"}, {EventColumn::Pga1, {2, 1, 4, 3}, "BADC"},
        {EventColumn::Pga2, {3, 4, 1, 2}, "CDAB"},     {EventColumn::Pga3, {4, 3, 2, 1}, "DCBA"},
        {EventColumn::PgaMax, {1, 3, 2, 4}, "ACBD"},   {EventColumn::Pgv, {2, 4, 1, 3}, "CADB"},
        {EventColumn::Jma, {3, 1, 4, 2}, "BDAC"},      {EventColumn::Sa02, {4, 2, 3, 1}, "DBCA"},
        {EventColumn::Sa10, {1, 4, 3, 2}, "ADCB"},
    };
    EventTable table;
    for (std::size_t r = 0; r < codes.size(); ++r) {
        EventRow row;
        row.stationCode = codes[r];
        const auto value = [&](EventColumn column) {
            for (const auto& c : columns)
                if (c.column == column) return static_cast<float>(c.values[r]);
            return 0.0f;
        };
        row.distanceKm = value(EventColumn::Distance);
        row.pga = {value(EventColumn::Pga1), value(EventColumn::Pga2), value(EventColumn::Pga3)};
        row.pgaMax = value(EventColumn::PgaMax);
        row.pgvHorizontal = value(EventColumn::Pgv);
        row.jmaIntensity = value(EventColumn::Jma);
        row.sa02 = value(EventColumn::Sa02);
        row.sa10 = value(EventColumn::Sa10);
        table.Add(row);
    }
    EventRow empty;
    empty.stationCode = "E";
    table.Add(empty);
    for (const auto& c : columns) {
        for (const bool ascending : {true, false}) {
            table.SortBy(c.column, ascending);
            std::string expected = c.ascending;
            if (!ascending) expected = std::string(expected.rbegin(), expected.rend());
            std::string got;
            for (const std::string& code : VisibleCodes(table)) got += code;
            EXPECT_EQ(got, expected + "E") << static_cast<int>(c.column) << " " << ascending;
        }
    }
}

TEST_F(EventTableTest, SortIsStableOverThePreviousOrder) {
    // C03 and A10 both have 20 gal: arrival order first, then the code order.
    table.SortBy(EventColumn::PgaMax, true);
    EXPECT_EQ(VisibleCodes(table), (std::vector<std::string>{"B02", "C03", "A10", "a01", ""}));
    table.SortBy(EventColumn::Code, true);
    table.SortBy(EventColumn::PgaMax, true);
    EXPECT_EQ(VisibleCodes(table), (std::vector<std::string>{"B02", "A10", "C03", "a01", ""}));
    table.SortBy(EventColumn::PgaMax, false);
    EXPECT_EQ(VisibleCodes(table), (std::vector<std::string>{"a01", "A10", "C03", "B02", ""}));
}

TEST_F(EventTableTest, FiltersByPrefixAndNetworkAndCounts) {
    const struct {
        std::string prefix;
        std::set<Network> networks;
        std::vector<std::string> codes;
    } cases[] = {
        {"", {}, {"B02", "a01", "C03", "", "A10"}},
        {"a", {}, {"a01", "A10"}},
        {"A0", {}, {"a01"}},
        {"甲", {}, {"a01"}},
        {"丙", {Network::KikBorehole, Network::KikSurface}, {"C03"}},
        {"", {Network::Knet}, {"a01", ""}},
        {"b02", {Network::Knet}, {}},
        {"zz", {}, {}},
    };
    for (const auto& c : cases) {
        table.SetFilter(c.prefix, c.networks);
        EXPECT_EQ(VisibleCodes(table), c.codes) << c.prefix;
        EXPECT_EQ(table.shownCount(), c.codes.size());
    }
    EXPECT_EQ(table.readCount(), 5u);
    EXPECT_EQ(table.failedCount(), 1u);
    table.SetFilter("a", {});
    EXPECT_EQ(table.VisiblePosition(4), 1u);
    EXPECT_FALSE(table.VisiblePosition(0));
    table.Clear();
    EXPECT_EQ(table.readCount() + table.failedCount() + table.shownCount(), 0u);
}

// Rows added one at a time under a sort and a filter end up where sorting
// and filtering all of them at once puts them.
TEST(EventTableAdd, IncrementalAddMatchesSortingEverything) {
    std::vector<EventRow> rows;
    unsigned state = 12345;
    auto next = [&] { return (state = state * 1103515245u + 12345u) >> 16; };
    for (int i = 0; i < 1500; ++i) {
        const unsigned r = next();
        const std::optional<float> pga = r % 9 == 0 ? std::nullopt : std::optional<float>(static_cast<float>(r % 37));
        const Network network = static_cast<Network>(r % 5);
        rows.push_back(MakeRow(std::string(1, static_cast<char>('A' + r % 3)) + std::to_string(i), "", network, pga,
                               std::nullopt));
    }
    for (bool ascending : {true, false}) {
        EventTable incremental;
        incremental.SortBy(EventColumn::PgaMax, ascending);
        incremental.SetFilter("b", {Network::Knet, Network::KikSurface});
        for (const EventRow& row : rows) incremental.Add(row);
        EventTable atOnce;
        for (const EventRow& row : rows) atOnce.Add(row);
        atOnce.SortBy(EventColumn::PgaMax, ascending);
        atOnce.SetFilter("b", {Network::Knet, Network::KikSurface});
        EXPECT_GT(atOnce.shownCount(), 100u);
        EXPECT_EQ(incremental.Visible(), atOnce.Visible());
        incremental.SetFilter("", {});
        atOnce.SetFilter("", {});
        EXPECT_EQ(incremental.Visible(), atOnce.Visible());
    }
}

TEST(EventTableCsv, SummaryCsvIsTheHeaderAndTheLinesInArrivalOrder) {
    const std::string header = testing::SummaryHeaderLine(true);
    const SummaryColumns columns(header);
    const std::vector<std::string> lines{
        testing::SummaryLine({{"file", "b/X.NS"}, {"station_code", "X"}, {"c1_pga_gal", "2"}}, true),
        testing::SummaryLine({{"file", "a/\"odd\", name.EW"}, {"error", "line\r\nbreak"}}, true),
        testing::SummaryLine({{"file", "c/A.UD"}, {"station_code", "A"}, {"c1_pga_gal", "1"}}, true)};
    EventTable table;
    table.SortBy(EventColumn::Code, true);
    std::string expected = header;
    for (const std::string& line : lines) {
        table.Add(ParseSummaryRow(columns, line));
        expected += line;
    }
    EXPECT_EQ(table.SummaryCsv(header), expected);
    // A header given without its line end gets CR LF.
    EXPECT_EQ(table.SummaryCsv(header.substr(0, header.size() - 2)), expected);
}


// The map shows the rows shown in the order they came (its epicentre the
// first one's), however the table is sorted.
TEST(EventMapPoints, InArrivalOrderWhateverTheSort) {
    EventTable table;
    for (const auto& [lat, pga, network] : {std::tuple{35.0, 5.0f, Network::Knet}, std::tuple{35.2, 50.0f, Network::Knet},
                                            std::tuple{35.4, 20.0f, Network::KikSurface}}) {
        EventRow row = MakeRow("A", "", network, pga, std::nullopt);
        row.stationLat = row.eventLat = lat;
        row.stationLon = row.eventLon = 139.0;
        table.Add(std::move(row));
    }
    table.SortBy(EventColumn::PgaMax, false);
    ASSERT_EQ(table.Visible(), (std::vector<std::size_t>{1, 2, 0}));
    const EventMapPoints sorted = MapPointsOf(table);
    EXPECT_EQ(sorted.rows, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(sorted.epicentre, std::make_pair(35.0, 139.0));
    EXPECT_FALSE(table.filtered());
    table.SetFilter("", {Network::Knet});
    EXPECT_TRUE(table.filtered());
    EXPECT_EQ(MapPointsOf(table).rows, (std::vector<std::size_t>{0, 1}));
}

}  // namespace
}  // namespace tremblo
