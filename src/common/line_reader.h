#pragma once
// Reads a text stream line by line through a fixed buffer: a line of at most
// bufferSize - 1 characters plus its line end comes back whole; a longer
// physical line comes back as several pieces of bufferSize - 1 characters
// (the last with the line end). CR LF is taken as one line end ("\n"), as a
// text-mode stream would; the text of a piece ends at its first NUL byte.
//
// With a line limit, a physical line of more characters (its line end not
// counted) stops the reading as soon as the limit is passed, so that a file
// without line ends is never read further than that. A stream that cannot
// be read (a folder opened as a file, say) stops it too, never with an
// exception.
#include <cstddef>
#include <istream>
#include <string>

namespace tremblo {

// The longest line a record file may hold: every format describes lines of
// a few hundred characters at most.
inline constexpr std::size_t RECORD_LINE_LIMIT = 4096;

class LineReader {
public:
    enum class Stop { None, End, LineTooLong, ReadFailed };

    // lineLimit 0: lines of any length.
    LineReader(std::istream& in, std::size_t bufferSize, std::size_t lineLimit = 0);

    // Next piece into `line`; false at the end of the stream, or when it
    // stopped (see stop()).
    bool Next(std::string& line);

    // Why the last Next gave false (None while it gives pieces).
    Stop stop() const { return stop_; }

    // Number of pieces returned so far (the line number of the last one).
    int lineNumber() const { return lineNumber_; }
    // The physical line of the file the last piece belongs to, or the line
    // that was too long.
    int fileLineNumber() const { return fileLine_; }
    // Whether the last piece held a NUL byte (its text was cut there).
    bool cutAtNul() const { return cutAtNul_; }

private:
    int Get();
    bool TakeLineEnd();
    bool Exhausted(int c);

    std::istream& in_;
    std::size_t bufferSize_;
    std::size_t lineLimit_;
    std::size_t lineLength_ = 0;  // characters of the current physical line so far
    int lineNumber_ = 0;
    int fileLine_ = 0;
    bool atLineStart_ = true;
    bool cutAtNul_ = false;
    Stop stop_ = Stop::None;
};

}  // namespace tremblo
