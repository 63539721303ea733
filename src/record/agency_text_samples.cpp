#include "record/agency_text_samples.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "common/decimal.h"
#include "common/format.h"
#include "common/translation.h"
#include "record/agency_channel.h"
#include "record/agency_text_values.h"
#include "record/record_lines.h"
#include "record/seismic_record.h"

namespace tremblo {

namespace {

// What is kept of a field in a message: a damaged file may hold a field of
// thousands of characters.
std::string Shown(std::string_view field) {
    constexpr std::size_t kShown = 40;
    return field.size() <= kShown ? std::string(field) : std::string(field.substr(0, kShown)) + "...";
}

// Samples reserved before any is read: a stated count is never trusted
// for more.
constexpr int kInitialReserve = 1 << 16;

}  // namespace

GalOrProblem FieldToGal(std::string_view field, double galPerUnit) {
    GalOrProblem result;
    const std::optional<double> value = ParseNumberField(field);
    if (!value) {
        result.problem = NotANumberMessage(field);
        return result;
    }
    if (!std::isfinite(*value) || std::fabs(*value) >= NULL_VALUE_MAGNITUDE) {
        result.problem = NullSampleMessage(field);
        return result;
    }
    const double gal = *value * galPerUnit;
    if (std::fabs(gal) > FLT_MAX) {
        result.problem = ValueOutOfRangeMessage(field);
        return result;
    }
    if (std::fabs(gal) > MAX_PLAUSIBLE_GAL) {
        result.problem = ImplausibleSampleMessage(field, gal);
        return result;
    }
    result.gal = static_cast<float>(gal);
    return result;
}

BlankSeparatedSamples::BlankSeparatedSamples(int statedCount, double galPerUnit, std::vector<float>& gal)
    : stated_(static_cast<std::size_t>(std::max(statedCount, 0))), galPerUnit_(galPerUnit), gal_(gal) {
    gal_.clear();
    gal_.reserve(std::min(stated_, static_cast<std::size_t>(kInitialReserve)));
}

std::optional<ReadError> BlankSeparatedSamples::AddLine(std::string_view line, int lineNumber) {
    std::size_t pos = 0;
    std::string_view field;
    while (NextBlankField(line, pos, field)) {
        if (gal_.size() == stated_) return ReadError{lineNumber, MoreValuesMessage(static_cast<int>(stated_))};
        const GalOrProblem value = FieldToGal(field, galPerUnit_);
        if (value.problem) return ReadError{lineNumber, *value.problem};
        if (gal_.empty()) firstValueLine_ = lineNumber;
        gal_.push_back(value.gal);
    }
    return std::nullopt;
}

std::optional<ReadError> BlankSeparatedSamples::Finish(int lineAfterLast) const {
    if (gal_.size() < stated_)
        return ReadError{lineAfterLast, FewerValuesMessage(static_cast<int>(stated_), static_cast<int>(gal_.size()))};
    return std::nullopt;
}

std::optional<ReadError> ReadBlankSeparatedSamples(LineReader& reader, BlankSeparatedSamples& samples) {
    std::string line;
    while (reader.Next(line)) {
        if (reader.cutAtNul()) return ReadError{reader.fileLineNumber(), NulByteMessage()};
        if (std::optional<ReadError> problem = samples.AddLine(line, reader.fileLineNumber())) return problem;
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return failure;
    return samples.Finish(reader.fileLineNumber() + 1);
}

int FirstNonBlankLine(LineReader& reader) {
    std::string line;
    while (reader.Next(line))
        if (!TrimBlanks(line).empty()) return reader.fileLineNumber();
    return reader.fileLineNumber() + 1;
}

std::string NotANumberMessage(std::string_view field) {
    return StringPrintf(TrText("record", "「%s」は数値ではありません").c_str(), Shown(field).c_str());
}

std::string NullSampleMessage(std::string_view field) {
    return StringPrintf(TrText("record", "データに欠測値「%s」があります（波形として読み込めません）").c_str(),
                        Shown(field).c_str());
}

std::string NulByteMessage() { return TrText("record", "行に NUL 文字があります（ファイルが壊れています）"); }

std::string FewerValuesMessage(int stated, int found) {
    return StringPrintf(
        TrText("record", "ヘッダーではデータ数が %d 個ですが、値は %d 個しかありません（ファイルが途中で切れています）").c_str(),
        stated, found);
}

std::string MoreValuesMessage(int stated) {
    return StringPrintf(TrText("record", "ヘッダーのデータ数 %d 個より多くの値があります").c_str(), stated);
}

std::string BadIntervalMessage(std::string_view text) {
    return StringPrintf(TrText("record", "サンプリング間隔「%s」が正しくありません（正の秒数が必要です）").c_str(),
                        Shown(TrimBlanks(text)).c_str());
}

std::string BadCountMessage(std::string_view text) {
    return StringPrintf(TrText("record", "データ数「%s」が正しくありません（1 以上の整数が必要です）").c_str(),
                        Shown(TrimBlanks(text)).c_str());
}

std::string UnknownUnitMessage(std::string_view unit) {
    return StringPrintf(
        TrText("record", "加速度の単位「%s」は読めません（g, m/s^2, cm/s^2, mm/s^2, gal のどれかが必要です）").c_str(),
        Shown(TrimBlanks(unit)).c_str());
}

std::string HeaderCutMessage(int expectedLines) {
    return StringPrintf(TrText("record", "ヘッダーが %d 行そろっていません（ファイルが途中で切れています）").c_str(),
                        expectedLines);
}

}  // namespace tremblo
