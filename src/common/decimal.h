#pragma once
// The standard decimal conversions used for every number read from a file:
// leading white space is skipped, the conversion stops at the first
// character that cannot continue the number, and text without a number reads
// as 0. Independent of the C locale (a Qt program may switch LC_NUMERIC).
#include <string>
#include <string_view>

namespace tremblo {

// Like atoi; values beyond the int range are clamped.
int ParseInteger(std::string_view text);

// Like atof (decimal digits, optional fraction and exponent; no hex, inf or
// nan). Overflow gives +-HUGE_VAL and underflow 0, as strtod does.
double ParseDecimal(std::string_view text);

// The message for a value of a data line that no sample can hold (beyond
// the single-precision range, 1e999 say): the load stops there.
std::string ValueOutOfRangeMessage(std::string_view field);

}  // namespace tremblo
