#include "common/csv_record.h"

namespace tremblo {

namespace {
constexpr int kEof = std::char_traits<char>::eof();
}

CsvRecordReader::CsvRecordReader(std::streambuf& in, std::size_t maxRecordBytes)
    : in_(in), maxRecordBytes_(maxRecordBytes) {}

// A character, CR LF as one '\n'; line breaks are counted.
int CsvRecordReader::Get() {
    int c = in_.sbumpc();
    if (c == '\r' && in_.sgetc() == '\n') c = in_.sbumpc();
    if (c == '\n') ++line_;
    return c;
}

void CsvRecordReader::SkipRestOfLine() {
    for (int c = Get(); c != kEof && c != '\n'; c = Get()) {
    }
}

CsvRecordReader::Result CsvRecordReader::Next(std::vector<std::string>& fields) {
    fields.clear();
    if (first_) {
        first_ = false;
        // A UTF-8 byte order mark is no part of the first field. (Other
        // text starting with 0xEF is no station row either: it only loses
        // its first bytes.)
        if (in_.sgetc() == 0xEF) {
            in_.sbumpc();
            if (in_.sgetc() == 0xBB) in_.sbumpc();
            if (in_.sgetc() == 0xBF) in_.sbumpc();
        }
    }
    recordLine_ = line_;
    int c = Get();
    if (c == kEof) return Result::End;
    std::string field;
    std::size_t bytes = 0;
    bool quoted = false;      // inside a quoted field
    bool wasQuoted = false;   // the current field was quoted and has been closed
    while (true) {
        if (c == kEof) {
            if (quoted) return Result::BadQuotes;
            fields.push_back(field);
            return Result::Record;
        }
        if (++bytes > maxRecordBytes_) {
            if (c != '\n') SkipRestOfLine();
            return Result::TooLong;
        }
        const char ch = static_cast<char>(c);
        if (quoted) {
            if (ch == '\n') return Result::BadQuotes;  // one record a line: never closed
            if (ch == '"') {
                if (in_.sgetc() == '"') {
                    in_.sbumpc();
                    ++bytes;
                    field.push_back('"');
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                field.push_back(ch);
            }
        } else if (ch == ',' || ch == '\n') {
            fields.push_back(field);
            field.clear();
            wasQuoted = false;
            if (ch == '\n') return Result::Record;
        } else if (ch == '"' && field.empty() && !wasQuoted) {
            quoted = true;
        } else if (ch == '"' || wasQuoted) {
            if (ch != '\n') SkipRestOfLine();
            return Result::BadQuotes;
        } else {
            field.push_back(ch);
        }
        c = Get();
    }
}

}  // namespace tremblo
