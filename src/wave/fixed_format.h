#pragma once
// printf-style "%W.Pf" formatting that ignores the C locale (a Qt program
// may switch LC_NUMERIC, which would turn the decimal point into a comma).
#include <string>

namespace tremblo {

// Appends value as "%<width>.<precision>f" would print it in the "C" locale:
// right-aligned in width characters, wider when needed.
void AppendFixed(std::string& out, double value, int width, int precision);

std::string FormatFixed(double value, int width, int precision);

}  // namespace tremblo
