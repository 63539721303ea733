#pragma once
// The small text tools the PEER, ESM and K-NET CSV readers share: strict
// number fields, blank- and comma-separated fields taken from a line without
// copying it, and the null markers of header fields.
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

// Magnitudes from here up are "undefined" markers (1.7e38 and the like),
// never a measured value.
inline constexpr double NULL_VALUE_MAGNITUDE = 1e30;

// A field that is a number and nothing else: an optional sign, digits with
// an optional fraction (".005", "5." too), an optional exponent ("E-03").
// No blanks, no "inf" or "nan", no hexadecimal. A number beyond the double
// range reads as +-infinity, one below it as 0.
std::optional<double> ParseNumberField(std::string_view field);

// An integer field (optional sign, digits only) within the int range.
std::optional<int> ParseIntegerField(std::string_view field);

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text without the blanks, tabs and line ends around it.
std::string_view TrimBlanks(std::string_view text);

// The next field separated by blanks or tabs, from `pos` on; false when only
// blanks remain. `pos` moves past the field.
bool NextBlankField(std::string_view line, std::size_t& pos, std::string_view& field);

// The next comma-separated field from `pos` (its surrounding blanks
// trimmed); false once the line is used up. A line "a,,b" gives "a", "", "b".
bool NextCommaField(std::string_view line, std::size_t& pos, std::string_view& field);

// ASCII letters upper-cased (other bytes as they are).
std::string UpperAscii(std::string_view text);

// A header value as a number, or nothing when it is empty, not a number,
// not finite, or an undefined marker: -999, -9999, -99999 (any of them
// with a fraction of zeros) or a magnitude of NULL_VALUE_MAGNITUDE or more.
std::optional<double> HeaderNumber(std::string_view text);

// The line's text without its line end.
std::string_view WithoutLineEnd(std::string_view line);

}  // namespace tremblo
