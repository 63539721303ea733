#include "common/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tremblo {
namespace {

std::vector<std::string> Pieces(const std::string& text, std::size_t buffer) {
    std::istringstream in(text);
    LineReader reader(in, buffer);
    std::vector<std::string> out;
    std::string line;
    while (reader.Next(line)) out.push_back(line);
    return out;
}

TEST(LineReader, TreatsCrLfAndLfAlike) {
    EXPECT_EQ(Pieces("ab\r\ncd\nef", 100), (std::vector<std::string>{"ab\n", "cd\n", "ef"}));
    EXPECT_EQ(Pieces("a\rb\n", 100), (std::vector<std::string>{"a\rb\n"}));
    EXPECT_TRUE(Pieces("", 100).empty());
}

TEST(LineReader, SplitsOnlyLinesLongerThanTheBuffer) {
    // A 100-byte buffer holds 99 characters plus the line end, in either form.
    const std::string line99(99, 'x');
    EXPECT_EQ(Pieces(line99 + "\r\n" + "next\n", 100), (std::vector<std::string>{line99 + "\n", "next\n"}));
    EXPECT_EQ(Pieces(line99 + "\n", 100), (std::vector<std::string>{line99 + "\n"}));
    EXPECT_EQ(Pieces(line99, 100), (std::vector<std::string>{line99}));
    EXPECT_EQ(Pieces(line99 + "\rz\n", 100), (std::vector<std::string>{line99, "\rz\n"}));
    EXPECT_EQ(Pieces(line99 + "y\n", 100), (std::vector<std::string>{line99, "y\n"}));
    EXPECT_EQ(Pieces(std::string(250, 'z'), 100).size(), 3u);
}

TEST(LineReader, CountsPiecesAndEndsTextAtNul) {
    std::istringstream in(std::string("ab\0cd\nef\n", 9));
    LineReader reader(in, 100);
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "ab");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "ef\n");
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_FALSE(reader.Next(line));
}

}  // namespace
}  // namespace tremblo
