#include "record/mseed_reader.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "common/format.h"
#include "common/translation.h"
#include "record/mseed_traces.h"
#include "record/sensor_units.h"
#include "record/stated_time_micros.h"
#include "record/velocity_derivative.h"
#include "stations/station_xml.h"

namespace tremblo {

namespace {

std::string SensorKeyOf(const MseedTrace& t) {
    return t.network + "." + t.station + "." + t.location + "." + t.channel.substr(0, std::min<std::size_t>(2, t.channel.size()));
}

char InstrumentCode(const std::string& channel) { return channel.size() >= 2 ? channel[1] : ' '; }
char OrientationCode(const std::string& channel) { return channel.empty() ? ' ' : channel.back(); }

// The sensor's channels cut to the span all of them cover, on one grid.
std::optional<ReadError> Align(std::vector<MseedTrace*>& sensor) {
    const MseedTrace& first = *sensor.front();
    const MseedTrace* latest = &first;
    for (const MseedTrace* t : sensor) {
        if (std::fabs(1.0 - t->sampleRate / first.sampleRate) >= 1.0e-4)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s（%g Hz）と %s（%g Hz）はサンプリング周波数が違うため一つの記録にできません").c_str(),
                                             first.id().c_str(), first.sampleRate, t->id().c_str(), t->sampleRate)};
        if (t->startMicros > latest->startMicros) latest = t;
    }
    const std::int64_t start = latest->startMicros;
    std::int64_t shortest = -1;
    std::vector<std::int64_t> drops;
    for (const MseedTrace* t : sensor) {
        const double samples = static_cast<double>(start - t->startMicros) * first.sampleRate / 1.0e6;
        const double whole = std::round(samples);
        if (std::fabs(samples - whole) > 0.01)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s（%s 開始）と %s（%s 開始）はサンプルの時刻がそろわないため一つの記録にできません").c_str(),
                                             latest->id().c_str(), XmlDateTimeText(latest->startMicros).c_str(), t->id().c_str(),
                                             XmlDateTimeText(t->startMicros).c_str())};
        const std::int64_t drop = static_cast<std::int64_t>(whole);
        drops.push_back(drop);
        const std::int64_t left = t->sampleCount - drop;
        shortest = shortest < 0 ? left : std::min(shortest, left);
    }
    if (shortest <= 0)
        return ReadError{0, StringPrintf(TrText("record", "チャンネル %s と %s は同じ時間帯の値がありません").c_str(),
                                         first.id().c_str(), sensor.back()->id().c_str())};
    for (std::size_t i = 0; i < sensor.size(); ++i) {
        MseedTrace& t = *sensor[i];
        if (!t.values.empty()) {
            t.values.erase(t.values.begin(), t.values.begin() + drops[i]);
            t.values.resize(static_cast<std::size_t>(shortest));
        }
        t.startMicros = start;
        t.sampleCount = shortest;
    }
    return std::nullopt;
}

ChannelHeader HeaderOf(const MseedTrace& t, const InventoryChannel* epoch) {
    ChannelHeader h;
    h.network = t.network;
    h.stationCode = epoch && !epoch->stationAlternateCode.empty() ? epoch->stationAlternateCode : t.station;
    if (epoch) h.stationName = epoch->siteName;
    h.locationCode = t.location;
    h.sensorKey = SensorKeyOf(t);
    h.componentName = t.channel;
    h.firstSampleTime = StatedTimeOfMicros(t.startMicros);
    const char orientation = OrientationCode(t.channel);
    h.vertical = orientation == 'Z';
    if (orientation == 'N') h.azimuthDeg = 0.0;
    if (orientation == 'E') h.azimuthDeg = 90.0;
    if (epoch) {
        h.stationLat = epoch->latitude;
        h.stationLon = epoch->longitude;
        h.stationElevationM = epoch->elevationM;
        if (epoch->dipDeg) h.vertical = std::fabs(*epoch->dipDeg) >= 45.0;
        if (epoch->azimuthDeg) {
            const double a = std::fmod(*epoch->azimuthDeg, 360.0);
            h.azimuthDeg = a < 0.0 ? a + 360.0 : a;
        }
    }
    if (h.vertical) h.azimuthDeg.reset();
    return h;
}

ReadError ChannelError(const std::string& id, const char* format) {
    return ReadError{0, StringPrintf(TrText("record", format).c_str(), id.c_str())};
}

// The inventory's epoch of the channel at its first sample.
Result<const InventoryChannel*> EpochOf(const MseedTrace& t, const StationInventory* inventory) {
    const std::string id = t.id();
    if (!inventory)
        return ChannelError(id, QT_TRANSLATE_NOOP("record", "チャンネル %s: miniSEED の値をガルにするには観測点の StationXML が要ります（tremblo-batch では --inventory FILE）"));
    const InventoryChannel* epoch = inventory->Find(id, t.startMicros);
    if (epoch) return epoch;
    if (inventory->Lists(id))
        return ReadError{0, StringPrintf(TrText("record", "チャンネル %s: StationXML にこのチャンネルの %s を含む期間がありません").c_str(),
                                         id.c_str(), XmlDateTimeText(t.startMicros).c_str())};
    return ChannelError(id, QT_TRANSLATE_NOOP("record", "チャンネル %s が StationXML にありません"));
}

