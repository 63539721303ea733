#include "plot/tick_labels.h"

#include <charconv>
#include <cmath>

#include "plot/format_text.h"

namespace tremblo {

namespace {

// Up to four decimals; a value that prints with a trailing 9 is nudged up by
// 0.0001 first so that 2.99991 reads 3. Trailing zeros and period removed.
std::string FourDecimals(float magnitude) {
    std::string text = FormatText("%.4f", static_cast<double>(magnitude));
    if (!text.empty() && text.back() == '9') {
        text = FormatText("%.4f", static_cast<double>(magnitude) + 0.0001);
    }
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string Exponential(float value, float magnitude) {
    return FormatText(value > 0 ? "%.1e" : "-%.1e", static_cast<double>(magnitude));
}

}  // namespace

std::string GraphRoundNumber(float value) {
    if (value == 0.0f) return "0";
    const float magnitude = std::fabs(value);
    if (magnitude < 1e-8) return "0";
    if (magnitude < 1e-5 || magnitude > 100000) return Exponential(value, magnitude);
    const std::string text = FourDecimals(magnitude);
    return value < 0 ? "-" + text : text;
}

std::string WaveRoundNumber(float value) {
    if (value == 0.0f) return "0";
    const float magnitude = std::fabs(value);
    if (magnitude < 0.00001 || magnitude > 100000) return Exponential(value, magnitude);
    const std::string text = FourDecimals(magnitude);
    return value > 0 ? text : "-" + text;
}

int SubScale(float step, std::string& format) {
    if (!(step > 0.0f)) return 0;
    float s = static_cast<float>(step * 1.000001);
    const float s0 = s;
    int decimals = 0;
    if (s >= 1.0f) {
        // The guard keeps an infinite step from looping for ever.
        while (s > 1.0f && std::isfinite(s)) s = s / 10.0f;
        s = s * 10.0f;
    } else {
        while (s < 1.0f) {
            s = s * 10.0f;
            ++decimals;
        }
    }
    int leading = static_cast<int>(std::trunc(s));
    const float fraction = s - static_cast<float>(leading);
    if (s > 1.4 && s < 1.6) leading = 3;
    if (s > 2.4 && s < 2.6) leading = 5;
    if (s0 < 10.0f && fraction > 0.4 && fraction < 0.6) ++decimals;
    format = FormatText("%%.%df", decimals);
    switch (leading) {
        case 2:
        case 4:
        case 8:
            return 4;
        case 3:
        case 9:
            return 3;
        case 6:
            return 6;
        case 7:
            return 7;
        default:
            return 5;
    }
}

bool ZeroString(std::string_view text) {
    for (char c : text) {
        if (c != '-' && c != '.' && c != '0') return false;
    }
    return true;
}

std::string ShortestDecimal(float value) {
    if (value == 0.0f) return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace tremblo
