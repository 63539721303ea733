#include "common/shift_jis.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

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


// Every byte string as UTF-8: what is UTF-8 stays, Shift-JIS is converted,
// the rest (NUL included) becomes U+FFFD.
TEST(TextToUtf8, KeepsUtf8AndConvertsShiftJis) {
    const std::string fffd = "\xEF\xBF\xBD";
    struct Case {
        std::string bytes, utf8;
    };
    const std::vector<Case> cases{
        {"AIC0012411051012.NS", "AIC0012411051012.NS"},
        {"地震/観測点.ns", "地震/観測点.ns"},                                  // UTF-8 already
        {"\x92n\x90k.ns", "地震.ns"},                                            // Shift-JIS
        {"\x83\\\x95\\", "ソ表"},                                                // trail bytes that are ASCII
        {"\xB1.ns", "ｱ.ns"},                                                     // half-width katakana
        {"データファイル \x8a\xcf\x91\xaa\x93_.ns", "データファイル 観測点.ns"},  // a message naming a file
        {std::string("a\0b", 3), "a" + fffd + "b"},
        {"\xFF\xFE", fffd + fffd},
        {"x\x81", "x" + fffd},  // a lead byte with nothing after it
    };
    for (const Case& c : cases) EXPECT_EQ(TextToUtf8(c.bytes), c.utf8) << c.utf8;
}

// Well-formed UTF-8, as iconv checks it.
bool ValidUtf8(const std::string& text) {
    iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    std::string out(4 * text.size() + 4, '\0');
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok && inLeft == 0;
}

TEST(TextToUtf8, AnyBytesGiveUtf8) {
    std::mt19937 random(19);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(random() % 40, '\0');
        for (char& c : bytes) c = static_cast<char>(random() % 256);
        const std::string text = TextToUtf8(bytes);
        EXPECT_EQ(text.find('\0'), std::string::npos);
        EXPECT_TRUE(ValidUtf8(text)) << i;
    }
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
