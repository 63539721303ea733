#include "event/summary_row_parse.h"

#include <charconv>
#include <cmath>

namespace tremblo {

namespace {

std::string_view WithoutLineEnd(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

template <typename Number>
std::optional<Number> ParseNumberCell(std::string_view cell) {
    if (cell.empty()) return std::nullopt;
    Number value{};
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size() || std::isnan(value)) return std::nullopt;
    return value;
}

}  // namespace

std::vector<std::string> SplitCsvLine(std::string_view line) {
    line = WithoutLineEnd(line);
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (quoted) {
            if (ch != '"') {
                fields.back() += ch;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            fields.emplace_back();
        } else {
            fields.back() += ch;
        }
    }
    return fields;
}

std::optional<float> ParseFloatCell(std::string_view cell) { return ParseNumberCell<float>(cell); }

std::optional<double> ParseDoubleCell(std::string_view cell) { return ParseNumberCell<double>(cell); }

}  // namespace tremblo
