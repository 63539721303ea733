// The intensity window's table: where each measure lands, how a cell reads,
// and the tab-separated text of the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "pipeline/measure_table.h"

namespace tremblo {
namespace {

const MeasureTableRow& RowNamed(const MeasureTable& table, const std::string& name) {
    for (const MeasureTableRow& row : table.rows)
        if (row.name == name) return row;
    ADD_FAILURE() << "no row " << name;
    static const MeasureTableRow none;
    return none;
}

// Two components with distinct values in every measure but the ones left
// out; a horizontal SI value and rotated peaks.
RecordMeasures TwoComponents() {
    RecordMeasures m;
    m.componentCount = 2;
    for (int c = 0; c < 2; ++c) {
        TimeDomainMeasures& t = m.components[static_cast<std::size_t>(c)].time;
        const double k = c + 1;
        t.ariasIntensity = 0.1 * k;
        t.durations.d5_75 = 2.0 * k;
        t.durations.d5_95 = 3.0 * k;
        t.cumulative = CumulativeVelocity{10.0 * k, 5.0 * k, std::nullopt};
        t.bracketed = c == 0 ? std::optional<double>(7.5) : std::nullopt;
        m.components[static_cast<std::size_t>(c)].spectrum = ComponentSpectrumIntensity{4.0 * k, 3.0 * k};
    }
    m.components[0].time.cumulative.cavStd = 1.25;
    m.horizontalSi = HorizontalSpectrumIntensity{9.5, 30, {}, {}};
    m.rotatedPeaks = RotatedPeaks{{100.0, 120.0}, {10.0, 12.0}, {1.0, 1.5}};
    return m;
}

TEST(MeasureTable, EachMeasureInItsRowAndColumn) {
    const MeasureTable table = MeasureTableOf(TwoComponents());
    EXPECT_EQ(table.componentCount, 2);
    using Cells = std::vector<std::optional<double>>;
    const std::optional<double> none;
    const struct {
        const char* row;
        Cells cells;  // NS, EW, horizontal
    } cases[] = {
        {"arias", {0.1, 0.2, none}},
        {"d5_75", {2.0, 4.0, none}},
        {"d5_95", {3.0, 6.0, none}},
        {"cav", {10.0, 20.0, none}},
        {"cav5", {5.0, 10.0, none}},
        {"cavstd", {1.25, none, none}},
        {"bracketed", {7.5, none, none}},
        {"housner_si", {4.0, 8.0, none}},
        {"si", {3.0, 6.0, 9.5}},
        {"pga_rotd50", {none, none, 100.0}},
        {"pga_rotd100", {none, none, 120.0}},
        {"pgv_rotd50", {none, none, 10.0}},
        {"pgv_rotd100", {none, none, 12.0}},
        {"pgd_rotd50", {none, none, 1.0}},
        {"pgd_rotd100", {none, none, 1.5}},
    };
    ASSERT_EQ(table.rows.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(table.rows[i].name, cases[i].row);
        EXPECT_EQ(table.rows[i].cells, cases[i].cells) << cases[i].row;
    }
    EXPECT_EQ(MeasureTableRowNames().size(), std::size(cases));
}

TEST(MeasureTable, MissingSpectraAndHorizontalsLeaveCellsEmpty) {
    RecordMeasures m = TwoComponents();
    m.components[1].spectrum.reset();
    m.horizontalSi.reset();
    m.rotatedPeaks.reset();
    const MeasureTable table = MeasureTableOf(m);
    EXPECT_EQ(RowNamed(table, "housner_si").cells, (std::vector<std::optional<double>>{4.0, std::nullopt, std::nullopt}));
    EXPECT_EQ(RowNamed(table, "si").cells, (std::vector<std::optional<double>>{3.0, std::nullopt, std::nullopt}));
    for (const char* name : {"pga_rotd50", "pgv_rotd100", "pgd_rotd50"})
        for (const auto& cell : RowNamed(table, name).cells) EXPECT_FALSE(cell.has_value()) << name;
}

TEST(MeasureTable, ComponentCountBeyondTheRecordIsBounded) {
    RecordMeasures m = TwoComponents();
    for (int count : {-4, 0, 3, 99}) {
        m.componentCount = count;
        const MeasureTable table = MeasureTableOf(m);
        const int expected = count < 0 ? 0 : (count > MAX_COMPONENTS ? MAX_COMPONENTS : count);
        EXPECT_EQ(table.componentCount, expected) << count;
        for (const MeasureTableRow& row : table.rows)
            EXPECT_EQ(row.cells.size(), static_cast<std::size_t>(expected) + 1) << count << " " << row.name;
    }
}

TEST(MeasureTable, CellsShowFourSignificantDigitsWithoutExponent) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::optional<double> value;
        const char* text;
    } cases[] = {
        {std::nullopt, ""}, {nan, ""},           {inf, ""},           {-inf, ""},
        {0.0, "0.000"},     {-0.0, "0.000"},     {0.12346, "0.1235"}, {1.0, "1.000"},
        {9.87654, "9.877"}, {123.456, "123.5"},  {4321.6, "4322"},    {98765.4, "98765"},
        {-2.5, "-2.500"},   {-0.00012346, "-0.0001235"}, {-0.00000001, "-0.00000001000"},
    };
    for (const auto& c : cases) EXPECT_EQ(MeasureCellText(c.value), c.text) << (c.value ? *c.value : -1.0);
}

TEST(MeasureTable, TabSeparatedTextHasTitlesAndShownCells) {
    RecordMeasures m = TwoComponents();
    m.componentCount = 1;
    const MeasureTable table = MeasureTableOf(m);
    std::vector<std::string> rows;
    for (std::size_t r = 0; r < table.rows.size(); ++r) rows.push_back("R" + std::to_string(r));
    const std::string text = MeasureTableTsv(table, {"NS", "H"}, rows);
    const std::string expectedStart = "\tNS\tH\r\nR0\t0.1000\t\r\nR1\t2.000\t\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(text.find("\r\nR8\t3.000\t9.500\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nR14\t\t1.500\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 16);
    // Without titles for them, rows are named as the summary names them.
    EXPECT_NE(MeasureTableTsv(table, {"NS", "H"}, {}).find("\r\npgd_rotd100\t\t1.500\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tremblo