// Counts as gal, through the epoch's sensitivity and unit.
Result<std::vector<float>> GalOf(const MseedTrace& t, const InventoryChannel& epoch, bool differentiateVelocity) {
    const std::string id = t.id();
    const std::string where = id + " (" + epoch.file + ")";
    if (!epoch.sensitivity || *epoch.sensitivity == 0.0 || !std::isfinite(*epoch.sensitivity))
        return ChannelError(where, QT_TRANSLATE_NOOP("record", "チャンネル %s: StationXML に感度（InstrumentSensitivity の Value）がないか 0 です"));
    const std::optional<SensorUnit> unit = SensorUnitOf(epoch.inputUnits);
    if (!unit)
        return ReadError{0, StringPrintf(TrText("record", "チャンネル %s: 入力の単位 \"%s\" は加速度でも速度でもありません").c_str(),
                                         where.c_str(), epoch.inputUnits.c_str())};
    const bool accelerometer = InstrumentCode(t.channel) == 'N';
    if (accelerometer && unit->quantity != SensorQuantity::Acceleration)
        return ReadError{0, StringPrintf(TrText("record", "チャンネル %s: 加速度計（計器コード N）なのに入力の単位が \"%s\" です").c_str(),
                                         where.c_str(), epoch.inputUnits.c_str())};
    if (!accelerometer && !(differentiateVelocity && unit->quantity == SensorQuantity::Velocity))
        return ChannelError(id, QT_TRANSLATE_NOOP("record", "チャンネル %s は加速度計（計器コード N）ではありません（速度計の記録は tremblo-batch の --differentiate-velocity で微分して読めます）"));
    const double perCount = unit->cgsPerUnit / *epoch.sensitivity;
    std::vector<double> values(t.values.size());
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = t.values[i] * perCount;
    if (unit->quantity == SensorQuantity::Velocity) values = DifferentiatedVelocity(values, 1.0 / t.sampleRate);
    std::vector<float> gal(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i]) || std::fabs(values[i]) > MAX_PLAUSIBLE_GAL)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s: %zu 番目の値は %.6g gal になり、加速度としてありえません").c_str(),
                                             id.c_str(), i + 1, values[i])};
        gal[i] = static_cast<float>(values[i]);
    }
    return gal;
}

Result<std::string> ReadAll(std::istream& in) {
    std::string bytes;
    std::string chunk(std::size_t{1} << 20, '\0');
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const std::streamsize got = in.gcount();
        if (got <= 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > MAX_MSEED_FILE_BYTES)
            return ReadError{0, TrText("record", "miniSEED ファイルが大きすぎます（1 GiB まで読めます）")};
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    if (in.bad()) return ReadError{0, TrText("record", "miniSEED ファイルを読めません")};
    return bytes;
}

}  // namespace

Result<AgencyFile> ReadMseedFile(std::istream& in, AgencyReadOptions options) {
    Result<std::string> bytes = ReadAll(in);
    if (!bytes) return bytes.error();
    Result<std::vector<MseedTrace>> read = ReadMseedTraces(bytes.value(), !options.headerOnly);
    if (!read) return read.error();
    std::vector<MseedTrace>& traces = read.value();
    // Sensors in the order of their first channel.
    std::vector<std::string> order;
    std::map<std::string, std::vector<MseedTrace*>> sensors;
    for (MseedTrace& t : traces) {
        auto& sensor = sensors[SensorKeyOf(t)];
        if (sensor.empty()) order.push_back(SensorKeyOf(t));
        sensor.push_back(&t);
    }
    AgencyFile file;
    file.format = RecordFormat::Mseed;
    for (const std::string& key : order) {
        std::vector<MseedTrace*>& sensor = sensors[key];
        if (std::optional<ReadError> problem = Align(sensor)) return *problem;
        for (const MseedTrace* t : sensor) {
            const InventoryChannel* epoch = options.inventory ? options.inventory->Find(t->id(), t->startMicros) : nullptr;
            AgencyChannel channel;
            if (!options.headerOnly) {
                Result<const InventoryChannel*> found = EpochOf(*t, options.inventory);
                if (!found) return found.error();
                epoch = found.value();
                Result<std::vector<float>> gal = GalOf(*t, *epoch, options.differentiateVelocity);
                if (!gal) return gal.error();
                channel.gal = std::move(gal.value());
            }
            channel.header = HeaderOf(*t, epoch);
            channel.dt = 1.0 / t->sampleRate;
            channel.statedCount = static_cast<int>(t->sampleCount);
            file.channels.push_back(std::move(channel));
        }
    }
    return file;
}

}  // namespace tremblo
