#pragma once
// Reading the cells of a summary table line (the batch's --summary CSV:
// UTF-8, RFC 4180 quoting, CR LF line ends, floats in shortest form).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tremblo {

// The fields of one CSV record. Quoted fields may hold commas, line breaks
// and doubled quotes; a trailing CR LF or LF is dropped.
std::vector<std::string> SplitCsvLine(std::string_view line);

// The number a cell holds, read with std::from_chars; nothing for an empty
// cell, a cell with other text after the number, or NaN (which could not be
// ordered). A float cell written in shortest form reads back exactly.
std::optional<float> ParseFloatCell(std::string_view cell);
std::optional<double> ParseDoubleCell(std::string_view cell);

}  // namespace tremblo
