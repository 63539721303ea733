#include "record/sac_export.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>

#include "common/decimal.h"
#include "common/shift_jis.h"
#include "record/at2_export.h"
#include "record/sac_reader.h"

namespace tremblo {

namespace {

constexpr double kJstHoursAheadOfUtc = 9.0;

// "yyyy/mm/dd" and "hh:mm:ss" as a K-NET header gives them.
std::optional<StatedTime> TextTime(std::string_view date, std::string_view time) {
    if (date.size() < 10 || date[4] != '/' || date[7] != '/' || time.size() < 8 || time[2] != ':' || time[5] != ':')
        return std::nullopt;
    StatedTime t;
    t.year = ParseInteger(date.substr(0, 4));
    t.month = ParseInteger(date.substr(5, 2));
    t.day = ParseInteger(date.substr(8, 2));
    t.hour = ParseInteger(time.substr(0, 2));
    t.minute = ParseInteger(time.substr(3, 2));
    t.second = ParseInteger(time.substr(6, 2));
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59)
        return std::nullopt;
    return t;
}

std::optional<StatedTime> JstToUtc(const std::optional<StatedTime>& jst) {
    if (!jst) return std::nullopt;
    return SacTimeAfter(SacReferenceOf(*jst), -kJstHoursAheadOfUtc * 3600.0);
}

// Seconds from `from` to `to`.
double SecondsBetween(const StatedTime& from, const StatedTime& to) {
    // Days counted from 0000-03-01 (the civil calendar's day number).
    const auto dayNumber = [](const StatedTime& t) {
        const int y = t.month <= 2 ? t.year - 1 : t.year;
        const int era = y / 400;
        const int yoe = y - era * 400;
        const int mp = (t.month + 9) % 12;
        const int doy = (153 * mp + 2) / 5 + t.day - 1;
        return static_cast<long long>(era) * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
    };
    const double days = static_cast<double>(dayNumber(to) - dayNumber(from));
    return days * 86400.0 + (to.hour - from.hour) * 3600.0 + (to.minute - from.minute) * 60.0 + (to.second - from.second);
}

bool DescribedFormat(const RecordFields& r) { return !r.stated.firstSampleTime && !r.stated.originTime; }

float Single(double value) { return static_cast<float>(value); }

}  // namespace

std::optional<StatedTime> RecordStartUtc(const RecordFields& r) {
    if (r.stated.firstSampleTime) return r.stated.firstSampleTime;
    if (!DescribedFormat(r)) return std::nullopt;
    return JstToUtc(TextTime(r.recordDate.view(), r.recordTime.view()));
}

std::optional<StatedTime> RecordOriginUtc(const RecordFields& r) {
    if (r.stated.originTime) return r.stated.originTime;
    if (!DescribedFormat(r)) return std::nullopt;
    return JstToUtc(TextTime(r.originDate.view(), r.originTime.view()));
}

