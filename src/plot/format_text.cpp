#include "plot/format_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace tremblo {

namespace {

std::string FormatList(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatList(format, args);
    va_end(args);
    return text;
}

std::string FormatDouble(const std::string& format, double value) {
    return FormatText(format.c_str(), value);  // NOLINT: format built by SubScale
}

}  // namespace tremblo
