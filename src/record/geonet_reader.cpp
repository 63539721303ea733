#include "record/geonet_reader.h"

#include <cctype>
#include <cmath>
#include <sstream>

#include "common/format.h"
#include "common/translation.h"
#include "record/compass_direction.h"
#include "record/fixed_columns.h"
#include "record/fixed_channels.h"
#include "record/fixed_format_messages.h"

namespace tremblo {

namespace {

namespace msg = fixed_messages;

constexpr int TEXT_LINES = 16;
constexpr int INTEGER_COUNT = 40;
constexpr int REAL_COUNT = 60;
constexpr FieldLayout INTEGER_LAYOUT{10, 8, true};
constexpr FieldLayout REAL_LAYOUT{10, 8, false};
constexpr FieldLayout DATA_LAYOUT{10, 8, false};
constexpr double MM_PER_S2_TO_GAL = 0.1;

// Integer header (1-based).
constexpr int I_ORIGIN_YEAR = 1;           // then month, day, hour, minute, seconds x 10
constexpr int I_START_YEAR = 9, I_START_MONTH = 10, I_START_DAY = 19, I_START_HOUR = 20;
constexpr int I_START_MINUTE = 39, I_START_MILLISECONDS = 40;  // seconds x 1000
constexpr int I_EPICENTER_LAT = 11;        // degrees south, minutes, seconds
constexpr int I_EPICENTER_LON = 14;        // degrees east, minutes, seconds
constexpr int I_DEPTH_KM = 17;
constexpr int I_SITE_LAT = 21, I_SITE_LON = 24;
constexpr int I_COMPONENT_BEARING = 28;    // degrees east of north
constexpr int I_ACCELERATION_COUNT = 34, I_VELOCITY_COUNT = 35, I_DISPLACEMENT_COUNT = 36;
// Real header (1-based): the sampling interval in seconds.
// Reals (1-based): 15 the magnitude, 24 the duration ((N - 1) intervals), 26
// the interval of the samples.
constexpr int R_MAGNITUDE = 15, R_DURATION = 24, R_INTERVAL = 26;

const char* const kFormatName = "GeoNet";

std::optional<int> Int(const HeaderNumbers& h, int index) { return h.IntAt(index); }

// Degrees, minutes, seconds at `index`, negative for the south.
std::optional<double> Angle(const HeaderNumbers& h, int index, bool south) {
    const std::optional<double> d = h.At(index), m = h.At(index + 1), s = h.At(index + 2);
    if (!d || !m || !s) return std::nullopt;
    const double value = *d + *m / 60.0 + *s / 3600.0;
    return south ? -value : value;
}

std::optional<StatedTime> Time(std::optional<int> y, std::optional<int> mo, std::optional<int> d, std::optional<int> h,
                               std::optional<int> mi, std::optional<double> seconds) {
    if (!y || !mo || !d || !h || !mi || !seconds) return std::nullopt;
    return StatedTime{*y, *mo, *d, *h, *mi, *seconds};
}

// The direction the text header gives after the word "Component"
// ("Component N28E", "Component UP"); other bearings in the text (the
// epicentre's, say) are not the component's.
std::string DirectionWord(const std::vector<std::string>& text) {
    for (const std::string& line : text) {
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            std::string label = word;
            for (char& c : label) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (label != "COMPONENT" && label != "COMPONENT:") continue;
            std::string direction;
            if (words >> direction && ParseCompassDirection(direction)) return direction;
            break;
        }
    }
    return {};
}

// The interval a text line states ("Instrument corrected data at 0.020 sec
// intervals"), if one does.
std::optional<double> TextInterval(const std::vector<std::string>& text) {
    for (const std::string& line : text) {
        const std::size_t at = line.find(" sec intervals");
        if (at == std::string::npos) continue;
        std::size_t begin = at;
        while (begin > 0 && line[begin - 1] != ' ') --begin;
        double value = 0.0;
        const std::string_view number(line.data() + begin, at - begin);
        if (ReadRealText(number, value) == FieldKind::Value && value > 0.0) return value;
    }
    return std::nullopt;
}

// The site code: the word after "Site" at the start of a text line
// ("Site MRZ 40 39 38S 175 34 43E").
std::string SiteCode(const std::vector<std::string>& text) {
    for (const std::string& line : text) {
        std::istringstream words(line);
        std::string first, code;
        if (words >> first >> code && first == "Site") return code;
    }
    return {};
}

bool IsIntegerLine(std::string_view line, const FieldLayout& layout) {
    for (int k = 0; k < layout.perLine; ++k) {
        long long v = 0;
        if (ReadIntegerField(line, static_cast<std::size_t>(k * layout.width), static_cast<std::size_t>(layout.width), v) !=
            FieldKind::Value)
            return false;
    }
    return TrimRight(line).size() <= static_cast<std::size_t>(layout.perLine * layout.width);
}

bool IsRealLine(std::string_view line, const FieldLayout& layout) {
    for (int k = 0; k < layout.perLine; ++k) {
        double v = 0;
        if (ReadRealField(line, static_cast<std::size_t>(k * layout.width), static_cast<std::size_t>(layout.width), v) !=
            FieldKind::Value)
            return false;
    }
    return true;
}

ChannelHeader HeaderFrom(const std::vector<std::string>& text, const HeaderNumbers& ints) {
    ChannelHeader h;
    const std::optional<int> tenths = Int(ints, I_ORIGIN_YEAR + 5);
    h.originTime = Time(Int(ints, I_ORIGIN_YEAR), Int(ints, I_ORIGIN_YEAR + 1), Int(ints, I_ORIGIN_YEAR + 2),
                        Int(ints, I_ORIGIN_YEAR + 3), Int(ints, I_ORIGIN_YEAR + 4),
                        tenths ? std::optional<double>(*tenths / 10.0) : std::nullopt);
    const std::optional<int> millis = Int(ints, I_START_MILLISECONDS);
    h.firstSampleTime = Time(Int(ints, I_START_YEAR), Int(ints, I_START_MONTH), Int(ints, I_START_DAY),
                             Int(ints, I_START_HOUR), Int(ints, I_START_MINUTE),
                             millis ? std::optional<double>(*millis / 1000.0) : std::nullopt);
    h.epicenterLat = Angle(ints, I_EPICENTER_LAT, true);
    h.epicenterLon = Angle(ints, I_EPICENTER_LON, false);
    h.depthKm = ints.At(I_DEPTH_KM);
    h.stationLat = Angle(ints, I_SITE_LAT, true);
    h.stationLon = Angle(ints, I_SITE_LON, false);
    h.stationCode = SiteCode(text);
    h.componentName = DirectionWord(text);
    const std::optional<CompassDirection> word = ParseCompassDirection(h.componentName);
    h.vertical = word && word->vertical;
    if (!h.vertical) {
        if (const std::optional<double> bearing = ints.At(I_COMPONENT_BEARING))
            h.azimuthDeg = NormalisedAzimuth(*bearing);
        else if (word)
            h.azimuthDeg = word->azimuthDeg;
    }
    const std::optional<int> velocity = Int(ints, I_VELOCITY_COUNT);
    h.processingStage = velocity && *velocity > 0 ? 2 : 1;
    return h;
}

std::optional<ReadError> CountError(const HeaderNumbers& ints, int index, int& count) {
    const std::optional<int> stated = Int(ints, index);
    count = stated.value_or(0);
    if (stated && *stated >= 0) return std::nullopt;
    return ReadError{ints.firstLine + (index - 1) / INTEGER_LAYOUT.perLine,
                     StringPrintf(TrText("record", msg::kBadCount).c_str(),
                                  stated ? std::to_string(*stated).c_str() : "")};
}

// One component from its first text line on; `line` holds that line.
Result<AgencyChannel> ReadComponent(FixedLineSource& source, const AgencyReadOptions& options) {
    const Result<FixedHeaders> headers =
        ReadFixedHeaders(source, FixedHeaderLayout{TEXT_LINES, INTEGER_LAYOUT, INTEGER_COUNT, REAL_LAYOUT, REAL_COUNT});
    if (!headers) return headers.error();
    const std::vector<std::string>& text = headers.value().text;
    const HeaderNumbers& ints = headers.value().ints;
    const HeaderNumbers& reals = headers.value().reals;

    AgencyChannel channel;
    channel.header = HeaderFrom(text, ints);
    int counts[3] = {0, 0, 0};
    for (int b = 0; b < 3; ++b)
        if (std::optional<ReadError> error = CountError(ints, I_ACCELERATION_COUNT + b, counts[b])) return *error;
    if (counts[0] == 0) return ReadError{ints.firstLine + 3, TrText("record", msg::kNoAcceleration)};
    const std::optional<double> dt = reals.At(R_INTERVAL);
    const int intervalLine = reals.firstLine + (R_INTERVAL - 1) / REAL_LAYOUT.perLine;
    if (!dt) return ReadError{intervalLine, TrText("record", msg::kNoInterval)};
    if (!(*dt > 0.0) || !std::isfinite(*dt))
        return ReadError{intervalLine, StringPrintf(TrText("record", msg::kBadInterval).c_str(), StringPrintf("%g", *dt).c_str())};
    // The text ("data at 0.020 sec intervals") and the duration must agree
    // with the interval where they are stated: no record with another time
    // axis than its file's.
    if (const std::optional<double> stated = TextInterval(text); stated && std::fabs(*stated - *dt) > 0.005 * *dt)
        return ReadError{intervalLine, StringPrintf(TrText("record", "実数ヘッダーのサンプリング間隔 %g 秒がテキストヘッダーの %g 秒と合いません").c_str(),
                                                    *dt, *stated)};
    if (const std::optional<double> duration = reals.At(R_DURATION); duration && *duration > 0.0 && counts[0] > 1) {
        const double spanned = (counts[0] - 1) * *dt;
        if (std::fabs(spanned - *duration) > 0.01 * *duration + *dt)
            return ReadError{intervalLine,
                             StringPrintf(TrText("record", "サンプリング間隔 %g 秒とデータ数 %d 個がヘッダーの継続時間 %g 秒と合いません").c_str(),
                                          *dt, counts[0], *duration)};
    }
    channel.header.magnitude = reals.At(R_MAGNITUDE);
    if (channel.header.magnitude && !(*channel.header.magnitude > 0.0)) channel.header.magnitude.reset();
    channel.dt = *dt;
    channel.statedCount = counts[0];
    channel.firstDataLine = source.lineNumber() + 1;

    const char* what[3] = {msg::kAcceleration, msg::kVelocity, msg::kDisplacement};
    for (int b = 0; b < 3; ++b) {
        ValueBlock block;
        block.layout = DATA_LAYOUT;
        block.count = counts[b];
        block.scale = MM_PER_S2_TO_GAL;
        block.out = b == 0 && !options.headerOnly ? &channel.gal : nullptr;
        block.what = what[b];
        if (std::optional<ReadError> error = ReadValueBlock(source, block)) return *error;
    }
    return channel;
}

}  // namespace

bool LooksLikeGeoNet(const std::vector<std::string>& head) {
    if (head.size() < TEXT_LINES + 6) return false;
    for (int i = 0; i < TEXT_LINES; ++i)
        if (head[static_cast<std::size_t>(i)].find("Integer-header") != std::string::npos) return false;
    for (int i = TEXT_LINES; i < TEXT_LINES + 4; ++i)
        if (!IsIntegerLine(head[static_cast<std::size_t>(i)], INTEGER_LAYOUT)) return false;
    const std::size_t reals = std::min<std::size_t>(head.size(), TEXT_LINES + 10);
    for (std::size_t i = TEXT_LINES + 4; i < reals; ++i)
        if (!IsRealLine(head[i], REAL_LAYOUT)) return false;
    return true;
}

Result<AgencyFile> ReadGeoNetFile(std::istream& in, AgencyReadOptions options) {
    return ReadChannelFile(in, RecordFormat::GeoNet, kFormatName,
                           [&](FixedLineSource& source) { return ReadComponent(source, options); });
}

}  // namespace tremblo
