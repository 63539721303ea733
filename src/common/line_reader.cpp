#include "common/line_reader.h"

namespace tremblo {

LineReader::LineReader(std::istream& in, std::size_t bufferSize)
    : in_(in), bufferSize_(bufferSize < 2 ? 2 : bufferSize) {}

int LineReader::Get() {
    int c = in_.get();
    if (c == '\r' && in_.peek() == '\n') c = in_.get();
    return c;
}

// A line end right after a full piece belongs to it: a line holds
// bufferSize - 1 characters plus its line end.
bool LineReader::TakeLineEnd() {
    const int next = in_.peek();
    if (next == '\n') {
        in_.get();
        return true;
    }
    if (next != '\r') return false;
    in_.get();
    if (in_.peek() == '\n') {
        in_.get();
        return true;
    }
    in_.unget();
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
