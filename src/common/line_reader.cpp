#include "common/line_reader.h"

namespace tremblo {

LineReader::LineReader(std::istream& in, std::size_t bufferSize)
    : in_(in), bufferSize_(bufferSize < 2 ? 2 : bufferSize) {}

int LineReader::Get() {
    int c = in_.get();
    if (c == '\r' && in_.peek() == '\n') c = in_.get();
    return c;
}

bool LineReader::Next(std::string& line) {
    line.clear();
    const std::size_t limit = bufferSize_ - 1;
    bool any = false;
    while (line.size() < limit) {
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
