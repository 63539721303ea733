#pragma once
// printf-style formatting into a std::string.
#include <string>

namespace tremblo {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same with a format chosen at run time (tick-label formats).
std::string FormatDouble(const std::string& format, double value);

}  // namespace tremblo
