// A station's colour when the map is coloured by a numeric column: the
// column's number of its row on the blue-to-red scale of the rows' range,
// hollow grey without a number.
#include <gtest/gtest.h>

#include <vector>

#include "event/event_column_number.h"
#include "event/value_colors.h"

namespace tremblo {
namespace {

Color FromRgb(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }
const StationFill kBlue{FromRgb(0x2040C0), false}, kGreen{FromRgb(0x30B030), false}, kRed{FromRgb(0xD02020), false};
const StationFill kHollow{kNoValueColor, true};

// Three stations: near and weak, middle, far and strong; a fourth without
// values but its code.
std::vector<EventRow> Rows() {
    std::vector<EventRow> rows(4);
    const double distance[] = {10.0, 55.0, 100.0};
    const float pga[] = {40.0f, 70.0f, 100.0f};
    const float jma[] = {5.0f, 3.0f, 1.0f};
    for (std::size_t i = 0; i < 3; ++i) {
        rows[i].stationCode = "S" + std::to_string(i);
        rows[i].distanceKm = distance[i];
        rows[i].pgaMax = pga[i];
        rows[i].jmaIntensity = jma[i];
    }
    rows[3].stationCode = "NONE";
    return rows;
}

std::vector<StationFill> FillsBy(const std::vector<EventRow>& rows, EventColumn column) {
    std::vector<std::optional<double>> values;
    for (const EventRow& row : rows) values.push_back(EventColumnNumber(row, column));
    const std::optional<ValueRange> range = RangeOfValues(values);
    std::vector<StationFill> fills;
    for (const auto& value : values) fills.push_back(range ? StationFillOf(value, *range) : StationFill{});
    return fills;
}

TEST(StationColouring, ColourFollowsTheChosenColumn) {
    const struct {
        EventColumn column;
        std::vector<StationFill> expected;
    } cases[] = {
        {EventColumn::Distance, {kBlue, kGreen, kRed, kHollow}},
        {EventColumn::PgaMax, {kBlue, kGreen, kRed, kHollow}},  // 70 is halfway from 40 to 100
        {EventColumn::Jma, {kRed, kGreen, kBlue, kHollow}},
        {EventColumn::Pga1, {kHollow, kHollow, kHollow, kHollow}},  // no row has it
        {EventColumn::Code, {kHollow, kHollow, kHollow, kHollow}},  // a text column
    };
    const std::vector<EventRow> rows = Rows();
    for (const auto& c : cases) EXPECT_EQ(FillsBy(rows, c.column), c.expected) << static_cast<int>(c.column);
}

TEST(StationColouring, NumericColumnsAreTheOnesWithNumbers) {
    EventRow row;
    row.distanceKm = 1;
    row.pga = {1.0f, 2.0f, 3.0f};
    row.pgaMax = 3;
    row.pgvHorizontal = 1;
    row.jmaIntensity = 1;
    row.sa02 = 1;
    row.sa10 = 1;
    row.stationCode = "X";
    row.stationName = "Y";
    row.jmaClass = "1";
    row.error = "e";
    for (int c = 0; c <= static_cast<int>(EventColumn::Error); ++c) {
        const auto column = static_cast<EventColumn>(c);
        EXPECT_EQ(EventColumnNumber(row, column).has_value(), IsNumericEventColumn(column)) << c;
    }
    EXPECT_EQ(EventColumnNumber(row, EventColumn::Pga2), 2.0);
}

}  // namespace
}  // namespace tremblo