SacHeader RecordSacHeader(const SeismicRecord& r, int c) {
    SacHeader h;
    const int n = std::clamp(r.sampleCount, 0, r.capacity());
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, r.dt).ptr;
    const double dt = ParseDecimal(std::string_view(text, static_cast<std::size_t>(end - text)));
    h.floats[kDelta] = r.dt;
    h.floats[kB] = 0.0f;
    h.floats[kE] = Single(dt * (n - 1));
    h.ints[kNpts] = n;
    h.ints[kIfType] = SAC_ITIME;
    h.ints[kIdep] = SAC_IACC;
    h.SetText(kKuser0, SAC_GAL_UNIT_MARK);
    h.ints[kIzType] = SAC_IB;
    h.ints[kLeven] = 1;

    const bool described = DescribedFormat(r);
    const ChannelHeader& s = r.stated;
    // Station and event: what an agency record states, else a K-NET header's fields.
    const bool knetFields = described && !r.stationCode.view().empty();
    const auto put = [&](SacFloat word, const std::optional<double>& stated, double field, bool haveField) {
        if (stated) h.floats[word] = Single(*stated);
        else if (haveField) h.floats[word] = Single(field);
    };
    put(kStla, s.stationLat, r.stationLat, knetFields);
    put(kStlo, s.stationLon, r.stationLon, knetFields);
    put(kStel, s.stationElevationM, r.stationHeight, knetFields);
    const bool knetEvent = described && !r.originDate.view().empty();
    put(kEvla, s.epicenterLat, r.epicenterLat, knetEvent);
    put(kEvlo, s.epicenterLon, r.epicenterLon, knetEvent);
    put(kEvdp, s.depthKm, r.depthKm, knetEvent);
    put(kMag, s.magnitude, r.magnitude, knetEvent);
    h.SetText(kKstnm, !s.stationCode.empty() ? s.stationCode : SjisToUtf8(r.stationCode.view()));
    if (!s.network.empty()) h.SetText(kKnetwk, s.network);
    if (!s.eventName.empty()) h.SetText(kKevnm, s.eventName);
    h.SetText(kKcmpnm, At2ComponentName(r, c));

    const std::optional<StatedTime> start = RecordStartUtc(r);
    if (start) {
        const SacReferenceTime ref = SacReferenceOf(*start);
        h.ints[kNzYear] = ref.year;
        h.ints[kNzJday] = ref.julianDay;
        h.ints[kNzHour] = ref.hour;
        h.ints[kNzMin] = ref.minute;
        h.ints[kNzSec] = ref.second;
        h.ints[kNzMsec] = ref.millisecond;
        // O against the reference as written (whole milliseconds).
        const std::optional<StatedTime> origin = RecordOriginUtc(r);
        const std::optional<StatedTime> written = SacTimeAfter(ref, 0.0);
        if (origin && written) h.floats[kO] = Single(SecondsBetween(*written, *origin));
    }
    const ComponentOrientation& o = r.orientation[c];
    if (o.vertical) {
        h.floats[kCmpAz] = 0.0f;
        h.floats[kCmpInc] = 0.0f;
    } else if (o.azimuthDeg) {
        h.floats[kCmpAz] = Single(*o.azimuthDeg);
        h.floats[kCmpInc] = 90.0f;
    }
    return h;
}

std::string EncodeSacFile(const SacHeader& header, const std::vector<float>& values) {
    std::string bytes = EncodeSacBinaryHeader(header, SacByteOrder::Little);
    bytes.reserve(bytes.size() + values.size() * 4);
    for (const float v : values) AppendSacFloat(bytes, v, SacByteOrder::Little);
    return bytes;
}

std::vector<SacFile> RecordSacFiles(const SeismicRecord& r, const std::string& baseName) {
    std::vector<SacFile> files;
    const int n = std::clamp(r.sampleCount, 0, r.capacity());
    if (n <= 0) return {};
    for (int c = 0; c < r.componentCount; ++c) {
        SacHeader h = RecordSacHeader(r, c);
        std::vector<float> values(static_cast<std::size_t>(n));
        double sum = 0.0, low = 0.0, high = 0.0;
        for (int i = 0; i < n; ++i) {
            const float v = r.samples[c][i];
            if (!std::isfinite(v)) return {};
            values[static_cast<std::size_t>(i)] = v;
            const double stored = static_cast<double>(values[static_cast<std::size_t>(i)]);
            sum += stored;
            low = i == 0 ? stored : std::min(low, stored);
            high = i == 0 ? stored : std::max(high, stored);
        }
        h.floats[kDepMin] = Single(low);
        h.floats[kDepMax] = Single(high);
        h.floats[kDepMen] = Single(sum / n);
        std::string label = At2ComponentName(r, c);
        for (int other = 0; other < r.componentCount; ++other)
            if (other != c && At2ComponentName(r, other) == label) label += "_" + std::to_string(c + 1);
        files.push_back(SacFile{baseName + "_" + label + ".sac", EncodeSacFile(h, values)});
    }
    return files;
}

}  // namespace tremblo
