#pragma once
// The lines of a fixed-column record file, one whole line at a time without
// its line end, with the reasons reading stopped in the loading messages'
// words: a line over RECORD_LINE_LIMIT, a failed read, a NUL byte, or the
// end of the file where more was expected.
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "common/line_reader.h"
#include "common/result.h"

namespace tremblo {

class FixedLineSource {
public:
    explicit FixedLineSource(std::istream& in);

    // The next line into line(); false at the end of the file or when
    // reading failed (see failure()).
    bool Next();
    // The line Next gave back, without its line end.
    std::string_view line() const { return line_; }
    // Its 1-based line number.
    int lineNumber() const { return reader_.fileLineNumber(); }

    // Why Next gave false: a too long line, a failed read or a NUL byte;
    // nothing at the plain end of the file.
    std::optional<ReadError> failure() const;

    // Next, or the reason it could not give a line: the stop, or the end of
    // the file while `expected` (a noun: "整数ヘッダー") was still to come.
    std::optional<ReadError> Require(const char* expected);

    // Gives the current line back once: the next Next returns it again.
    void Unread() { unread_ = true; }

private:
    LineReader reader_;
    std::string line_;
    bool unread_ = false;
    bool nul_ = false;
};

}  // namespace tremblo
