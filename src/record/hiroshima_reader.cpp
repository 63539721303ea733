#include "record/hiroshima_reader.h"

#include <cmath>
#include <string>

#include "common/decimal.h"
#include "common/line_reader.h"
#include "record/record_lines.h"
#include "common/split_fields.h"
#include "common/translation.h"
#include "record/seismic_record.h"

namespace tremblo {

namespace {
constexpr std::size_t HEADER_LINE_BUFFER = 100;
constexpr std::size_t DATA_LINE_BUFFER = 200;
}  // namespace

Result<HiroshimaHeader> ReadHiroshimaHeader(std::istream& in, const StationDirectory& directory) {
    LineReader reader(in, HEADER_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::vector<std::string> first[HIROSHIMA_HEADER_LINES];
    std::string line;
    for (int i = 0; i < HIROSHIMA_HEADER_LINES; ++i) {
        if (!reader.Next(line)) {
            if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
            return ReadError{i + 1, TrText("record", "ヘッダーが5行そろっていません")};
        }
        first[i] = SplitFields(line);
    }
    HiroshimaHeader h;
    h.fileStationCode = FieldOrEmpty(first[0], 0);
    h.station = directory.FindHiroshima(h.fileStationCode.view());
    h.recordDate = FieldOrEmpty(first[1], 0);
    h.recordTime = FieldOrEmpty(first[2], 0);
    h.sampleCount = ParseInteger(FieldOrEmpty(first[3], 0));
    if (h.sampleCount <= 0) return ReadError{4, TrText("record", "データ数が正しくありません")};
    h.intervalMs = ParseInteger(FieldOrEmpty(first[4], 0));
    if (h.intervalMs <= 0) return ReadError{5, TrText("record", "サンプリング間隔が正しくありません")};
    h.samplingFrequency = 1000 / h.intervalMs;
    h.dt = static_cast<float>(static_cast<long double>(h.intervalMs) * 0.001L);
    return h;
}

Result<int> ReadHiroshimaData(std::istream& in, std::vector<float>& samples) {
    samples.clear();
    LineReader reader(in, DATA_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    for (int i = 0; i < HIROSHIMA_HEADER_LINES; ++i) {
        if (reader.Next(line)) continue;
        if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
        return 0;
    }
    while (reader.Next(line)) {
        const auto fields = SplitFields(line);
        // The last field of a line is never a value (it is what follows the
        // line's last comma or stands before its line end).
        for (std::size_t k = 0; k + 1 < fields.size(); ++k) {
            const float value = static_cast<float>(ParseDecimal(fields[k]));
            if (!std::isfinite(value))
                return ReadError{reader.lineNumber(), ValueOutOfRangeMessage(fields[k])};
            if (samples.size() == static_cast<std::size_t>(MAX_RECORD_SAMPLES))
                return ReadError{reader.lineNumber(), TooManySamplesMessage()};
            samples.push_back(value);
        }
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    return static_cast<int>(samples.size());
}

}  // namespace tremblo
