#include "support/knet_fixtures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

namespace tremblo::testing {

namespace {

// The start of line `index` (0-based) of `text`, or its size.
std::size_t LineStart(const std::string& text, int index) {
    std::size_t at = 0;
    for (int i = 0; i < index && at < text.size(); ++i) {
        const std::size_t end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return at;
}

}  // namespace

std::string WithStatedPeak(std::string text) {
    const std::size_t factorLine = LineStart(text, 13);
    const std::string factor = text.substr(factorLine + 18, text.find('\n', factorLine) - factorLine - 18);
    const double numerator = std::stod(factor);
    const double denominator = std::stod(factor.substr(factor.find('/') + 1));

    std::vector<double> gal;
    std::istringstream data(text.substr(LineStart(text, 17)));
    for (long long count = 0; data >> count;) gal.push_back(static_cast<double>(count) * numerator / denominator);
    double mean = 0.0;
    for (const double a : gal) mean += a / static_cast<double>(gal.size());
    double peak = 0.0;
    for (const double a : gal) peak = std::max(peak, std::fabs(a - mean));

    const std::size_t peakLine = LineStart(text, 14);
    std::size_t end = text.find('\n', peakLine);
    if (end > peakLine && text[end - 1] == '\r') --end;
    char line[64];
    std::snprintf(line, sizeof(line), "Max. Acc. (gal)   %.3f", peak);
    return text.replace(peakLine, end - peakLine, line);
}

}  // namespace tremblo::testing
