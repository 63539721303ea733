#pragma once
// The comma-separated field splitter used for every CSV-like line read.
#include <string>
#include <string_view>
#include <vector>

namespace tremblo {

// Blanks, tabs and line ends before a field are skipped; inside a field they
// are kept. A comma or a line end ends a field. An empty line gives no
// fields; a line ending in a line end gives one final empty field.
std::vector<std::string> SplitFields(std::string_view line);

// Field i (0-based) or "" when the line has fewer fields.
std::string_view FieldOrEmpty(const std::vector<std::string>& fields, std::size_t i);

}  // namespace tremblo
