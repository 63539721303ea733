#include "record/mseed_export.h"

#include <libmseed.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <mutex>

#include "common/shift_jis.h"
#include "record/mseed_traces.h"
#include "record/sac_export.h"
#include "record/stated_time_micros.h"
#include "stations/station_xml_writer.h"

namespace tremblo {

namespace {

std::string UpperAlnum(std::string_view text, std::size_t most) {
    std::string out;
    for (const char ch : text)
        if (std::isalnum(static_cast<unsigned char>(ch)) && out.size() < most)
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

char BandCode(double rate) {
    if (rate >= 80.0) return 'H';
    if (rate >= 10.0) return 'B';
    if (rate > 1.0) return 'M';
    return 'L';
}

// "NET.STA.LOC.HN" of a record read from miniSEED.
std::vector<std::string> SensorKeyParts(const std::string& key) {
    std::vector<std::string> parts(1);
    for (const char ch : key) {
        if (ch == '.') parts.emplace_back();
        else parts.back() += ch;
    }
    return parts;
}

// The orientation codes of the rows: Z, N, E when they say it and no two
// rows share one, otherwise 1, 2, 3 for the horizontals in row order.
std::array<char, MAX_COMPONENTS> OrientationCodes(const RecordFields& r) {
    std::array<char, MAX_COMPONENTS> codes{};
    bool clash = false;
    for (int c = 0; c < r.componentCount; ++c) {
        const ComponentOrientation& o = r.orientation[c];
        const long az = o.azimuthDeg ? std::lround(*o.azimuthDeg) % 360 : -1;
        codes[c] = o.vertical ? 'Z' : az == 0 ? 'N' : az == 90 ? 'E' : '?';
        for (int other = 0; other < c; ++other) clash |= codes[other] == codes[c];
        clash |= codes[c] == '?';
    }
    if (clash) {
        char next = '1';
        for (int c = 0; c < r.componentCount; ++c)
            if (!r.orientation[c].vertical || codes[c] != 'Z') codes[c] = next++;
        int verticals = 0;
        for (int c = 0; c < r.componentCount; ++c) verticals += codes[c] == 'Z';
        if (verticals > 1)
            for (int c = 0, n = 0; c < r.componentCount; ++c)
                if (codes[c] == 'Z' && n++ > 0) codes[c] = next++;
    }
    return codes;
}

std::int64_t StartMicros(const RecordFields& r) {
    const std::optional<StatedTime> start = RecordStartUtc(r);
    if (!start) return 0;
    return MicrosOfStatedTime(*start).value_or(0);
}

// A float header value as the double its shortest text gives (35.165, not
// 35.16500092), so the StationXML shows what the record file said.
double AsWritten(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double parsed = static_cast<double>(value);
    std::from_chars(text, end, parsed);
    return parsed;
}

void AppendRecord(char* record, int length, void* out) { static_cast<std::string*>(out)->append(record, static_cast<std::size_t>(length)); }

void Copy(char (&field)[11], const std::string& text) {
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text.data(), std::min<std::size_t>(text.size(), sizeof field - 1));
}

}  // namespace

std::string SeedStationCode(const std::string& code) {
    const std::string clean = UpperAlnum(code, 64);
    if (clean.size() <= 5) return clean.empty() ? "XXXXX" : clean;
    const std::string tail = clean.substr(3);
    const bool digits = tail.size() <= 4 && std::all_of(tail.begin(), tail.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    if (digits && std::stoi(tail) < 36 * 36) {
        static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        const int n = std::stoi(tail);
        return clean.substr(0, 3) + kDigits[n / 36] + kDigits[n % 36];
    }
    return clean.substr(0, 5);
}

double MseedSampleRate(float dt) {
    const double rate = 1.0 / static_cast<double>(dt);
    const double whole = std::round(rate);
    return std::fabs(rate - whole) < 1.0e-4 * rate && whole > 0.0 ? whole : rate;
}

std::vector<InventoryChannel> RecordMseedChannels(const SeismicRecord& r) {
    const ChannelHeader& s = r.stated;
    InventoryChannel common;
    const double rate = MseedSampleRate(r.dt);
    const bool fromMseed = !s.sensorKey.empty();
    const std::string statedCode = !s.stationCode.empty() ? s.stationCode : SjisToUtf8(r.stationCode.view());
    if (fromMseed) {
        const std::vector<std::string> parts = SensorKeyParts(s.sensorKey);
        common.network = parts[0];
        common.station = parts.size() > 1 ? parts[1] : "";
        common.location = parts.size() > 2 ? parts[2] : "";
    } else {
        const std::string network = UpperAlnum(s.network, 3);
        common.network = !network.empty() && network.size() <= 2 ? network : "XX";
        common.station = SeedStationCode(statedCode);
    }
    if (!statedCode.empty() && statedCode != common.station) common.stationAlternateCode = statedCode;
    common.siteName = !s.stationName.empty() ? s.stationName : statedCode;
    const bool knetFields = !fromMseed && !r.stationCode.view().empty() && !s.firstSampleTime && !s.originTime;
    common.latitude = s.stationLat ? s.stationLat : knetFields ? std::optional<double>(AsWritten(r.stationLat)) : std::nullopt;
    common.longitude = s.stationLon ? s.stationLon : knetFields ? std::optional<double>(AsWritten(r.stationLon)) : std::nullopt;
    common.elevationM = s.stationElevationM ? s.stationElevationM : knetFields ? std::optional<double>(r.stationHeight) : std::nullopt;
    common.startMicros = StartMicros(r);
    const int n = std::clamp(r.sampleCount, 1, std::max(r.capacity(), 1));
    common.endMicros = *common.startMicros + std::llround((n - 1) * 1.0e6 / rate);
    common.sampleRate = rate;
    common.sensitivity = 1.0;
    common.inputUnits = "CM/S**2";
    const std::array<char, MAX_COMPONENTS> orientation = OrientationCodes(r);
    std::vector<InventoryChannel> channels;
    for (int c = 0; c < r.componentCount; ++c) {
        InventoryChannel ch = common;
        if (fromMseed && !r.channelCode[c].empty()) ch.channel = r.channelCode[c];
        else ch.channel = std::string{BandCode(rate), 'N', orientation[c]};
        const ComponentOrientation& o = r.orientation[c];
        if (o.vertical) {
            ch.azimuthDeg = 0.0;
            ch.dipDeg = -90.0;
        } else if (o.azimuthDeg) {
            ch.azimuthDeg = *o.azimuthDeg;
            ch.dipDeg = 0.0;
        }
        channels.push_back(std::move(ch));
    }
    return channels;
}

namespace {

MSRecord* PackingRecord(const InventoryChannel& channel, float* samples, int count) {
    MSRecord* msr = msr_init(nullptr);
    Copy(msr->network, channel.network);
    Copy(msr->station, channel.station);
    Copy(msr->location, channel.location);
    Copy(msr->channel, channel.channel);
    msr->dataquality = 'D';
    msr->starttime = channel.startMicros.value_or(0);
    msr->samprate = channel.sampleRate.value_or(1.0);
    msr->reclen = MSEED_EXPORT_RECORD_LENGTH;
    msr->encoding = DE_FLOAT32;
    msr->byteorder = 1;
    msr->datasamples = samples;
    msr->numsamples = count;
    msr->sampletype = 'f';
    return msr;
}

std::int64_t Pack(MSRecord* msr, std::string& bytes) {
    std::int64_t packed = 0;
    msr_pack(msr, AppendRecord, &bytes, &packed, 1, 0);
    msr->datasamples = nullptr;
    msr_free(&msr);
    return packed;
}

// The packer reads its byte-order settings from the environment on first
// use: done once before workers pack side by side.
void PrimePacker() {
    static std::once_flag primed;
    std::call_once(primed, [] {
        QuietMseedLibrary();
        float one = 0.0f;
        std::string discarded;
        InventoryChannel channel;
        channel.channel = "HNZ";
        Pack(PackingRecord(channel, &one, 1), discarded);
    });
}

}  // namespace

bool AppendMseedChannel(const InventoryChannel& channel, const float* values, int count, std::string& bytes) {
    PrimePacker();
    // One record's samples a call: handed all at once, the packer moves the
    // samples left after every record, which for long records costs more
    // than the packing. Each record starts at its first sample's time.
    constexpr int kPerRecord = (MSEED_EXPORT_RECORD_LENGTH - 64) / 4;
    thread_local std::vector<float> chunk;
    bytes.reserve(bytes.size() + MseedChannelBytes(count));
    const std::int64_t start = channel.startMicros.value_or(0);
    const double rate = channel.sampleRate.value_or(1.0);
    MSRecord* msr = PackingRecord(channel, nullptr, 0);
    bool complete = true;
    for (int offset = 0; offset < count && complete; offset += kPerRecord) {
        const int n = std::min(kPerRecord, count - offset);
        chunk.assign(values + offset, values + offset + n);
        msr->datasamples = chunk.data();
        msr->numsamples = n;
        msr->starttime = start + std::llround(static_cast<double>(offset) * 1.0e6 / rate);
        std::int64_t packed = 0;
        complete = msr_pack(msr, AppendRecord, &bytes, &packed, 1, 0) > 0 && packed == n;
    }
    msr->datasamples = nullptr;
    msr_free(&msr);
    return complete;
}

std::size_t MseedChannelBytes(int count) {
    constexpr int kPerRecord = (MSEED_EXPORT_RECORD_LENGTH - 64) / 4;
    return static_cast<std::size_t>((count + kPerRecord - 1) / kPerRecord) * MSEED_EXPORT_RECORD_LENGTH;
}

std::optional<MseedExportFiles> RecordMseedFiles(const SeismicRecord& r, const std::string& baseName) {
    const int n = std::clamp(r.sampleCount, 0, r.capacity());
    if (n <= 0) return std::nullopt;
    for (int c = 0; c < r.componentCount; ++c)
        for (int i = 0; i < n; ++i)
            if (!std::isfinite(r.samples[c][i])) return std::nullopt;
    const std::vector<InventoryChannel> channels = RecordMseedChannels(r);
    MseedExportFiles files;
    files.mseedName = baseName + ".mseed";
    files.xmlName = baseName + ".xml";
    files.mseedBytes.reserve(MseedChannelBytes(n) * static_cast<std::size_t>(r.componentCount));
    for (int c = 0; c < r.componentCount; ++c)
        if (!AppendMseedChannel(channels[static_cast<std::size_t>(c)], r.samples[c].data(), n, files.mseedBytes))
            return std::nullopt;
    files.xmlText = StationXmlText(channels, "TREMBLO 4.2", channels.front().startMicros.value_or(0));
    return files;
}

}  // namespace tremblo
