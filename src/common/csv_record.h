#pragma once
// Records of a comma-separated file, one a line, as RFC 4180 reads them: a
// field in double quotes may hold commas and doubled quotes (not line
// breaks: a quote still open at the line end is an error). Records
// are read through a bounded buffer, so that a huge line is skipped without
// being held whole.
#include <streambuf>
#include <string>
#include <vector>

namespace tremblo {

class CsvRecordReader {
public:
    enum class Result { Record, TooLong, BadQuotes, End };

    CsvRecordReader(std::streambuf& in, std::size_t maxRecordBytes);

    // The next record's fields (unquoted). TooLong: the record passed
    // maxRecordBytes and was skipped to the end of its line; BadQuotes: a
    // quote where RFC 4180 allows none, or one not closed on its line
    // (the rest of that line skipped). An empty line gives one empty field.
    Result Next(std::vector<std::string>& fields);

    // The line the last record started on (1-based).
    int recordLine() const { return recordLine_; }

private:
    int Get();
    void SkipRestOfLine();

    std::streambuf& in_;
    std::size_t maxRecordBytes_;
    int line_ = 1;
    int recordLine_ = 0;
    bool first_ = true;
};

}  // namespace tremblo
