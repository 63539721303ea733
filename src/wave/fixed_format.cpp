#include "wave/fixed_format.h"

#include <charconv>

namespace tremblo {

void AppendFixed(std::string& out, double value, int width, int precision) {
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    const int length = static_cast<int>(result.ptr - digits);
    if (length < width) out.append(static_cast<size_t>(width - length), ' ');
    out.append(digits, static_cast<size_t>(length));
}

std::string FormatFixed(double value, int width, int precision) {
    std::string out;
    AppendFixed(out, value, width, precision);
    return out;
}

}  // namespace tremblo
