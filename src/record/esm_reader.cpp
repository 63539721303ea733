#include "record/esm_reader.h"

#include <array>
#include <cmath>
#include <map>

#include "common/format.h"
#include "common/line_reader.h"
#include "common/translation.h"
#include "record/agency_text_samples.h"
#include "record/agency_text_units.h"
#include "record/agency_text_values.h"
#include "record/record_lines.h"
#include "record/seismic_record.h"
#include "record/stated_time_text.h"

namespace tremblo {

namespace {

constexpr const char* kNotEsm =
    QT_TRANSLATE_NOOP("record", "ESM/ITACA の ASCII 形式のヘッダー（EVENT_NAME: ... などの行）がありません");
constexpr const char* kMissingKeyFormat =
    QT_TRANSLATE_NOOP("record", "ヘッダーに %s の行がありません（ESM/ITACA の ASCII 形式ではないか、ヘッダーが壊れています）");
constexpr const char* kNotAccelerationFormat = QT_TRANSLATE_NOOP(
    "record", "このファイルは加速度ではなく「%s」のデータです（読み込めるのは加速度のファイル ACC です）");

constexpr const char* kHeaderTooLongFormat =
    QT_TRANSLATE_NOOP("record", "ヘッダーの行が多すぎます（%d 行を超えています）");
// ESM headers hold some 64 keys; a file of endless key lines is no record.
constexpr int kMaxHeaderKeys = 1000;

constexpr std::array<std::string_view, 12> kDetectionKeys = {
    "EVENT_NAME", "EVENT_ID", "EVENT_DATE_YYYYMMDD", "EVENT_TIME_HHMMSS", "NETWORK", "STATION_CODE",
    "STREAM", "DATA_TYPE", "SAMPLING_INTERVAL_S", "NDATA", "UNITS", "DATE_TIME_FIRST_SAMPLE_YYYYMMDD_HHMMSS"};

struct KeyValue {
    std::string value;
    int line = 0;
};
using EsmHeader = std::map<std::string, KeyValue, std::less<>>;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsKeyCharacter(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '/' || c == '^' || c == '(' || c == ')' ||
           c == '.' || c == '-';
}

// "KEY: value" as its key and value; nothing for any other line.
std::optional<std::pair<std::string_view, std::string_view>> SplitKeyLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view key = TrimBlanks(line.substr(0, colon));
    if (key.empty() || !IsLetter(key[0])) return std::nullopt;
    for (const char c : key)
        if (!IsKeyCharacter(c)) return std::nullopt;
    return std::make_pair(key, TrimBlanks(line.substr(colon + 1)));
}

std::string_view ValueOf(const EsmHeader& header, std::string_view key) {
    const auto it = header.find(key);
    return it == header.end() ? std::string_view() : std::string_view(it->second.value);
}

std::optional<double> NumberOf(const EsmHeader& header, std::string_view key) {
    return HeaderNumber(ValueOf(header, key));
}

ChannelHeader ChannelHeaderOf(const EsmHeader& h) {
    ChannelHeader c;
    c.network = ValueOf(h, "NETWORK");
    c.stationCode = ValueOf(h, "STATION_CODE");
    c.stationName = ValueOf(h, "STATION_NAME");
    c.stationLat = NumberOf(h, "STATION_LATITUDE_DEGREE");
    c.stationLon = NumberOf(h, "STATION_LONGITUDE_DEGREE");
    c.stationElevationM = NumberOf(h, "STATION_ELEVATION_M");
    c.eventName = ValueOf(h, "EVENT_NAME");
    c.eventId = ValueOf(h, "EVENT_ID");
    c.originTime = TimeOfCompactText(ValueOf(h, "EVENT_DATE_YYYYMMDD"), ValueOf(h, "EVENT_TIME_HHMMSS"));
    c.epicenterLat = NumberOf(h, "EVENT_LATITUDE_DEGREE");
    c.epicenterLon = NumberOf(h, "EVENT_LONGITUDE_DEGREE");
    c.depthKm = NumberOf(h, "EVENT_DEPTH_KM");
    if ((c.magnitude = NumberOf(h, "MAGNITUDE_W"))) {
        c.magnitudeType = "Mw";
    } else if ((c.magnitude = NumberOf(h, "MAGNITUDE_L"))) {
        c.magnitudeType = "ML";
    }
    c.firstSampleTime = TimeOfCompactStamp(ValueOf(h, "DATE_TIME_FIRST_SAMPLE_YYYYMMDD_HHMMSS"));
    c.componentName = ValueOf(h, "STREAM");
    if (!c.componentName.empty()) {
        const char orientation = UpperAscii(c.componentName).back();
        if (orientation == 'N') c.azimuthDeg = 0.0;
        if (orientation == 'E') c.azimuthDeg = 90.0;
        c.vertical = orientation == 'Z';
    }
    return c;
}

// A required key's line, or the error naming the line where the header ended.
Result<KeyValue> Required(const EsmHeader& header, std::string_view key, int headerEnd) {
    const auto it = header.find(key);
    if (it == header.end() || it->second.value.empty())
        return ReadError{headerEnd, StringPrintf(TrText("record", kMissingKeyFormat).c_str(), std::string(key).c_str())};
    return it->second;
}

// "ACCELERATION", possibly with more words, but no response spectrum.
bool IsAccelerationType(std::string_view type) {
    const std::string upper = UpperAscii(type);
    return upper.starts_with("ACCELERATION") && upper.find("SPECTR") == std::string::npos &&
           upper.find("RESPONSE") == std::string::npos;
}

struct Sampling {
    double dt = 0.0;
    int count = 0;
    double galPerUnit = 1.0;
};

Result<Sampling> SamplingOf(const EsmHeader& header, int headerEnd) {
    if (const auto type = header.find("DATA_TYPE"); type != header.end() && !type->second.value.empty() &&
                                                    !IsAccelerationType(type->second.value))
        return ReadError{type->second.line,
                         StringPrintf(TrText("record", kNotAccelerationFormat).c_str(), type->second.value.c_str())};
    Sampling s;
    Result<KeyValue> interval = Required(header, "SAMPLING_INTERVAL_S", headerEnd);
    if (!interval) return interval.error();
    const std::optional<double> dt = ParseNumberField(interval.value().value);
    if (!dt || !(*dt > 0.0) || !std::isfinite(*dt))
        return ReadError{interval.value().line, BadIntervalMessage(interval.value().value)};
    s.dt = *dt;
    Result<KeyValue> count = Required(header, "NDATA", headerEnd);
    if (!count) return count.error();
    const std::optional<int> n = ParseIntegerField(count.value().value);
    if (!n || *n <= 0) return ReadError{count.value().line, BadCountMessage(count.value().value)};
    if (*n > MAX_RECORD_SAMPLES) return ReadError{count.value().line, TooManySamplesMessage()};
    s.count = *n;
    Result<KeyValue> units = Required(header, "UNITS", headerEnd);
    if (!units) return units.error();
    const std::optional<double> factor = GalPerUnit(units.value().value);
    if (!factor) return ReadError{units.value().line, UnknownUnitMessage(units.value().value)};
    s.galPerUnit = *factor;
    return s;
}

}  // namespace

