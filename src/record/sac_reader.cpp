#include "record/sac_reader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>

#include "common/format.h"
#include "common/translation.h"
#include "record/agency_text_samples.h"
#include "record/record_lines.h"
#include "record/sac_header.h"
#include "record/sensor_units.h"

namespace tremblo {

namespace {

constexpr std::size_t kChunkValues = 65536;

// Reads `prefix` (the bytes already taken from the stream), then the rest
// of the stream.
class PrefixedBuffer : public std::streambuf {
public:
    PrefixedBuffer(std::string prefix, std::istream& rest) : prefix_(std::move(prefix)), rest_(rest) {
        setg(prefix_.data(), prefix_.data(), prefix_.data() + prefix_.size());
    }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        rest_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
        const std::streamsize got = rest_.gcount();
        if (got <= 0) return traits_type::eof();
        setg(chunk_.data(), chunk_.data(), chunk_.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string prefix_;
    std::istream& rest_;
    std::array<char, 4096> chunk_{};
};

std::int64_t MicrosOf(std::chrono::sys_days day) {
    return static_cast<std::int64_t>(day.time_since_epoch().count()) * 86'400'000'000LL;
}

StatedTime TimeOfMicros(std::int64_t micros) {
    const std::int64_t perDay = 86'400'000'000LL;
    std::int64_t days = micros / perDay;
    std::int64_t rest = micros % perDay;
    if (rest < 0) {
        rest += perDay;
        --days;
    }
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{days}}};
    StatedTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(rest / 3'600'000'000LL);
    t.minute = static_cast<int>(rest / 60'000'000LL % 60);
    t.second = static_cast<double>(rest % 60'000'000LL) / 1.0e6;
    return t;
}

std::string BadHeaderValueMessage(const char* field, double value) {
    return StringPrintf(TrText("record", "SAC ヘッダーの %s が正しくありません（%.7g）").c_str(), field, value);
}

std::optional<ReadError> CheckSampling(const SacHeader& h) {
    const float dt = h.floats[kDelta];
    if (!std::isfinite(dt) || !(dt > 0.0f) || dt == SAC_UNDEFINED_FLOAT)
        return ReadError{0, BadHeaderValueMessage("DELTA", static_cast<double>(dt))};
    const std::int32_t n = h.ints[kNpts];
    if (n <= 0) return ReadError{0, BadHeaderValueMessage("NPTS", n)};
    if (n > MAX_RECORD_SAMPLES) return ReadError{0, TooManySamplesMessage()};
    if (h.ints[kLeven] == 0)
        return ReadError{0, TrText("record", "SAC ファイルの値が等間隔ではありません（LEVEN が偽）。等間隔の波形しか読み込めません")};
    if (const std::optional<int> type = h.Int(kIfType); type && *type != SAC_ITIME)
        return ReadError{0, StringPrintf(TrText("record", "SAC ファイルが時刻歴ではありません（IFTYPE = %d）").c_str(), *type)};
    return std::nullopt;
}

Result<double> GalPerUnit(const SacHeader& h, const AgencyReadOptions& options) {
    const std::optional<int> idep = h.Int(kIdep);
    if (idep == SAC_IACC) return SacGalPerAccelerationUnit(h.Text(kKuser0));
    if (idep == SAC_IVEL || idep == SAC_IDISP)
        return ReadError{0, TrText("record", "SAC ファイルの値が加速度ではありません（IDEP が速度か変位）。加速度の記録しか読み込めません")};
    if (!idep || *idep == SAC_IUNKN) {
        if (options.galPerUnstatedUnit) return *options.galPerUnstatedUnit;
        return ReadError{0, TrText("record", "SAC ファイルのヘッダー（IDEP）が値の単位を示していません。tremblo-batch の --units gal|m/s2|nm/s2|g で単位を指定してください")};
    }
    return ReadError{0, StringPrintf(TrText("record", "SAC ファイルの値が加速度ではありません（IDEP = %d）").c_str(), *idep)};
}

std::optional<StatedTime> TimeAt(const SacHeader& h, SacFloat offset) {
    const std::optional<double> seconds = h.Float(offset);
    const std::optional<int> year = h.Int(kNzYear), day = h.Int(kNzJday), hour = h.Int(kNzHour),
                             minute = h.Int(kNzMin), second = h.Int(kNzSec), ms = h.Int(kNzMsec);
    if (!seconds || !year || !day || !hour || !minute || !second) return std::nullopt;
    return SacTimeAfter(SacReferenceTime{*year, *day, *hour, *minute, *second, ms.value_or(0)}, *seconds);
}

// Orientation from CMPINC/CMPAZ; without both, from the last letter of the
// channel code (Z vertical, N north, E east) as the networks name channels.
void SetOrientation(const SacHeader& h, ChannelHeader& c) {
    const std::optional<double> inc = h.Float(kCmpInc), az = h.Float(kCmpAz);
    if (inc && (*inc == 0.0 || *inc == 180.0)) {
        c.vertical = true;
        return;
    }
    if (az) {
        double a = std::fmod(*az, 360.0);
        if (a < 0.0) a += 360.0;
        c.azimuthDeg = a;
        return;
    }
    if (inc || c.componentName.empty()) return;
    const char last = static_cast<char>(c.componentName.back() | 0x20);
    if (last == 'z') c.vertical = true;
    else if (last == 'n') c.azimuthDeg = 0.0;
    else if (last == 'e') c.azimuthDeg = 90.0;
}

ChannelHeader ChannelHeaderOf(const SacHeader& h) {
    ChannelHeader c;
    c.network = h.Text(kKnetwk);
    c.stationCode = h.Text(kKstnm);
    c.stationLat = h.Float(kStla);
    c.stationLon = h.Float(kStlo);
    c.stationElevationM = h.Float(kStel);
    c.eventName = h.Text(kKevnm);
    c.originTime = TimeAt(h, kO);
    c.epicenterLat = h.Float(kEvla);
    c.epicenterLon = h.Float(kEvlo);
    c.depthKm = h.Float(kEvdp);
    c.magnitude = h.Float(kMag);
    c.firstSampleTime = TimeAt(h, kB);
    c.componentName = h.Text(kKcmpnm);
    SetOrientation(h, c);
    return c;
}

std::optional<ReadError> ReadBinarySamples(std::istream& in, SacByteOrder order, int count, double galPerUnit,
                                           std::vector<float>& gal) {
    gal.clear();
    gal.reserve(std::min<std::size_t>(static_cast<std::size_t>(count), kChunkValues));
    std::string chunk;
    while (static_cast<int>(gal.size()) < count) {
        const std::size_t want = std::min<std::size_t>(kChunkValues, static_cast<std::size_t>(count) - gal.size());
        chunk.resize(want * 4);
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const std::size_t values = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)) / 4;
        for (std::size_t i = 0; i < values; ++i) {
            const float v = SacFloatAt(chunk, i * 4, order);
            const double g = static_cast<double>(v) * galPerUnit;
            const int index = static_cast<int>(gal.size()) + 1;
            if (!std::isfinite(v))
                return ReadError{0, StringPrintf(TrText("record", "%d 番目の値が有限の数ではありません（ファイルが壊れています）").c_str(), index)};
            if (std::fabs(g) > MAX_PLAUSIBLE_GAL)
                return ReadError{0, StringPrintf(TrText("record", "%d 番目の値は %.6g gal になり、加速度としてありえません（壊れた値です）").c_str(),
                                                 index, g)};
            gal.push_back(static_cast<float>(g));
        }
        if (values < want) return ReadError{0, FewerValuesMessage(count, static_cast<int>(gal.size()))};
    }
    return std::nullopt;
}

