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
    EXPECT_TRUE(reader.cutAtNul());
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "ef\n");
    EXPECT_FALSE(reader.cutAtNul());
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_FALSE(reader.Next(line));
}

// Bytes without end (as good as): a repeated pattern, counting what was taken.
class EndlessBuffer : public std::streambuf {
public:
    explicit EndlessBuffer(std::string pattern) : pattern_(std::move(pattern)) {}
    std::size_t taken() const { return taken_; }

protected:
    // Ends after 16 MiB, so that a reader that would read on fails the
    // test instead of hanging it.
    int_type underflow() override {
        if (taken_ >= (16u << 20)) return traits_type::eof();
        chunk_ = pattern_;
        while (chunk_.size() < 512) chunk_ += pattern_;
        taken_ += chunk_.size();
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::string pattern_, chunk_;
    std::size_t taken_ = 0;
};

// A buffer that fails as a folder opened as a file does.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }
};

TEST(LineReader, StopsAtTheFirstLineOverTheLimit) {
    struct Case {
        std::string text;
        std::size_t limit;
        std::size_t pieces;  // returned before it stops
        int line;            // of the file, where it stopped
        LineReader::Stop stop;
    };
    const std::string at(40, 'a'), over(41, 'b');
    const std::vector<Case> cases{
        {at + "\n" + at + "\r\n" + at, 40, 3, 3, LineReader::Stop::End},
        {at + "\n" + over + "\n" + at, 40, 1, 2, LineReader::Stop::LineTooLong},
        {over, 40, 0, 1, LineReader::Stop::LineTooLong},
        // Split into pieces of 9, a line still counts whole.
        {"x\n" + at + "\n" + over + "\n", 40, 1 + 5 + 4, 3, LineReader::Stop::LineTooLong},
        {over + "\n" + over, 0, 2, 2, LineReader::Stop::End},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        LineReader reader(in, c.text.find('x') == 0 ? 10 : 100, c.limit);
        std::size_t pieces = 0;
        for (std::string line; reader.Next(line);) ++pieces;
        EXPECT_EQ(pieces, c.pieces) << c.text;
        EXPECT_EQ(reader.stop(), c.stop) << c.text;
        EXPECT_EQ(reader.fileLineNumber(), c.line) << c.text;
        std::string line;
        EXPECT_FALSE(reader.Next(line));  // and stays stopped
    }
}

TEST(LineReader, ReadsNoFurtherThanTheLimitIntoEndlessInput) {
    for (const std::string& pattern : {std::string(1, '\0'), std::string("x"), std::string("12345678 ")}) {
        EndlessBuffer buffer(pattern);
        std::istream in(&buffer);
        LineReader reader(in, 100, 4096);
        std::string line;
        int pieces = 0;
        while (reader.Next(line)) ++pieces;
        EXPECT_EQ(reader.stop(), LineReader::Stop::LineTooLong);
        EXPECT_LE(buffer.taken(), 4096u + 1024u);
        EXPECT_LE(pieces, 4096 / 99 + 1);
    }
}

TEST(LineReader, AFailingReadEndsTheReadingWithoutAnException) {
    FailingBuffer buffer;
    std::istream in(&buffer);
    LineReader reader(in, 100, 4096);
    std::string line;
    EXPECT_FALSE(reader.Next(line));
    EXPECT_EQ(reader.stop(), LineReader::Stop::ReadFailed);
    EXPECT_TRUE(in.bad());
}

}  // namespace
}  // namespace tremblo
