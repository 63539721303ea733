#include "common/decimal.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tremblo {
namespace {

TEST(ParseInteger, FollowsAtoiRules) {
    EXPECT_EQ(ParseInteger("  51"), 51);
    EXPECT_EQ(ParseInteger("100Hz"), 100);
    EXPECT_EQ(ParseInteger("7845(gal)/8223790"), 7845);
    EXPECT_EQ(ParseInteger("\t-12x"), -12);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("--5"), 0);
    EXPECT_EQ(ParseInteger(""), 0);
    EXPECT_EQ(ParseInteger("abc"), 0);
    EXPECT_EQ(ParseInteger("3.9"), 3);
}

TEST(ParseInteger, ClampsOutOfRangeValues) {
    EXPECT_EQ(ParseInteger("99999999999999999999999"), 2147483647);
    EXPECT_EQ(ParseInteger("-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
}

TEST(ParseDecimal, FollowsAtofRules) {
    EXPECT_DOUBLE_EQ(ParseDecimal(" 35.1234"), 35.1234);
    EXPECT_DOUBLE_EQ(ParseDecimal("-2.25,0.125"), -2.25);
    EXPECT_DOUBLE_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseDecimal("5."), 5.0);
    EXPECT_DOUBLE_EQ(ParseDecimal("1.5e2x"), 150.0);
    EXPECT_DOUBLE_EQ(ParseDecimal("1.5e+"), 1.5);  // exponent without digits is not part of it
    EXPECT_DOUBLE_EQ(ParseDecimal("  1.0-2.0"), 1.0);
    EXPECT_EQ(ParseDecimal("--5"), 0.0);
    EXPECT_EQ(ParseDecimal("."), 0.0);
    EXPECT_EQ(ParseDecimal("0x10"), 0.0);  // no hexadecimal
    EXPECT_EQ(ParseDecimal("inf"), 0.0);
    EXPECT_EQ(ParseDecimal("nan"), 0.0);
}

TEST(ParseDecimal, OverflowAndUnderflowLikeStrtod) {
    EXPECT_TRUE(std::isinf(ParseDecimal("1e999")));
    EXPECT_LT(ParseDecimal("-1e999"), 0.0);
    EXPECT_EQ(ParseDecimal("1e-999"), 0.0);
}

}  // namespace
}  // namespace tremblo
