#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "spectrum/period_table.h"
#include "support/temp_folder.h"
#include "target/target_table_file.h"

namespace tremblo {
namespace {

using namespace std::string_literals;

Result<TargetSpectrum> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseTargetTable(in, "dir/site.csv");
}

TEST(TargetTable, InterpolatesInLogLogBetweenItsPointsOnly) {
    // A header, a byte order mark, CR LF, blank lines, a third column.
    const auto target = Parse("\xEF\xBB\xBFperiod,SA\r\n0.1,100\r\n\r\n 1.0 , 1000 ,x\r\n10,100\r\n");
    ASSERT_TRUE(target.ok()) << target.error().message;
    EXPECT_EQ(target.value().key, "site");
    // Drawn at its own three points and the 173 table periods between them (0.102 s, j = 27, to 9.739 s).
    const std::vector<double> drawn = TargetDrawingPeriods(target.value(), BuildPeriodTable().periods);
    EXPECT_EQ(drawn.size(), 3u + 173u);
    EXPECT_EQ(drawn.front(), 0.1);
    EXPECT_EQ(drawn.back(), 10.0);
    const struct {
        double period;
        std::optional<double> sa;
    } cases[] = {
        {0.1, 100.0}, {std::sqrt(0.1), std::sqrt(1e5)}, {1.0, 1000.0}, {std::pow(10.0, 0.25), std::pow(10.0, 2.75)},
        {10.0 * (1 + 1e-7), 100.0},  // within a millionth of an end
        {0.1 * (1 - 1e-7), 100.0},   // at either end: a period written with fewer digits
        {0.1 * (1 - 5e-7), 100.0},
        {0.099, std::nullopt}, {10.5, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> sa = target.value().SaAt(c.period);
        ASSERT_EQ(sa.has_value(), c.sa.has_value()) << c.period;
        if (sa) { EXPECT_NEAR(*sa, *c.sa, 1e-9 * *c.sa) << c.period; }
    }
}

TEST(TargetTable, RefusesWhatIsNoTableNamingTheLine) {
    const struct {
        std::string text;
        int line;
        const char* words;
    } cases[] = {
        {"0.1,100\n0.2\n", 2, "2 つの数値"},         {"period,SA\n0.1,100\nabc,5\n", 3, "2 つの数値"},
        {"0.1,100gal\n", 1, "2 つの数値"},           {"0.1,100\n0.2,1e999\n", 2, "2 つの数値"},
        {"0.1,100\n0.2,-5\n", 2, "0 より大きい"},    {"0.1,100\n0.1,200\n", 2, "短い順"},
        {"period,SA\n0.1,100\n", 0, "2 行以上"},     {"0.1,100\n" + std::string(5000, '7'), 2, "長すぎ"},
        // A NUL byte inside a number, in the header, or after the last column.
        {"0.1,1\0" "00\n0.5,300\n"s, 1, "NUL"},
        {"period,\0SA\n0.1,100\n0.5,300\n"s, 1, "NUL"},
        {"0.1,100\n0.5,300,\0\n"s, 2, "NUL"},
    };
    for (const auto& c : cases) {
        const auto target = Parse(c.text);
        ASSERT_FALSE(target.ok()) << c.text.substr(0, 30);
        EXPECT_EQ(target.error().line, c.line) << target.error().message;
        EXPECT_NE(target.error().message.find(c.words), std::string::npos) << target.error().message;
        if (c.line > 0) { EXPECT_NE(target.error().message.find(std::to_string(c.line) + " 行目"), std::string::npos); }
    }
    const testing::TempFolder folder;  // a folder is no table, and is not read
    EXPECT_NE(ReadTargetFile(folder.path().string()).error().message.find("表のファイルではありません"), std::string::npos);
}

}  // namespace
}  // namespace tremblo
