#include "record/fixed_columns.h"

#include <gtest/gtest.h>

#include <sstream>

#include "record/compass_direction.h"

namespace tremblo {
namespace {

struct RealCase {
    const char* line;
    std::size_t column, width;
    FieldKind kind;
    double value;
};

TEST(FixedColumns, ReadsFortranRealFields) {
    const RealCase cases[] = {
        {"   1.250  -0.500", 0, 8, FieldKind::Value, 1.25},
        {"   1.250  -0.500", 8, 8, FieldKind::Value, -0.5},
        {"   1.250  -0.500", 16, 8, FieldKind::Blank, 0.0},      // past the line's end
        {"        ", 0, 8, FieldKind::Blank, 0.0},
        {"  -.5   ", 0, 8, FieldKind::Value, -0.5},
        {"  +2.   ", 0, 8, FieldKind::Value, 2.0},
        {"  1.5E+02", 0, 9, FieldKind::Value, 150.0},
        {"  1.5D-01", 0, 9, FieldKind::Value, 0.15},
        {" 0.1234567E+03", 0, 14, FieldKind::Value, 123.4567},
        {" 1.23-102", 0, 9, FieldKind::Value, 1.23e-102},       // exponent without its letter
        {"     123", 0, 8, FieldKind::Value, 123.0},
        {"   1.7E38", 0, 9, FieldKind::Value, 1.7e38},
        {"  12a.40", 0, 8, FieldKind::Bad, 0.0},
        {"   1 2.5", 0, 8, FieldKind::Bad, 0.0},
        {"     nan", 0, 8, FieldKind::Bad, 0.0},
        {"     inf", 0, 8, FieldKind::Bad, 0.0},
        {"   1.2.3", 0, 8, FieldKind::Bad, 0.0},
        {"     --1", 0, 8, FieldKind::Bad, 0.0},
        {"       -", 0, 8, FieldKind::Bad, 0.0},
        {"  1.0E+2E", 0, 9, FieldKind::Bad, 0.0},
    };
    for (const RealCase& c : cases) {
        double value = 0.0;
        EXPECT_EQ(ReadRealField(c.line, c.column, c.width, value), c.kind) << c.line;
        if (c.kind == FieldKind::Value) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.line;
        }
    }
}

TEST(FixedColumns, ReadsFortranIntegerFields) {
    const struct {
        const char* line;
        std::size_t column, width;
        FieldKind kind;
        long long value;
    } cases[] = {
        {"    2010       9", 0, 8, FieldKind::Value, 2010}, {"    2010       9", 8, 8, FieldKind::Value, 9},
        {"  -32768", 0, 8, FieldKind::Value, -32768},        {"      +7", 0, 8, FieldKind::Value, 7},
        {"        ", 0, 8, FieldKind::Blank, 0},             {"    12.5", 0, 8, FieldKind::Bad, 0},
        {"    1 2 ", 0, 8, FieldKind::Bad, 0},               {"   abc  ", 0, 8, FieldKind::Bad, 0},
        {"       -", 0, 8, FieldKind::Bad, 0},
    };
    for (const auto& c : cases) {
        long long value = 0;
        EXPECT_EQ(ReadIntegerField(c.line, c.column, c.width, value), c.kind) << c.line;
        if (c.kind == FieldKind::Value) {
            EXPECT_EQ(value, c.value) << c.line;
        }
    }
}

TEST(FixedColumns, ParsesTheFormatsOfTheDataBlocks) {
    const struct {
        const char* format;
        std::optional<FieldLayout> layout;
    } cases[] = {
        {"(10I8)", FieldLayout{10, 8, true}},        {"(8F10.5)", FieldLayout{8, 10, false}},
        {"(5E15.7)", FieldLayout{5, 15, false}},     {"(6(1X,F12.6))", FieldLayout{6, 13, false}},
        {"( 16I5 )", FieldLayout{16, 5, true}},      {"8e13.5", FieldLayout{8, 13, false}},
        {"(10F8.0)", FieldLayout{10, 8, false}},     {"(A80)", std::nullopt},
        {"(8F10.5", std::nullopt},                   {"(0F10.5)", std::nullopt},
        {"(8F)", std::nullopt},                      {"", std::nullopt},
        {"(8F10.5,2X)", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseFortranFormat(c.format), c.layout) << c.format;
    EXPECT_EQ(LinesForValues(100, FieldLayout{6, 13, false}), 17);
    EXPECT_EQ(LinesForValues(100, FieldLayout{16, 5, true}), 7);
    EXPECT_EQ(LinesForValues(40, FieldLayout{10, 8, true}), 4);
}

struct BlockCase {
    const char* name;
    std::string text;
    int count;
    int errorLine;  // 0: reads
    const char* message;
};

TEST(FixedColumns, ReadsAValueBlockAndNamesTheLineOfAFault) {
    const BlockCase cases[] = {
        {"exact", "     1.0     2.0     3.0\n     4.0     5.0\nEND\n", 5, 0, ""},
        {"file ends early", "     1.0     2.0     3.0\n     4.0\n", 5, 2, "5 個と書かれていますが、4 個しかありません"},
        {"text where values should be", "     1.0     2.0     3.0\nEnd-of-data\n", 5, 2, "3 個しかありません"},
        {"garbage", "     1.0     x.0     3.0\n     4.0     5.0\n", 5, 1, "「x.0」が数値になっていません"},
        {"more on the last line", "     1.0     2.0     3.0\n     4.0     5.0     6.0\n", 5, 2, "それより多くあります"},
        {"null marker", "     1.0  -999.0     3.0\n     4.0     5.0\n", 5, 1, "欠測値「-999.0」"},
        {"huge value", "     1.0   1E+30     3.0\n     4.0     5.0\n", 5, 1, "欠測値「1E+30」"},
        {"blank inside", "     1.0             3.0\n     4.0     5.0\n", 5, 1, "1 個しかありません"},
        {"NUL byte", std::string("     1.0     2.0\0    3.0\n     4.0     5.0\n", 42), 5, 1, "NUL"},
    };
    for (const BlockCase& c : cases) {
        std::istringstream in(c.text);
        FixedLineSource source(in);
        std::vector<float> values;
        ValueBlock block;
        block.layout = FieldLayout{3, 8, false};
        block.count = c.count;
        block.scale = 0.1;
        block.nullMarker = -999.0;
        block.out = &values;
        block.what = "加速度";
        const std::optional<ReadError> error = ReadValueBlock(source, block);
        if (c.errorLine == 0) {
            ASSERT_FALSE(error) << c.name << ": " << error->message;
            ASSERT_EQ(values.size(), 5u) << c.name;
            EXPECT_FLOAT_EQ(values[0], 0.1f);
            EXPECT_FLOAT_EQ(values[4], 0.5f);
            ASSERT_TRUE(source.Next());
            EXPECT_EQ(source.line(), "END");
            continue;
        }
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->line, c.errorLine) << c.name;
        EXPECT_NE(error->message.find(c.message), std::string::npos) << c.name << ": " << error->message;
    }
}

TEST(FixedColumns, PassesOverABlockWithoutReadingIt) {
    std::istringstream in("garbage garbage\nmore    more\n   third\nNEXT\n");
    FixedLineSource source(in);
    ValueBlock block;
    block.layout = FieldLayout{2, 8, false};
    block.count = 5;  // three lines
    ASSERT_FALSE(ReadValueBlock(source, block));
    ASSERT_TRUE(source.Next());
    EXPECT_EQ(source.line(), "NEXT");
    std::istringstream cut("aaaaaaaaaaaaaaaa\nbbbbbbbbbbbbbbbb\n");
    FixedLineSource cutSource(cut);
    const std::optional<ReadError> error = ReadValueBlock(cutSource, block);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 3);
    // The block's last line is checked: its last value is there, complete, and nothing follows it.
    const struct {
        const char* text;
        const char* message;
    } ends[] = {{"aaaaaaaaaaaaaaaa\nbbbbbbbbbbbbbbbb\n        \n", "4 個しかありません"},
                {"aaaaaaaaaaaaaaaa\nbbbbbbbbbbbbbbbb\n   1.0     2.0\n", "それより多くあります"},
                {"aaaaaaaaaaaaaaaa\nbbbbbbbbbbbbbbbb\n   1.\n", "途中で終わっています"}};
    for (const auto& end : ends) {
        std::istringstream text(end.text);
        FixedLineSource lines(text);
        const std::optional<ReadError> wrong = ReadValueBlock(lines, block);
        ASSERT_TRUE(wrong) << end.text;
        EXPECT_EQ(wrong->line, 3);
        EXPECT_NE(wrong->message.find(end.message), std::string::npos) << wrong->message;
    }
}