Result<AgencyFile> ChannelFile(const SacHeader& h, const AgencyReadOptions& options, double& galPerUnit) {
    if (std::optional<ReadError> problem = CheckSampling(h)) return *problem;
    // Grouping files by their headers needs no unit.
    Result<double> unit = GalPerUnit(h, options);
    if (!unit && !options.headerOnly) return unit.error();
    galPerUnit = unit ? unit.value() : 1.0;
    AgencyChannel channel;
    channel.header = ChannelHeaderOf(h);
    channel.dt = static_cast<double>(h.floats[kDelta]);
    channel.statedCount = h.ints[kNpts];
    const std::optional<int> idep = h.Int(kIdep);
    channel.unitUnstated = !idep || *idep == SAC_IUNKN;
    AgencyFile file;
    file.format = RecordFormat::Sac;
    file.channels.push_back(std::move(channel));
    return file;
}

Result<AgencyFile> ReadSacText(std::istream& in, AgencyReadOptions options) {
    LineReader reader(in, TEXT_RECORD_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::array<std::string, SAC_ALPHA_HEADER_LINES> lines;
    std::string line;
    for (std::string& headerLine : lines) {
        if (!reader.Next(line) || reader.cutAtNul())
            return ReadError{reader.fileLineNumber() + 1, TrText("record", "SAC ファイルのヘッダーがありません（ファイルが壊れているか SAC ではありません）")};
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        headerLine = line;
    }
    int bad = 0;
    const std::optional<SacHeader> header = DecodeSacTextHeader(lines, &bad);
    if (!header || header->ints[kNvhdr] != SAC_VERSION)
        return ReadError{bad + 1, TrText("record", "SAC ファイルのヘッダーがありません（ファイルが壊れているか SAC ではありません）")};
    double galPerUnit = 1.0;
    Result<AgencyFile> file = ChannelFile(*header, options, galPerUnit);
    if (!file) return file;
    AgencyChannel& channel = file.value().channels.front();
    channel.firstDataLine = SAC_ALPHA_HEADER_LINES + 1;
    if (options.headerOnly) return file;
    BlankSeparatedSamples samples(channel.statedCount, galPerUnit, channel.gal);
    if (std::optional<ReadError> problem = ReadBlankSeparatedSamples(reader, samples)) return *problem;
    for (std::size_t i = 0; i < channel.gal.size(); ++i)
        if (std::fabs(static_cast<double>(channel.gal[i])) > MAX_PLAUSIBLE_GAL)
            return ReadError{0, StringPrintf(TrText("record", "%d 番目の値は %.6g gal になり、加速度としてありえません（壊れた値です）").c_str(),
                                             static_cast<int>(i) + 1, static_cast<double>(channel.gal[i]))};
    return file;
}

}  // namespace

