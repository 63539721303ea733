#include "record/cdpc_reader.h"

#include <cmath>
#include <string>

#include "common/decimal.h"
#include "common/line_reader.h"
#include "record/record_lines.h"
#include "common/translation.h"

namespace tremblo {

namespace {
constexpr std::size_t LINE_BUFFER = 200;
constexpr std::size_t FIELD_WIDTH = 10;
constexpr std::size_t FIELDS_PER_LINE = 8;
}  // namespace

Result<int> ReadCdpcData(std::istream& in, std::span<float> samples) {
    LineReader reader(in, LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    const bool hasFirstLine = reader.Next(line);
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    if (!hasFirstLine || line.find("NDATA=") == std::string::npos ||
        line.find("dT=") == std::string::npos) {
        return ReadError{1, TrText("record", "データ形式エラー"), TrText("record", "中央防災会議のデータ形式ではありません")};
    }
    const std::size_t capacity = samples.size();
    std::size_t n = 0;
    while (n < capacity && reader.Next(line)) {
        if (!line.empty() && line.back() == '\n') line.pop_back();
        if (line.size() > FIELD_WIDTH * FIELDS_PER_LINE) line.resize(FIELD_WIDTH * FIELDS_PER_LINE);
        for (std::size_t k = 0; k < FIELDS_PER_LINE && n < capacity; ++k) {
            const std::size_t start = FIELD_WIDTH * k;
            if (start >= line.size()) break;
            const std::string_view field = std::string_view(line).substr(start, FIELD_WIDTH);
            const float value = static_cast<float>(ParseDecimal(std::string_view(line).substr(start)));
            if (!std::isfinite(value))
                return ReadError{reader.lineNumber(), ValueOutOfRangeMessage(field)};
            samples[n++] = value;
        }
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    return static_cast<int>(n);
}

}  // namespace tremblo
