#include "common/shift_jis.h"

#include <gtest/gtest.h>

#include "common/fixed_text.h"

namespace tremblo {
namespace {

TEST(ShiftJis, RoundTripsJapaneseText) {
    const std::string sjis = Utf8ToSjis("観測点コード　ＭＳ ｺﾋﾟｰ");
    EXPECT_EQ(SjisToUtf8(sjis), "観測点コード　ＭＳ ｺﾋﾟｰ");
    EXPECT_EQ(Utf8ToSjis("加速度"), "\x89\xc1\x91\xac\x93\x78");
}

TEST(ShiftJis, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(SjisToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(SjisToUtf8(std::string("\xA0\xFF", 2)).empty(), false);
}

TEST(ShiftJis, PrefixNeverSplitsADoubleByteCharacter) {
    const std::string text = "A" + Utf8ToSjis("観測");  // 1 + 2 + 2 bytes
    EXPECT_EQ(SjisPrefixLength(text, 5), 5u);
    EXPECT_EQ(SjisPrefixLength(text, 4), 3u);
    EXPECT_EQ(SjisPrefixLength(text, 2), 1u);
    EXPECT_EQ(SjisPrefixLength("ab\0cd", 5), 2u);
    // Half-width katakana are single bytes.
    EXPECT_EQ(SjisPrefixLength(Utf8ToSjis("ｺﾋﾟｰ"), 3), 3u);
}

TEST(FixedText, CutsToItsWidthAtCharacterBoundaries) {
    FixedText<4> code;
    code = "AIC001";
    EXPECT_EQ(code.view(), "AIC");
    FixedText<4> name(Utf8ToSjis("観測点"));
    EXPECT_EQ(SjisToUtf8(name.view()), "観");  // 3 bytes would split the second character
    name.clear();
    EXPECT_TRUE(name.empty());
}

}  // namespace
}  // namespace tremblo