TEST(CompassDirection, ConvertsTheWrittenDirectionsToAzimuths) {
    const struct {
        const char* text;
        std::optional<double> azimuth;
        bool vertical;
        bool parsed;
    } cases[] = {
        {"N28E", 28.0, false, true},   {"S62E", 118.0, false, true}, {"S62W", 242.0, false, true},
        {"N04W", 356.0, false, true},  {"N0E", 0.0, false, true},    {"360", 0.0, false, true},
        {"90 Deg", 90.0, false, true}, {"UP", std::nullopt, true, true}, {"Up", std::nullopt, true, true},
        {"DOWN", std::nullopt, true, true}, {"N91E", std::nullopt, false, false}, {"Left", std::nullopt, false, false},
        {"", std::nullopt, false, false}, {"-10", std::nullopt, false, false},
    };
    for (const auto& c : cases) {
        const std::optional<CompassDirection> d = ParseCompassDirection(c.text);
        ASSERT_EQ(d.has_value(), c.parsed) << c.text;
        if (!d) continue;
        EXPECT_EQ(d->vertical, c.vertical) << c.text;
        ASSERT_EQ(d->azimuthDeg.has_value(), c.azimuth.has_value()) << c.text;
        if (c.azimuth) {
            EXPECT_DOUBLE_EQ(*d->azimuthDeg, *c.azimuth) << c.text;
        }
    }
}

}  // namespace
}  // namespace tremblo