bool LooksLikeEsm(const std::vector<std::string>& head) {
    int keys = 0;
    for (const std::string& line : head) {
        const auto keyLine = SplitKeyLine(line);
        if (!keyLine) continue;
        for (const std::string_view key : kDetectionKeys)
            if (keyLine->first == key) ++keys;
    }
    return keys >= 3;
}

Result<AgencyFile> ReadEsmFile(std::istream& in, AgencyReadOptions options) {
    LineReader reader(in, TEXT_RECORD_LINE_BUFFER, RECORD_LINE_LIMIT);
    EsmHeader header;
    std::string line;
    bool dataLine = false;
    int keyLines = 0;
    while (reader.Next(line)) {
        if (reader.cutAtNul()) return ReadError{reader.fileLineNumber(), NulByteMessage()};
        if (TrimBlanks(line).empty()) continue;
        const auto keyLine = SplitKeyLine(WithoutLineEnd(line));
        if (!keyLine) {
            dataLine = true;
            break;
        }
        if (++keyLines > kMaxHeaderKeys)
            return ReadError{reader.fileLineNumber(),
                             StringPrintf(TrText("record", kHeaderTooLongFormat).c_str(), kMaxHeaderKeys)};
        header.try_emplace(std::string(keyLine->first), KeyValue{std::string(keyLine->second), reader.fileLineNumber()});
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    const int headerEnd = dataLine ? reader.fileLineNumber() : reader.fileLineNumber() + 1;
    if (header.empty()) return ReadError{1, TrText("record", kNotEsm)};
    Result<Sampling> sampling = SamplingOf(header, headerEnd);
    if (!sampling) return sampling.error();

    AgencyChannel channel;
    channel.header = ChannelHeaderOf(header);
    channel.dt = sampling.value().dt;
    channel.statedCount = sampling.value().count;
    channel.firstDataLine = headerEnd;
    if (!options.headerOnly) {
        BlankSeparatedSamples samples(channel.statedCount, sampling.value().galPerUnit, channel.gal);
        if (dataLine)
            if (std::optional<ReadError> problem = samples.AddLine(line, headerEnd)) return *problem;
        if (std::optional<ReadError> failure = ReadBlankSeparatedSamples(reader, samples)) return *failure;
    }
    AgencyFile file;
    file.format = RecordFormat::Esm;
    file.channels.push_back(std::move(channel));
    return file;
}

}  // namespace tremblo
