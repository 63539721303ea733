#pragma once
// Reads a text stream line by line through a fixed buffer: a line of at most
// bufferSize - 1 characters plus its line end comes back whole; a longer
// physical line comes back as several pieces of bufferSize - 1 characters
// (the last with the line end). CR LF is taken as one line end ("\n"), as a
// text-mode stream would; the text of a piece ends at its first NUL byte.
#include <cstddef>
#include <istream>
#include <string>

namespace tremblo {

class LineReader {
public:
    LineReader(std::istream& in, std::size_t bufferSize);

    // Next piece into `line`; false at the end of the stream.
    bool Next(std::string& line);

    // Number of pieces returned so far (the line number of the last one).
    int lineNumber() const { return lineNumber_; }

private:
    int Get();
    bool TakeLineEnd();

    std::istream& in_;
    std::size_t bufferSize_;
    int lineNumber_ = 0;
};

}  // namespace tremblo
