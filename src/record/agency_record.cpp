#include "record/agency_record.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/format.h"
#include "common/path_text.h"
#include "common/shift_jis.h"

namespace tremblo {

namespace {

std::string TimeKey(const StatedTime& t) {
    return StringPrintf("%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                        static_cast<int>(std::floor(t.second)));
}

std::string Trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return std::string(text.substr(begin, end - begin));
}

// Letters, digits, "-" and "_" kept; every other run of characters one "_".
std::string FileNameSafe(std::string_view text) {
    std::string safe;
    for (char c : Trimmed(text)) {
        const bool kept = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
        if (kept) safe += c;
        else if (safe.empty() || safe.back() != '_') safe += '_';
    }
    while (!safe.empty() && safe.back() == '_') safe.pop_back();
    return safe;
}

template <typename T>
void FillMissing(std::optional<T>& value, const std::optional<T>& other) {
    if (!value && other) value = other;
}

void FillMissing(std::string& value, const std::string& other) {
    if (value.empty()) value = other;
}

std::string OptionalNumber(const std::optional<double>& value, const char* format) {
    return value ? StringPrintf(format, *value) : NoDataLabel();
}

}  // namespace

std::string ComponentGroupKey(RecordFormat format, const ChannelHeader& h) {
    std::string station = h.stationCode.empty() ? h.stationName : h.stationCode;
    std::string event;
    if (h.originTime) event = "o" + TimeKey(*h.originTime);
    else if (!h.eventId.empty()) event = "i" + h.eventId;
    else if (!h.eventName.empty()) event = "n" + h.eventName + (h.firstSampleTime ? TimeKey(*h.firstSampleTime).substr(0, 8) : "");
    else if (h.firstSampleTime) event = "s" + TimeKey(*h.firstSampleTime).substr(0, 12);
    if (station.empty() && event.empty()) return {};
    return StringPrintf("%d|%d|", static_cast<int>(format), h.processingStage) + h.network + "|" + Trimmed(station) +
           "|" + event;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

// Words that name a component after a separator ("-UP", "_N", ".HNZ").
bool IsComponentWord(std::string_view word) {
    static constexpr std::string_view kWords[] = {"UP", "DWN", "DN", "DOWN", "UD", "V", "VER", "VERT", "VRT", "Z", "N",
                                                  "E",  "S",   "W",  "L",    "T",  "R", "NS",  "EW"};
    for (std::string_view known : kWords)
        if (EqualIgnoringAsciiCase(word, known)) return true;
    // A channel code: band, instrument, orientation ("HNE", "BN1").
    if (word.size() == 3 && IsLetter(word[0]) && IsLetter(word[1]))
        return std::string_view("NEZ123").find(static_cast<char>(word[2] & ~0x20)) != std::string_view::npos ||
               (word[2] >= '1' && word[2] <= '3');
    // An azimuth of one to three digits.
    if (!word.empty() && word.size() <= 3 && std::all_of(word.begin(), word.end(), IsDigit)) return std::stoi(std::string(word)) <= 360;
    return false;
}

}  // namespace

std::string ComponentNameStem(std::string_view fileName) {
    std::string stem(FileNamePart(fileName));
    if (const std::size_t period = stem.rfind('.'); period != std::string::npos && period > 0) stem.resize(period);
    // A component word after a separator: "RSN763_LOMAP_GIL-UP", "NC.C031.HNZ".
    const std::size_t separator = stem.find_last_of("-_.");
    if (separator != std::string::npos && separator > 0 && IsComponentWord(std::string_view(stem).substr(separator + 1))) {
        stem.resize(separator);
        return stem;
    }
    // An azimuth of exactly three digits after letters, as PEER names
    // files ("GIL067"); longer numbers ("SMC00008") are no azimuth.
    const std::size_t n = stem.size();
    if (n > 3 && IsDigit(stem[n - 1]) && IsDigit(stem[n - 2]) && IsDigit(stem[n - 3]) && IsLetter(stem[n - 4]) &&
        std::stoi(stem.substr(n - 3)) <= 360)
        stem.resize(n - 3);
    return stem;
}

ChannelHeader MergedHeader(std::span<const ChannelHeader> components) {
    if (components.empty()) return {};
    ChannelHeader merged = components.front();
    for (const ChannelHeader& h : components.subspan(1)) {
        FillMissing(merged.network, h.network);
        FillMissing(merged.stationCode, h.stationCode);
        FillMissing(merged.stationName, h.stationName);
        FillMissing(merged.stationLat, h.stationLat);
        FillMissing(merged.stationLon, h.stationLon);
        FillMissing(merged.stationElevationM, h.stationElevationM);
        FillMissing(merged.eventName, h.eventName);
        FillMissing(merged.eventId, h.eventId);
        FillMissing(merged.originTime, h.originTime);
        FillMissing(merged.epicenterLat, h.epicenterLat);
        FillMissing(merged.epicenterLon, h.epicenterLon);
        FillMissing(merged.depthKm, h.depthKm);
        FillMissing(merged.magnitude, h.magnitude);
        FillMissing(merged.magnitudeType, h.magnitudeType);
        FillMissing(merged.firstSampleTime, h.firstSampleTime);
    }
    return merged;
}

void ApplyStatedHeader(const ChannelHeader& h, RecordFields& r) {
    r.stated = h;
    r.stationCode = Utf8ToSjis(h.stationCode);  // a name cut to the code's width would read as a code
    r.currentStation.clear();
    r.currentStation.code = Utf8ToSjis(h.stationCode);
    r.currentStation.name = Utf8ToSjis(h.stationName);
    if (h.originTime) {
        const StatedTime& t = *h.originTime;
        r.originDate = StringPrintf("%04d/%02d/%02d", t.year, t.month, t.day);
        r.originTime = StringPrintf("%02d:%02d:%02d", t.hour, t.minute, static_cast<int>(std::floor(t.second)));
    }
    if (h.firstSampleTime) {
        const StatedTime& t = *h.firstSampleTime;
        r.recordDate = StringPrintf("%04d/%02d/%02d", t.year, t.month, t.day);
        r.recordTime = StringPrintf("%02d:%02d:%02d", t.hour, t.minute, static_cast<int>(std::floor(t.second)));
    }
    r.epicenterLat = static_cast<float>(h.epicenterLat.value_or(0.0));
    r.epicenterLon = static_cast<float>(h.epicenterLon.value_or(0.0));
    r.depthKm = h.depthKm ? static_cast<int>(std::lround(*h.depthKm)) : 0;
    r.magnitude = static_cast<float>(h.magnitude.value_or(0.0));
    r.stationLat = static_cast<float>(h.stationLat.value_or(0.0));
    r.stationLon = static_cast<float>(h.stationLon.value_or(0.0));
    r.stationHeight = h.stationElevationM ? static_cast<int>(std::lround(*h.stationElevationM)) : 0;
}

std::string StatedEventName(const ChannelHeader& h, const std::string& fallback) {
    const std::string station = FileNameSafe(h.stationCode.empty() ? h.stationName : h.stationCode);
    const std::optional<StatedTime>& time = h.originTime ? h.originTime : h.firstSampleTime;
    if (!time) return fallback;
    std::string name = station.empty() ? std::string("record") : station;
    if (time) name += "-" + TimeKey(*time).substr(0, 12);
    return name;
}

std::optional<ComponentSetPath> SplitComponentSetPath(const std::string& path) {
    const std::size_t hash = path.rfind('#');
    if (hash == std::string::npos || hash == 0 || hash + 1 >= path.size() || path.size() - hash > 6) return std::nullopt;
    int number = 0;
    for (std::size_t i = hash + 1; i < path.size(); ++i) {
        if (path[i] < '0' || path[i] > '9') return std::nullopt;
        number = number * 10 + (path[i] - '0');
    }
    if (number < 2 || path[hash + 1] == '0') return std::nullopt;
    return ComponentSetPath{path.substr(0, hash), number - 1};
}

std::string JoinComponentSetPath(const std::string& file, int set) {
    return set == 0 ? file : file + "#" + std::to_string(set + 1);
}

std::string StatedTimeText(const StatedTime& t) {
    const double whole = std::floor(t.second);
    std::string text = StringPrintf("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                                    static_cast<int>(whole));
    if (t.second - whole >= 0.0005) text += StringPrintf(".%03d", static_cast<int>(std::lround((t.second - whole) * 1000.0)) % 1000);
    return text;
}

void SetStatedLabels(const RecordFields& r, RecordLabels& labels) {
    const ChannelHeader& h = r.stated;
    labels.label6 = h.originTime ? StatedTimeText(*h.originTime) : NoDataLabel();
    labels.label7 = OptionalNumber(h.epicenterLat, "%7.3f");
    labels.label8 = OptionalNumber(h.epicenterLon, "%8.3f");
    labels.label9 = OptionalNumber(h.depthKm, "%.1f km");
    labels.label10 = h.magnitude ? StringPrintf("%.1f", *h.magnitude) + (h.magnitudeType.empty() ? "" : " " + h.magnitudeType)
                                 : NoDataLabel();
    // A network code as FDSN gives them (one or two characters) before the
    // station's: "IT.AQK".
    const bool fdsnNetwork = !h.network.empty() && h.network.size() <= 2;
    labels.label13 = h.stationCode.empty() ? NoDataLabel()
                     : fdsnNetwork         ? h.network + "." + h.stationCode
                                           : h.stationCode;
    labels.label23 = h.stationName;
    labels.label24 = h.stationLat && h.stationLon ? StringPrintf("%.4f, %.4f", *h.stationLat, *h.stationLon) : std::string();
    labels.label25 = h.eventName;
    labels.label28 = StringPrintf("%.2f s", static_cast<double>(r.sampleCount) * static_cast<double>(r.dt));
    labels.label30 = StringPrintf("%d 1/s", r.samplingFrequency);
}

}  // namespace tremblo
