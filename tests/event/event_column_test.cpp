// The event list's columns: their keys (settings, command line), the
// choice read back from saved keys, and the measures' columns read from a
// summary line.
#include <gtest/gtest.h>

#include <set>

#include "event/event_column.h"
#include "event/event_column_number.h"
#include "event/event_row.h"
#include "event/measure_columns.h"
#include "summary_fixture.h"

namespace tremblo {
namespace {

TEST(EventColumns, EveryColumnHasAKeyOfItsOwnThatNamesItBack) {
    std::set<std::string> keys;
    for (const EventColumn column : EventColumnsInTableOrder()) {
        const std::string key = EventColumnKey(column);
        EXPECT_FALSE(key.empty()) << static_cast<int>(column);
        EXPECT_TRUE(keys.insert(key).second) << key;
        EXPECT_EQ(EventColumnOfKey(key), column) << key;
    }
    EXPECT_EQ(keys.size(), 14u + kMeasureColumnCount);
    for (const char* unknown : {"", "c4_arias", "PGA_MAX", "pga_max ", "c1_pga"}) EXPECT_FALSE(EventColumnOfKey(unknown)) << unknown;
}

TEST(EventColumns, MeasureColumnsFollowTheFixedOnesAndMapBack) {
    for (int k = 0; k < kMeasureColumnCount; ++k) {
        const EventColumn column = MeasureEventColumn(k);
        EXPECT_EQ(MeasureIndexOf(column), k);
        EXPECT_EQ(GroupOf(column), EventColumnGroup::Measures);
        EXPECT_EQ(EventColumnKey(column), MeasureColumns()[static_cast<std::size_t>(k)].name);
    }
    EXPECT_FALSE(MeasureIndexOf(EventColumn::Error));
    EXPECT_FALSE(MeasureIndexOf(MeasureEventColumn(kMeasureColumnCount)));
    EXPECT_EQ(EventColumnsInTableOrder().back(), MeasureEventColumn(kMeasureColumnCount - 1));
}

TEST(EventColumns, SavedKeysGiveTheChoiceOrTheDefaultWhenNoneIsKnown) {
    const std::set<EventColumn> defaults = DefaultShownColumns();
    const EventColumn arias = *EventColumnOfKey("c1_arias");
    const EventColumn rotd = *EventColumnOfKey("pga_rotd50");
    const struct {
        std::vector<std::string> keys;
        std::set<EventColumn> expected;
        bool measures;
    } cases[] = {
        {{}, defaults, false},
        {{"no_such_column"}, defaults, false},
        {{"pga_max", "c1_arias"}, {EventColumn::PgaMax, arias}, true},
        {{"c1_arias", "bogus", "error", "c1_arias"}, {arias, EventColumn::Error}, true},
        {{"station_code", "jma_class"}, {EventColumn::Code, EventColumn::JmaClass}, false},
        {{"pga_rotd50"}, {rotd}, true},
    };
    for (const auto& c : cases) {
        const std::set<EventColumn> shown = ShownColumnsOfKeys(c.keys);
        EXPECT_EQ(shown, c.expected) << c.keys.size();
        EXPECT_EQ(NeedsMeasures(shown), c.measures) << c.keys.size();
        // Saved and read back, the same choice.
        EXPECT_EQ(ShownColumnsOfKeys(KeysOfColumns(shown)), shown);
    }
    EXPECT_FALSE(defaults.contains(arias));
    EXPECT_TRUE(defaults.contains(EventColumn::PgaMax));
}

// A summary line of --measures: every measure cell read, by name, wherever
// the columns lie; empty cells and a summary without them give no value.
TEST(EventColumns, MeasureCellsAreReadByName) {
    std::vector<std::string> names = testing::SummaryColumnNames(false);
    names.pop_back();  // error last
    for (const MeasureColumn& m : MeasureColumns()) names.push_back(m.name);
    names.push_back("error");
    std::string header;
    for (const std::string& name : names) header += (header.empty() ? "" : ",") + name;
    std::vector<std::string> cells(names.size());
    cells[0] = "A.NS";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == "c1_arias") cells[i] = "0.0123";
        if (names[i] == "c3_d5_95") cells[i] = "41.5";
        if (names[i] == "si_horizontal") cells[i] = "12.75";
        if (names[i] == "pgd_rotd100") cells[i] = "3.5e-05";
    }
    const SummaryColumns columns(header);
    const EventRow row = ParseSummaryRow(columns, testing::CsvLine(cells));
    const struct {
        const char* key;
        std::optional<double> value;
    } cases[] = {
        {"c1_arias", static_cast<double>(0.0123f)}, {"c3_d5_95", 41.5}, {"si_horizontal", 12.75},
        {"pgd_rotd100", static_cast<double>(3.5e-05f)}, {"c2_arias", std::nullopt}, {"pga_rotd50", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(EventColumnNumber(row, *EventColumnOfKey(c.key)), c.value) << c.key;

    const SummaryColumns plain(testing::CsvLine(testing::SummaryColumnNames(false)));
    std::vector<std::string> plainCells(names.size() - kMeasureColumnCount, "1");
    plainCells.back() = "";  // no error
    const EventRow without = ParseSummaryRow(plain, testing::CsvLine(plainCells));
    ASSERT_FALSE(without.failed());
    ASSERT_EQ(without.pgaMax, 1.0f);
    for (int k = 0; k < kMeasureColumnCount; ++k) EXPECT_FALSE(without.measures[static_cast<std::size_t>(k)]) << k;
}

}  // namespace
}  // namespace tremblo
