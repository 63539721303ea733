#pragma once
// Reads a text stream the way a C program reads it with fgets() into a fixed
// buffer: each piece holds at most bufferSize - 1 characters and ends after
// its line feed when the line end fits. A longer physical line therefore
// comes back as several pieces. CR LF is taken as one line end ("\n"), as a
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

    std::istream& in_;
    std::size_t bufferSize_;
    int lineNumber_ = 0;
};

}  // namespace tremblo
