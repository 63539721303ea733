#include "wave/start_point.h"

#include "common/decimal.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <climits>
#include <cstdlib>

namespace tremblo {

std::optional<int> ParseWholeInteger(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin) return std::nullopt;
    while (*end == ' ') ++end;
    if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

StartCheck CheckStartText(const std::string& text, int sampleCount, int timeScaleItem) {
    if (text.empty()) return {StartVerdict::Empty};
    const auto v = ParseWholeInteger(text);
    if (!v) return {StartVerdict::NotANumber};
    if (static_cast<long long>(*v) > static_cast<long long>(sampleCount) - 500LL * (timeScaleItem + 1))
        return {StartVerdict::TooLarge, *v};
    return {StartVerdict::Accepted, *v};
}

std::optional<float> ParseWholeDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    const std::string number = text.substr(i, end - i);
    if (number.empty()) return std::nullopt;
    // Digits, one optional point, an optional sign and exponent: nothing else.
    std::size_t k = 0;
    if (number[k] == '+' || number[k] == '-') ++k;
    std::size_t digits = 0;
    while (k < number.size() && std::isdigit(static_cast<unsigned char>(number[k]))) ++k, ++digits;
    if (k < number.size() && number[k] == '.') {
        ++k;
        while (k < number.size() && std::isdigit(static_cast<unsigned char>(number[k]))) ++k, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (k < number.size() && (number[k] == 'e' || number[k] == 'E')) {
        ++k;
        if (k < number.size() && (number[k] == '+' || number[k] == '-')) ++k;
        std::size_t exponentDigits = 0;
        while (k < number.size() && std::isdigit(static_cast<unsigned char>(number[k]))) ++k, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (k != number.size()) return std::nullopt;
    const double value = ParseDecimal(number);
    if (!std::isfinite(static_cast<float>(value))) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace tremblo
