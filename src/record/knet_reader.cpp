#include "record/knet_reader.h"

#include <algorithm>
#include <cmath>

#include "common/decimal.h"
#include "common/format.h"
#include "common/line_reader.h"
#include "record/record_lines.h"
#include "common/translation.h"

namespace tremblo {

namespace {

constexpr std::size_t VALUE_COLUMN = 18;  // values start in column 19

// Text from 0-based column `from` to the end of the (cleaned) line.
std::string_view From(const std::string& line, std::size_t from) {
    return from < line.size() ? std::string_view(line).substr(from) : std::string_view();
}

std::string_view Columns(const std::string& line, std::size_t from, std::size_t count) {
    return From(line, from).substr(0, count);
}

// Why data lines are refused (see ReadKnetData).
constexpr const char* kKnetFieldNotCount = QT_TRANSLATE_NOOP(
    "record", "%d 番目の値「%s」が9文字ごとの欄の整数になっていません（K-NET/KiK-net の固定欄形式ではありません）");
constexpr const char* kKnetLineCut =
    QT_TRANSLATE_NOOP("record", "行が値の途中で終わっています（ファイルが途中で切れています）");
constexpr const char* kKnetNulByte = QT_TRANSLATE_NOOP("record", "行に NUL 文字があります（ファイルが壊れています）");
constexpr const char* kKnetPeakContradicts = QT_TRANSLATE_NOOP(
    "record", "ヘッダーの最大加速度 %.3f gal がデータの最大値 %.3f gal と合いません（データが壊れています）");

// An 8-column field of a data line: blanks, an optional sign and digits,
// then nothing but blanks.
bool IsFieldInteger(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
    const std::size_t digits = i;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i;
    if (i == digits) return false;
    while (i < field.size() && field[i] == ' ') ++i;
    return i == field.size();
}

// Date in columns 19-28, time from column 30.
void ReadDateTime(const std::string& line, FixedText<12>& date, FixedText<12>& time) {
    date = Columns(line, 18, 10);
    time = From(line, 29);
}

}  // namespace

void TrimLineEnd(std::string& line) {
    if (!line.empty()) line.pop_back();
    while (!line.empty() && line.back() == ' ') line.pop_back();
}

Result<KnetHeader> ReadKnetHeader(std::istream& in) {
    LineReader reader(in, KNET_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string lines[KNET_HEADER_LINES];
    std::size_t rawLength[KNET_HEADER_LINES];
    bool line1EndsAfterLabel = false;
    for (int i = 0; i < KNET_HEADER_LINES; ++i) {
        if (!reader.Next(lines[i])) {
            if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
            return ReadError{i + 1, TrText("record", "ヘッダーが17行そろっていません")};
        }
        rawLength[i] = lines[i].size();
        if (i == 0) line1EndsAfterLabel = lines[0].size() == 19 && lines[0][18] == '\n';
        TrimLineEnd(lines[i]);
    }

    KnetHeader h;
    ReadDateTime(lines[0], h.originDate, h.originTime);
    h.epicenterLat = static_cast<float>(ParseDecimal(From(lines[1], VALUE_COLUMN)));
    h.epicenterLon = static_cast<float>(ParseDecimal(From(lines[2], VALUE_COLUMN)));
    h.depthKm = ParseInteger(From(lines[3], VALUE_COLUMN));
    h.magnitude = static_cast<float>(ParseDecimal(From(lines[4], VALUE_COLUMN)));
    h.stationCode = From(lines[5], VALUE_COLUMN);
    h.stationLat = static_cast<float>(ParseDecimal(From(lines[6], VALUE_COLUMN)));
    h.stationLon = static_cast<float>(ParseDecimal(From(lines[7], VALUE_COLUMN)));
    h.stationHeight = ParseInteger(From(lines[8], VALUE_COLUMN));
    ReadDateTime(lines[9], h.recordDate, h.recordTime);
    if (line1EndsAfterLabel) {
        h.originDate = h.recordDate.view();
        h.originTime = h.recordTime.view();
        h.originTimeMissing = true;
    }
    h.samplingFrequency = ParseInteger(From(lines[10], VALUE_COLUMN));
    if (h.samplingFrequency <= 0)
        return ReadError{11, TrText("record", "サンプリング周波数が正しくありません")};
    h.durationSeconds = static_cast<float>(ParseDecimal(From(lines[11], VALUE_COLUMN)));
    h.direction = From(lines[12], VALUE_COLUMN);
    const int numerator = ParseInteger(From(lines[13], VALUE_COLUMN));
    const int denominator = ParseInteger(From(lines[13], 28));
    if (denominator == 0)
        return ReadError{14, TrText("record", "スケールファクターの分母が0です")};
    h.scaleFactor = static_cast<float>(static_cast<long double>(numerator) /
                                       static_cast<long double>(denominator));
    const std::string_view maxAcc = From(lines[14], VALUE_COLUMN);
    h.maxAccText = maxAcc;
    const double statedPeak = ParseDecimal(maxAcc);
    h.statedPeakGal = std::isfinite(statedPeak) && statedPeak > 0.0 ? statedPeak : 0.0;
    h.lastCorrection = From(lines[15], VALUE_COLUMN);
    if (rawLength[16] != 19) h.memo = From(lines[16], VALUE_COLUMN);
    return h;
}

void ApplyKnetHeader(const KnetHeader& h, RecordFields& r) {
    static_cast<EventHeader&>(r) = h;
    r.samplingFrequency = h.samplingFrequency;
}

Result<int> ReadKnetData(std::istream& in, float scaleFactor, std::vector<float>& samples) {
    samples.clear();
    LineReader reader(in, KNET_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    for (int i = 0; i < KNET_HEADER_LINES; ++i) {
        if (reader.Next(line)) continue;
        if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
        return 0;
    }
    const long double scale = scaleFactor;
    // A piece without its line end that is not a full buffer is the file's
    // last line, or a line cut at a NUL byte: then more follows.
    int shortPiece = 0;
    while (reader.Next(line)) {
        if (shortPiece > 0) return ReadError{shortPiece, TrText("record", kKnetNulByte)};
        const bool lineEnd = !line.empty() && line.back() == '\n';
        if (!lineEnd && line.size() < KNET_LINE_BUFFER - 1) {
            shortPiece = reader.fileLineNumber();
            line.push_back('\n');  // the end of the file ends the line
        }
        if (std::optional<std::string> problem = KnetDataLineProblem(line))
            return ReadError{reader.fileLineNumber(), *problem};
        const std::size_t values = line.size() / 9;
        if (samples.size() + values > static_cast<std::size_t>(MAX_RECORD_SAMPLES))
            return ReadError{reader.fileLineNumber(), TooManySamplesMessage()};
        for (std::size_t k = 0; k < values; ++k) {
            const int count = ParseInteger(std::string_view(line).substr(9 * k, 8));
            samples.push_back(static_cast<float>(static_cast<long double>(count) * scale));
        }
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    return static_cast<int>(samples.size());
}

std::optional<std::string> KnetDataLineProblem(std::string_view line) {
    const std::size_t values = line.size() / 9;
    for (std::size_t k = 0; k < values; ++k) {
        const std::string_view field = line.substr(9 * k, 8);
        const char separator = line[9 * k + 8];
        if (!IsFieldInteger(field) || (separator != ' ' && separator != '\n'))
            return StringPrintf(TrText("record", kKnetFieldNotCount).c_str(), static_cast<int>(k + 1),
                                std::string(line.substr(9 * k, 9)).c_str());
    }
    for (const char c : line.substr(9 * values))
        if (c != ' ' && c != '\n') return TrText("record", kKnetLineCut);
    return std::nullopt;
}

std::optional<std::string> KnetPeakContradiction(const KnetHeader& header, std::span<const float> samples) {
    const double stated = header.statedPeakGal;
    if (!(stated > 0.0) || samples.empty()) return std::nullopt;
    double sum = 0.0;
    for (const float a : samples) sum += static_cast<double>(a);
    const double mean = sum / static_cast<double>(samples.size());
    double largest = 0.0, largestFromMean = 0.0;
    for (const float a : samples) {
        largest = std::max(largest, std::fabs(static_cast<double>(a)));
        largestFromMean = std::max(largestFromMean, std::fabs(static_cast<double>(a) - mean));
    }
    const double tolerance = std::max(1.0, 0.01 * stated);
    if (stated >= std::min(largest, largestFromMean) - tolerance && stated <= std::max(largest, largestFromMean) + tolerance)
        return std::nullopt;
    return StringPrintf(TrText("record", kKnetPeakContradicts).c_str(), stated, largestFromMean);
}

}  // namespace tremblo
