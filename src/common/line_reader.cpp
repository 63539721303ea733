#include "common/line_reader.h"

namespace tremblo {

LineReader::LineReader(std::istream& in, std::size_t bufferSize, std::size_t lineLimit)
    : in_(in), bufferSize_(bufferSize < 2 ? 2 : bufferSize), lineLimit_(lineLimit) {}

// Straight from the stream's buffer: a character at a time through
// istream::get costs a sentry each. A buffer that fails to read throws
// (libstdc++'s filebuf does); that is the end of the reading here.
int LineReader::Get() {
    constexpr int eof = std::char_traits<char>::eof();
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || stop_ == Stop::ReadFailed) return eof;
    int c = eof;
    try {
        c = buffer->sbumpc();
        if (c == '\r' && buffer->sgetc() == '\n') c = buffer->sbumpc();
    } catch (...) {
        stop_ = Stop::ReadFailed;
        in_.setstate(std::ios::badbit);
        return eof;
    }
    if (c == eof) in_.setstate(std::ios::eofbit);
    return c;
}

// A line end right after a full piece belongs to it: a line holds
// bufferSize - 1 characters plus its line end.
bool LineReader::TakeLineEnd() {
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || stop_ == Stop::ReadFailed) return false;
    try {
        const int next = buffer->sgetc();
        if (next == '\n') {
            buffer->sbumpc();
            return true;
        }
        if (next != '\r') return false;
        buffer->sbumpc();
        if (buffer->sgetc() == '\n') {
            buffer->sbumpc();
            return true;
        }
        buffer->sungetc();
    } catch (...) {
        stop_ = Stop::ReadFailed;
        in_.setstate(std::ios::badbit);
    }
    return false;
}

bool LineReader::Exhausted(int c) {
    if (c != std::char_traits<char>::eof()) return false;
    if (stop_ == Stop::None) stop_ = Stop::End;
    return true;
}

bool LineReader::Next(std::string& line) {
    line.clear();
    cutAtNul_ = false;
    if (stop_ == Stop::LineTooLong || stop_ == Stop::ReadFailed) return false;
    const std::size_t limit = bufferSize_ - 1;
    bool any = false;
    while (true) {
        if (line.size() == limit) {
            if (TakeLineEnd()) line.push_back('\n');
            break;
        }
        const int c = Get();
        if (Exhausted(c)) break;
        if (!any && atLineStart_) {
            ++fileLine_;
            atLineStart_ = false;
        }
        any = true;
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
        if (lineLimit_ > 0 && ++lineLength_ > lineLimit_) {
            stop_ = Stop::LineTooLong;
            line.clear();
            return false;
        }
    }
    if (stop_ == Stop::ReadFailed) {
        line.clear();
        return false;
    }
    if (!any) return false;
    if (line.back() == '\n') {
        atLineStart_ = true;
        lineLength_ = 0;
    }
    ++lineNumber_;
    const auto nul = line.find('\0');
    cutAtNul_ = nul != std::string::npos;
    if (cutAtNul_) line.resize(nul);
    return true;
}

}  // namespace tremblo
