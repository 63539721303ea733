#pragma once
// printf-style formatting into a std::string. The program runs with the "C"
// numeric locale, so "%6.1f" always writes a decimal point.
#include <string>

namespace tremblo {

std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tremblo
