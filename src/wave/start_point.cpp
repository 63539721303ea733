#include "wave/start_point.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tremblo {

StartCheck CheckStartText(const std::string& text, int sampleCount, int timeScaleItem) {
    if (text.empty()) return {StartVerdict::Empty};
    // A whole number with an optional sign and surrounding blanks, as the
    // toolkit's integer conversion accepts it.
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    while (*end == ' ') ++end;
    if (end == begin || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return {StartVerdict::NotANumber};
    const int v = static_cast<int>(value);
    if (static_cast<long long>(v) > static_cast<long long>(sampleCount) - 500LL * (timeScaleItem + 1))
        return {StartVerdict::TooLarge, v};
    return {StartVerdict::Accepted, v};
}

}  // namespace tremblo
