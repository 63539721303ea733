#include "record/cdpc_reader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/decimal.h"
#include "common/format.h"
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

namespace {

// Whether `text` starts with a number (after blanks), as ParseDecimal reads one.
bool StartsWithNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

ReadError NotCdpcError() {
    return ReadError{1, TrText("record", "データ形式エラー"), TrText("record", "中央防災会議のデータ形式ではありません")};
}

}  // namespace

Result<double> ReadCdpcInterval(std::istream& in) {
    LineReader reader(in, LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    const bool hasFirstLine = reader.Next(line);
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    const std::size_t marker = line.find("dT=");
    if (!hasFirstLine || line.find("NDATA=") == std::string::npos || marker == std::string::npos) return NotCdpcError();
    const std::string_view stated = std::string_view(line).substr(marker + 3);
    if (!StartsWithNumber(stated)) return 1.0 / CDPC_SAMPLING_FREQUENCY;
    const double dt = ParseDecimal(stated);
    if (!(dt > 0.0 && dt <= 1.0))
        return ReadError{1, StringPrintf(TrText("record", "1行目のサンプリング間隔 dT=%s を使えません（0 秒より長く 1 秒以下であること）").c_str(),
                                         std::string(stated.substr(0, 20)).c_str())};
    return dt;
}

Result<int> ReadCdpcData(std::istream& in, std::vector<float>& samples, int* statedCount) {
    samples.clear();
    LineReader reader(in, LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    const bool hasFirstLine = reader.Next(line);
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    if (!hasFirstLine || line.find("NDATA=") == std::string::npos ||
        line.find("dT=") == std::string::npos) {
        return NotCdpcError();
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
