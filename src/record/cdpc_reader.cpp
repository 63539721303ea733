#include "record/cdpc_reader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/decimal.h"
#include "common/line_reader.h"
#include "record/record_lines.h"
#include "common/translation.h"
#include "record/seismic_record.h"

namespace tremblo {

namespace {
constexpr std::size_t LINE_BUFFER = 200;
constexpr std::size_t FIELD_WIDTH = 10;
constexpr std::size_t FIELDS_PER_LINE = 8;
}  // namespace

Result<int> ReadCdpcData(std::istream& in, std::vector<float>& samples, int* statedCount) {
    samples.clear();
    LineReader reader(in, LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    const bool hasFirstLine = reader.Next(line);
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    if (!hasFirstLine || line.find("NDATA=") == std::string::npos ||
        line.find("dT=") == std::string::npos) {
        return ReadError{1, TrText("record", "データ形式エラー"), TrText("record", "中央防災会議のデータ形式ではありません")};
    }
    if (statedCount) *statedCount = std::max(ParseInteger(std::string_view(line).substr(line.find("NDATA=") + 6)), 0);
    while (reader.Next(line)) {
        if (!line.empty() && line.back() == '\n') line.pop_back();
        if (line.size() > FIELD_WIDTH * FIELDS_PER_LINE) line.resize(FIELD_WIDTH * FIELDS_PER_LINE);
        for (std::size_t k = 0; k < FIELDS_PER_LINE; ++k) {
            const std::size_t start = FIELD_WIDTH * k;
            if (start >= line.size()) break;
            const std::string_view field = std::string_view(line).substr(start, FIELD_WIDTH);
            const float value = static_cast<float>(ParseDecimal(std::string_view(line).substr(start)));
            if (!std::isfinite(value))
                return ReadError{reader.lineNumber(), ValueOutOfRangeMessage(field)};
            if (samples.size() == static_cast<std::size_t>(MAX_RECORD_SAMPLES))
                return ReadError{reader.lineNumber(), TooManySamplesMessage()};
            samples.push_back(value);
        }
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    return static_cast<int>(samples.size());
}

}  // namespace tremblo
