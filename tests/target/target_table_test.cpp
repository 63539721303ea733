#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/temp_folder.h"
#include "target/target_choice.h"
#include "target/target_table_file.h"

namespace tremblo {
namespace {

Result<TargetSpectrum> Parse(const std::string& text, const std::string& name = "site.csv") {
    std::istringstream in(text);
    return ParseTargetTable(in, name);
}

TEST(TargetTable, ReadsRowsAndInterpolatesInLogLog) {
    // A header, CR LF, a byte order mark, blank lines and a third column.
    const auto target = Parse("\xEF\xBB\xBFperiod,SA\r\n0.1,100\r\n\r\n 1.0 , 1000 ,x\r\n10,100\r\n", "dir/site.csv");
    ASSERT_TRUE(target.ok()) << target.error().message;
    const TargetSpectrum& t = target.value();
    EXPECT_EQ(t.key, "site");
    EXPECT_EQ(t.label, "site.csv");
    const struct {
        double period;
        std::optional<double> sa;
    } cases[] = {
        {0.1, 100.0},
        {std::sqrt(0.1), std::sqrt(100.0 * 1000.0)},  // halfway in log T: halfway in log SA
        {1.0, 1000.0},
        {std::pow(10.0, 0.25), std::pow(10.0, 2.75)},  // a quarter of the way from 1 to 10 s
        {10.0, 100.0},
        {0.1 * (1 - 1e-7), 100.0},  // within a millionth of the end
        {10.0 * (1 + 1e-7), 100.0},
        {0.099, std::nullopt},      // outside: undefined
        {10.5, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        const std::optional<double> sa = t.SaAt(c.period);
        ASSERT_EQ(sa.has_value(), c.sa.has_value());
        if (sa) {
            EXPECT_NEAR(*sa, *c.sa, 1e-9 * *c.sa);
        }
    }
}

TEST(TargetTable, RefusesWhatIsNoTableNamingTheLine) {
    const struct {
        const char* what;
        std::string text;
        int line;
        const char* words;
    } cases[] = {
        {"one number", "0.1,100\n0.2\n", 2, "2 つの数値"},
        {"text after the header", "period,SA\n0.1,100\nabc,5\n", 3, "2 つの数値"},
        {"a second header", "period,SA\nT,SA\n", 2, "2 つの数値"},
        {"number with text", "0.1,100gal\n", 1, "2 つの数値"},
        {"not finite", "0.1,100\n0.2,1e999\n", 2, "2 つの数値"},
        {"nan", "0.1,nan\n", 1, "2 つの数値"},
        {"negative SA", "0.1,100\n0.2,-5\n", 2, "0 より大きい"},
        {"zero period", "0,100\n", 1, "0 より大きい"},
        {"period repeated", "0.1,100\n0.1,200\n", 2, "短い順"},
        {"periods descending", "1,100\n0.5,200\n", 2, "短い順"},
        {"one row", "period,SA\n0.1,100\n", 0, "2 行以上"},
        {"empty", "", 0, "2 行以上"},
        {"a line without end", "0.1,100\n" + std::string(5000, '7'), 2, "長すぎ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto target = Parse(c.text);
        ASSERT_FALSE(target.ok());
        EXPECT_EQ(target.error().line, c.line);
        EXPECT_EQ(target.error().caption, kTargetCaption);
        EXPECT_NE(target.error().message.find("site.csv"), std::string::npos) << target.error().message;
        EXPECT_NE(target.error().message.find(c.words), std::string::npos) << target.error().message;
        if (c.line > 0) {
            EXPECT_NE(target.error().message.find(std::to_string(c.line) + " 行目"), std::string::npos);
        }
    }
}

TEST(TargetTable, FilesThatAreNoTablesAreNotRead) {
    const testing::TempFolder folder;
    const std::string good = folder.Write("good.csv", "0.1,100\n1,200\n");
    const auto read = TargetOfName(good, 0.7);  // a zone changes no table
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().kind, TargetKind::Table);
    EXPECT_DOUBLE_EQ(*read.value().SaAt(1.0), 200.0);
    const struct {
        std::string path;
        const char* words;
    } cases[] = {
        {folder / "missing.csv", "見つかりません"},
        {folder.path().string(), "表のファイルではありません"},
    };
    for (const auto& c : cases) {
        const auto target = ReadTargetFile(c.path);
        ASSERT_FALSE(target.ok()) << c.path;
        EXPECT_NE(target.error().message.find(c.words), std::string::npos) << target.error().message;
    }
}

}  // namespace
}  // namespace tremblo
