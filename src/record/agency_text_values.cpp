#include "record/agency_text_values.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace tremblo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the exponent of a number field (if any) is negative.
bool HasNegativeExponent(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
}

}  // namespace

std::optional<double> ParseNumberField(std::string_view field) {
    if (field.empty()) return std::nullopt;
    bool negative = false;
    if (field[0] == '+' || field[0] == '-') {
        negative = field[0] == '-';
        field.remove_prefix(1);
    }
    // from_chars would take "inf", "nan" and a second sign.
    if (field.empty() || !(IsDigit(field[0]) || (field[0] == '.' && field.size() > 1 && IsDigit(field[1]))))
        return std::nullopt;
    double value = 0.0;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    if (ptr != end) return std::nullopt;
    if (ec == std::errc::result_out_of_range) value = HasNegativeExponent(field) ? 0.0 : HUGE_VAL;
    else if (ec != std::errc()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> ParseIntegerField(std::string_view field) {
    if (field.empty()) return std::nullopt;
    std::size_t i = 0;
    const bool negative = field[0] == '-';
    if (field[0] == '+' || field[0] == '-') i = 1;
    if (i == field.size()) return std::nullopt;
    long long value = 0;
    for (; i < field.size(); ++i) {
        if (!IsDigit(field[i])) return std::nullopt;
        value = value * 10 + (field[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool NextBlankField(std::string_view line, std::size_t& pos, std::string_view& field) {
    const std::size_t size = line.size();
    std::size_t i = pos;
    while (i < size && IsBlank(line[i])) ++i;
    if (i == size) {
        pos = size;
        return false;
    }
    const std::size_t start = i;
    while (i < size && !IsBlank(line[i])) ++i;
    field = line.substr(start, i - start);
    pos = i;
    return true;
}

bool NextCommaField(std::string_view line, std::size_t& pos, std::string_view& field) {
    if (pos > line.size()) return false;
    const std::size_t comma = line.find(',', pos);
    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
    field = TrimBlanks(line.substr(pos, end - pos));
    pos = comma == std::string_view::npos ? line.size() + 1 : comma + 1;
    return true;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::optional<double> HeaderNumber(std::string_view text) {
    const std::optional<double> value = ParseNumberField(TrimBlanks(text));
    if (!value || !std::isfinite(*value) || std::fabs(*value) >= NULL_VALUE_MAGNITUDE) return std::nullopt;
    if (*value == -999.0 || *value == -9999.0 || *value == -99999.0) return std::nullopt;
    return value;
}

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

}  // namespace tremblo