double SacGalPerAccelerationUnit(std::string_view mark) {
    while (!mark.empty() && mark.back() == '\0') mark.remove_suffix(1);
    const std::optional<SensorUnit> unit = SensorUnitOf(mark);
    if (unit && unit->quantity == SensorQuantity::Acceleration) return unit->cgsPerUnit;
    return 1.0 / SAC_NM_PER_S2_PER_GAL;
}

bool LooksLikeSacBinary(std::string_view bytes) { return SacBinaryByteOrder(bytes).has_value(); }

bool LooksLikeSacText(const std::vector<std::string>& head) {
    if (head.size() < SAC_ALPHA_HEADER_LINES) return false;
    std::array<std::string, SAC_ALPHA_HEADER_LINES> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = head[i];
        while (!lines[i].empty() && (lines[i].back() == '\r' || lines[i].back() == '\n')) lines[i].pop_back();
    }
    const std::optional<SacHeader> header = DecodeSacTextHeader(lines);
    return header && header->ints[kNvhdr] == SAC_VERSION;
}

Result<AgencyFile> ReadSacFile(std::istream& in, AgencyReadOptions options) {
    std::string prefix(SAC_HEADER_BYTES, '\0');
    in.read(prefix.data(), static_cast<std::streamsize>(prefix.size()));
    prefix.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    const std::optional<SacByteOrder> order = SacBinaryByteOrder(prefix);
    if (!order) {
        in.clear(in.rdstate() & ~std::ios::failbit & ~std::ios::eofbit);
        PrefixedBuffer buffer(std::move(prefix), in);
        std::istream text(&buffer);
        return ReadSacText(text, options);
    }
    const SacHeader header = DecodeSacBinaryHeader(prefix, *order);
    double galPerUnit = 1.0;
    Result<AgencyFile> file = ChannelFile(header, options, galPerUnit);
    if (!file || options.headerOnly) return file;
    AgencyChannel& channel = file.value().channels.front();
    if (std::optional<ReadError> problem = ReadBinarySamples(in, *order, channel.statedCount, galPerUnit, channel.gal))
        return *problem;
    return file;
}

std::optional<StatedTime> SacTimeAfter(const SacReferenceTime& r, double offsetSeconds) {
    using namespace std::chrono;
    if (r.year < 1 || r.year > 9999 || r.hour < 0 || r.hour > 23 || r.minute < 0 || r.minute > 59 || r.second < 0 ||
        r.second > 59 || r.millisecond < 0 || r.millisecond > 999 || !std::isfinite(offsetSeconds) ||
        std::fabs(offsetSeconds) > 1.0e9)
        return std::nullopt;
    const year_month_day first{year{r.year} / January / 1};
    const int daysInYear = year{r.year}.is_leap() ? 366 : 365;
    if (r.julianDay < 1 || r.julianDay > daysInYear) return std::nullopt;
    const std::int64_t reference = MicrosOf(sys_days{first} + days{r.julianDay - 1}) +
                                   ((static_cast<std::int64_t>(r.hour) * 60 + r.minute) * 60 + r.second) * 1'000'000LL +
                                   static_cast<std::int64_t>(r.millisecond) * 1000;
    return TimeOfMicros(reference + std::llround(offsetSeconds * 1.0e6));
}

SacReferenceTime SacReferenceOf(const StatedTime& t) {
    using namespace std::chrono;
    const sys_days day{year{t.year} / month{static_cast<unsigned>(t.month)} / std::chrono::day{static_cast<unsigned>(t.day)}};
    const std::int64_t ms = static_cast<std::int64_t>(day.time_since_epoch().count()) * 86'400'000LL +
                            (static_cast<std::int64_t>(t.hour) * 60 + t.minute) * 60'000LL + std::llround(t.second * 1000.0);
    const StatedTime whole = TimeOfMicros(ms * 1000);
    const sys_days wholeDay{year{whole.year} / month{static_cast<unsigned>(whole.month)} /
                            std::chrono::day{static_cast<unsigned>(whole.day)}};
    const sys_days jan1{year{whole.year} / January / 1};
    SacReferenceTime r;
    r.year = whole.year;
    r.julianDay = static_cast<int>((wholeDay - jan1).count()) + 1;
    r.hour = whole.hour;
    r.minute = whole.minute;
    const std::int64_t msInMinute = ms % 60'000LL;
    r.second = static_cast<int>((msInMinute + 60'000LL) % 60'000LL / 1000);
    r.millisecond = static_cast<int>((msInMinute + 60'000LL) % 1000);
    return r;
}

}  // namespace tremblo
