#include "common/escaped_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/shift_jis.h"

namespace tremblo {
namespace {

// Names as messages show them (bytes kept) and as tables write them
// (UTF-8).
TEST(EscapedText, ControlCharactersAndBytesOfNoCharacterAreShownAsHex) {
    const std::string sjis = "\x92n\x90k";  // 地震 in Shift-JIS
    struct Case {
        std::string bytes, message, table;
    };
    const std::vector<Case> cases{
        {"AIC0012411051012.NS", "AIC0012411051012.NS", "AIC0012411051012.NS"},
        {"地震/観測点.ns", "地震/観測点.ns", "地震/観測点.ns"},                // UTF-8
        {sjis + ".ns", sjis + ".ns", "地震.ns"},                              // Shift-JIS
        {"\x83\\\x95\\.ns", "\x83\\\x95\\.ns", "ソ表.ns"},                   // trail bytes that are a backslash
        {"\xB1.ns", "\xB1.ns", "ｱ.ns"},                                     // half-width katakana
        {"a\x1b[31mred", "a\\x1b[31mred", "a\\x1b[31mred"},                 // ESC
        {"bell\x07\r\n\t.ns", "bell\\x07\\x0d\\x0a\\x09.ns", "bell\\x07\\x0d\\x0a\\x09.ns"},
        {std::string("nul\0.ns", 7), "nul\\x00.ns", "nul\\x00.ns"},
        {"del\x7f.ns", "del\\x7f.ns", "del\\x7f.ns"},
        {"c1\xc2\x9b" "2J.ns", "c1\\xc2\\x9b2J.ns", "c1\\xc2\\x9b2J.ns"},    // U+009B (CSI) in UTF-8
        {"c1\xc2\x85.ns", "c1\\xc2\\x85.ns", "c1\\xc2\\x85.ns"},            // U+0085 (NEL)
        {"nbsp\xc2\xa0.ns", "nbsp\xc2\xa0.ns", "nbsp\xc2\xa0.ns"},          // U+00A0 is no control
        {"lone\x9b" "2J.ns", "lone\\x9b2J.ns", "lone\\x9b2J.ns"},           // a C1 byte of no character
        {"\x85\x40", "\\x85@", "\\x85@"},                                     // lead and trail, undefined in CP932
        {"\x9b\x41", "\x9b\x41", "妁"},                                       // a C1 byte leading a Shift-JIS character
        {"\xff\xfe.ns", "\\xff\\xfe.ns", "\\xff\\xfe.ns"},
        {"x\x81", "x\\x81", "x\\x81"},                                      // a lead byte with nothing after it
        {"back\\slash\\x1b", "back\\\\slash\\\\x1b", "back\\\\slash\\\\x1b"},  // reads back unambiguously
        {"データファイル " + sjis + "\x1b.ns を読み込めません", "データファイル " + sjis + "\\x1b.ns を読み込めません",
         "データファイル 地震\\x1b.ns を読み込めません"},                     // a message naming a file
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapedText(c.bytes), c.message) << c.message;
        EXPECT_EQ(EscapedUtf8(c.bytes), c.table) << c.table;
    }
}

// Whatever the bytes, what is shown holds no control character, and the
// table's form is UTF-8.
TEST(EscapedText, NoControlCharacterGetsThrough) {
    for (int a = 0; a < 256; ++a) {
        for (const int b : {0x1b, 0x41, 0x5c, 0x80, 0x9b, 0xa0, 0xe0, 0xff}) {
            const std::string bytes{static_cast<char>(a), static_cast<char>(b), 'x'};
            for (const std::string& shown : {EscapedText(bytes), EscapedUtf8(bytes)}) {
                for (std::size_t i = 0; i < shown.size(); ++i) {
                    const auto c = static_cast<unsigned char>(shown[i]);
                    EXPECT_FALSE(c < 0x20 || c == 0x7f) << a << " " << b;
                    if (c == 0xc2 && i + 1 < shown.size()) {  // no U+0080-U+009F
                        const auto next = static_cast<unsigned char>(shown[i + 1]);
                        EXPECT_FALSE(next >= 0x80 && next <= 0x9f) << a << " " << b;
                    }
                }
            }
            EXPECT_EQ(TextToUtf8(EscapedUtf8(bytes)), EscapedUtf8(bytes)) << a << " " << b;  // UTF-8 already
        }
    }
}

}  // namespace
}  // namespace tremblo
