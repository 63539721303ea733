#include "record/agency_text_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "record/agency_text_units.h"
#include "record/stated_time_text.h"

namespace tremblo {
namespace {

TEST(AgencyTextValues, NumberFieldsAreNumbersAndNothingElse) {
    const std::pair<const char*, double> numbers[] = {
        {"0", 0.0},         {"-1.5", -1.5},       {"+2.25", 2.25},      {".005", 0.005},
        {"5.", 5.0},        {"1.5E-03", 1.5e-3},  {"-.1234567E+02", -12.34567}, {"7e2", 700.0},
        {"1e-400", 0.0},
    };
    for (const auto& [text, value] : numbers) {
        const std::optional<double> parsed = ParseNumberField(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
    EXPECT_TRUE(std::isinf(*ParseNumberField("1e999")));
    for (const char* text : {"", "-", "+", ".", "1.0.0", "1e", "1e+", " 1", "1 ", "inf", "nan", "-nan", "0x10",
                             "1,5", "--1", "+-1", "1.5D-03", "2.5E-01-1.25E-01", "e5"})
        EXPECT_FALSE(ParseNumberField(text).has_value()) << "'" << text << "'";
}

TEST(AgencyTextValues, IntegerFieldsHoldDigitsOnly) {
    EXPECT_EQ(ParseIntegerField("7999"), 7999);
    EXPECT_EQ(ParseIntegerField("-12"), -12);
    EXPECT_EQ(ParseIntegerField("+3"), 3);
    for (const char* text : {"", "12.0", "1e3", "99999999999", " 5", "5x", "-"})
        EXPECT_FALSE(ParseIntegerField(text).has_value()) << text;
}

TEST(AgencyTextValues, HeaderNullMarkersAreEmpty) {
    for (const char* text : {"", "  ", "-999", "-999.0", "-999.000", "-9999", "-99999.", "1.7E+38", "-1e30", "abc", "12 km"})
        EXPECT_FALSE(HeaderNumber(text).has_value()) << text;
    EXPECT_EQ(HeaderNumber(" 42.3420 "), 42.342);
    EXPECT_EQ(HeaderNumber("-998"), -998.0);
    EXPECT_EQ(HeaderNumber("0"), 0.0);
}

TEST(AgencyTextValues, FieldsSplitWithoutCopies) {
    const std::string_view line = "  1.0\t-2  3e1 \r\n";
    std::size_t pos = 0;
    std::string_view field;
    std::vector<std::string> fields;
    while (NextBlankField(line, pos, field)) fields.emplace_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"1.0", "-2", "3e1"}));
    fields.clear();
    pos = 0;
    while (NextCommaField(" a , ,b,", pos, field)) fields.emplace_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(AgencyTextUnits, EachSpellingGivesItsFactor) {
    const std::pair<const char*, double> units[] = {
        {"g", 980.665},     {"G", 980.665},     {"g's", 980.665},  {"m/s^2", 100.0}, {"M/S/S", 100.0},
        {"m/s**2", 100.0},  {"m/sec2", 100.0},  {"cm/s^2", 1.0},   {"CM/SEC/SEC", 1.0}, {"cm/s2", 1.0},
        {"gal", 1.0},       {"Gal", 1.0},       {"cm/s²", 1.0},    {"mm/s^2", 0.1},  {" cm / s^2 ", 1.0},
    };
    for (const auto& [unit, factor] : units) EXPECT_EQ(GalPerUnit(unit), factor) << unit;
    for (const char* unit : {"", "cm/s", "cm", "ft/s^2", "counts", "kine", "m/s"})
        EXPECT_FALSE(GalPerUnit(unit).has_value()) << unit;
}

TEST(StatedTimeText, ReadsEachFormAndRefusesImpossibleTimes) {
    EXPECT_EQ(TimeOfCompactText("20090406", "013239"), (StatedTime{2009, 4, 6, 1, 32, 39.0}));
    EXPECT_EQ(TimeOfCompactText("20090406", "013239.40"), (StatedTime{2009, 4, 6, 1, 32, 39.4}));
    EXPECT_EQ(TimeOfCompactStamp("20090406_013240.125"), (StatedTime{2009, 4, 6, 1, 32, 40.125}));
    EXPECT_EQ(TimeOfSlashedText("2011/03/11 14:46:15"), (StatedTime{2011, 3, 11, 14, 46, 15.0}));
    EXPECT_EQ(TimeOfSlashedText("2011/03/11 14:46:15.50"), (StatedTime{2011, 3, 11, 14, 46, 15.5}));
    EXPECT_FALSE(TimeOfCompactText("20091306", "013239"));
    EXPECT_FALSE(TimeOfCompactText("20090406", "243239"));
    EXPECT_FALSE(TimeOfCompactText("2009046", "013239"));
    EXPECT_FALSE(TimeOfCompactText("20090406", ""));
    EXPECT_FALSE(TimeOfCompactText("2009O406", "013239"));
    EXPECT_FALSE(TimeOfCompactStamp("20090406013240"));
    EXPECT_FALSE(TimeOfSlashedText("2011-03-11 14:46:15"));
    EXPECT_FALSE(TimeOfSlashedText("2011/03/11 14:61:15"));
    EXPECT_FALSE(TimeOfSlashedText("2011/03/11 14:46:-5"));
}

}  // namespace
}  // namespace tremblo
