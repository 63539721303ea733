#include "common/decimal.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    return i;
}

}  // namespace

int ParseInteger(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double ParseDecimal(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            end = j;
        }
    }
    std::string number(text.substr(start, end - start));
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; decide like strtod: a huge
        // mantissa or positive exponent overflows, anything else underflows.
        const auto e = number.find_first_of("eE");
        const bool negativeExponent = e != std::string::npos && e + 1 < number.size() &&
                                      number[e + 1] == '-';
        value = negativeExponent ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::string ValueOutOfRangeMessage(std::string_view field) {
    const std::size_t first = field.find_first_not_of(" \t\r\n");
    const std::size_t last = field.find_last_not_of(" \t\r\n");
    const std::string_view value = first == std::string_view::npos ? std::string_view() : field.substr(first, last - first + 1);
    return StringPrintf(TrText("common", "値 %s は扱える範囲を超えています").c_str(), std::string(value).c_str());
}

}  // namespace tremblo
