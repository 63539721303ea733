#include "common/line_reader.h"

namespace tremblo {

LineReader::LineReader(std::istream& in, std::size_t bufferSize)
    : in_(in), bufferSize_(bufferSize < 2 ? 2 : bufferSize) {}

// Straight from the stream's buffer: a character at a time through
// istream::get costs a sentry each.
int LineReader::Get() {
    std::streambuf* buffer = in_.rdbuf();
    int c = buffer != nullptr ? buffer->sbumpc() : std::char_traits<char>::eof();
    if (c == '\r' && buffer->sgetc() == '\n') c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) in_.setstate(std::ios::eofbit);
    return c;
}

// A line end right after a full piece belongs to it: a line holds
// bufferSize - 1 characters plus its line end.
bool LineReader::TakeLineEnd() {
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr) return false;
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
    return false;
}

bool LineReader::Next(std::string& line) {
    line.clear();
    const std::size_t limit = bufferSize_ - 1;
    bool any = false;
    while (true) {
        if (line.size() == limit) {
            if (TakeLineEnd()) line.push_back('\n');
            break;
        }
        const int c = Get();
        if (c == std::char_traits<char>::eof()) break;
        any = true;
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    if (!any) return false;
    ++lineNumber_;
    const auto nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
    return true;
}

}  // namespace tremblo
