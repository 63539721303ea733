#include "agency_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "common/format.h"
#include "record/knet_writer.h"
#include "support/fixed_format_fixtures.h"
#include "support/text_fixtures.h"

namespace tremblo::bench {

namespace {

using namespace tremblo::testing;

constexpr double kPi = 3.14159265358979323846;
constexpr double kGalPerG = 980.665;

// xorshift64*: small, fixed, the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed | 1) {}
    double Uniform() {  // [0, 1)
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<double>((state_ * 2685821657736338717ULL) >> 11) * (1.0 / 9007199254740992.0);
    }

private:
    std::uint64_t state_;
};

std::uint64_t Seed(int number, int component) {
    return 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(number + 1) + static_cast<std::uint64_t>(component);
}

// Component peaks: two horizontals and a weaker vertical.
double PeakOf(int component) { return component == 2 ? 140.0 : component == 1 ? 260.0 : 310.0; }

std::vector<double> Motion(int number, int component, int samples, double dt) {
    return DecayingMotion(samples, dt, PeakOf(component), Seed(number, component));
}

std::vector<double> Scaled(std::vector<double> values, double factor) {
    for (double& v : values) v *= factor;
    return values;
}

}  // namespace

std::vector<double> DecayingMotion(int count, double dt, double peakGal, std::uint64_t seed) {
    Random random(seed);
    const double phase = 2.0 * kPi * random.Uniform();
    std::vector<double> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = i * dt;
        const double sinceBurst = std::fmod(t, 60.0);
        const double envelope = std::exp(-sinceBurst / 6.0);
        const double noise = 0.02 * (random.Uniform() - 0.5);
        values[static_cast<std::size_t>(i)] = peakGal * (envelope * std::sin(2.0 * kPi * 1.7 * t + phase) + noise);
    }
    return values;
}

BenchFile PeerFile(int number, int component, int samples) {
    static const char* const kAzimuths[] = {"067", "337", "-UP"};
    static const char* const kComponents[] = {"67", "337", "UP"};
    PeerFixture f;
    f.eventLine = StringPrintf("Synthetic Event, 10/18/1989, Station %04d, %s", number, kComponents[component]);
    f.values = Scaled(Motion(number, component, samples, 0.005), 1.0 / kGalPerG);
    return {StringPrintf("RSN%d_SYNTH_S%04d%s.AT2", number, number, kAzimuths[component]), PeerText(f)};
}

BenchFile EsmFile(int number, int component, int samples) {
    static const char* const kStreams[] = {"HNN", "HNE", "HNZ"};
    EsmFixture f = TypicalEsmFixture(Motion(number, component, samples, 0.005));
    const std::string station = StringPrintf("S%04d", number);
    SetKey(f.keys, "STATION_CODE", station);
    SetKey(f.keys, "STATION_NAME", "SYNTHETIC " + station);
    SetKey(f.keys, "STREAM", kStreams[component]);
    SetKey(f.keys, "DURATION_S", StringPrintf("%.3f", samples * 0.005));
    return {StringPrintf("IT.%s.00.%s.D.20090406.013240.C.ACC.ASC", station.c_str(), kStreams[component]),
            EsmText(f)};
}

BenchFile KnetAsciiFile(int number, int component, int samples) {
    static const char* const kDirections[] = {"N-S", "E-W", "U-D"};
    static const char* const kExtensions[] = {"NS", "EW", "UD"};
    const double scale = 3920.0 / 6182761.0;
    std::vector<int> counts;
    double peak = 0.0;
    for (double v : Motion(number, component, samples, 0.01)) {
        counts.push_back(static_cast<int>(std::lround(v / scale)));
        peak = std::max(peak, std::fabs(counts.back() * scale));
    }
    const std::string station = StringPrintf("K%05d", number);
    std::string header = "Origin Time       2024/11/05 10:12:00\r\nLat.              34.512\r\n"
                         "Long.             136.874\r\nDepth. (km)       42\r\nMag.              6.3\r\n";
    header += "Station Code      " + station + "\r\n";
    header += "Station Lat.      35.1650\r\nStation Long.     136.9650\r\nStation Height(m) 12\r\n"
              "Record Time       2024/11/05 10:12:25\r\nSampling Freq(Hz) 100Hz\r\n";
    header += StringPrintf("Duration Time(s)  %d\r\n", samples / 100);
    header += StringPrintf("Dir.              %s\r\n", kDirections[component]);
    header += "Scale Factor      3920(gal)/6182761\r\n";
    header += StringPrintf("Max. Acc. (gal)   %.3f\r\n", peak);
    header += "Last Correction   2024/11/05 10:12:10\r\nMemo.             \r\n";
    std::ostringstream out;
    out << header;
    WriteKnetData(out, counts);
    return {station + "2411051012." + kExtensions[component], out.str()};
}

BenchFile KnetCsvFile(int number, int samples) {
    std::vector<std::vector<double>> channels;
    for (int c = 0; c < 3; ++c) channels.push_back(Motion(number, c, samples, 0.01));
    KnetCsvFixture f = TypicalKnetCsvFixture(std::move(channels));
    const std::string station = StringPrintf("C%05d", number);
    SetKey(f.header, "StationCode", station);
    SetKey(f.header, "DurationTime(s)", std::to_string(samples / 100));
    return {station + "1103111446.csv", KnetCsvText(f)};
}

BenchFile CosmosFile(int number, int samples) {
    std::vector<CosmosFixtureChannel> channels(3);
    for (int c = 0; c < 3; ++c) channels[static_cast<std::size_t>(c)].acceleration = Motion(number, c, samples, 0.01);
    // The writer states every channel at 90 deg: the first north, the last up.
    std::string text = WriteCosmosFile(channels);
    const auto restate = [&text](const std::string& from, const std::string& to) {
        if (const std::size_t at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
    };
    restate("Sta Chan  1:  90 deg", "Sta Chan  1: 360 deg");
    restate("Sta Chan  3:  90 deg", "Sta Chan  3:  Up    ");
    return {StringPrintf("CE%05d.V2c", number), text};
}

BenchFile CsmipFile(int number, int samples) {
    static const char* const kDirections[] = {"360 Deg", "90 Deg", "Up"};
    std::vector<CsmipFixtureChannel> channels(3);
    for (int c = 0; c < 3; ++c) {
        channels[static_cast<std::size_t>(c)].direction = kDirections[c];
        channels[static_cast<std::size_t>(c)].acceleration = Motion(number, c, samples, 0.005);
    }
    return {StringPrintf("CSMIP%05d.V2", number), WriteCsmipFile(channels)};
}

BenchFile GeoNetFile(int number, int samples) {
    static const char* const kDirections[] = {"N28E", "N62W", "UP"};
    static const int kBearings[] = {28, 298, 0};
    std::vector<GeoNetFixtureComponent> components(3);
    for (int c = 0; c < 3; ++c) {
        GeoNetFixtureComponent& component = components[static_cast<std::size_t>(c)];
        component.direction = kDirections[c];
        component.bearing = kBearings[c];
        component.acceleration = Scaled(Motion(number, c, samples, 0.005), 10.0);  // mm/s^2
    }
    return {StringPrintf("20100903_163541_G%04d.V2A", number), WriteGeoNetFile(components)};
}

BenchFile SmcFile(int number, int samples) {
    SmcFixture f;
    f.acceleration = Motion(number, 0, samples, 0.01);
    return {StringPrintf("SMC%05d.smc", number), WriteSmcFile(f)};
}

BenchFile FirstFileOf(RecordFormat format, int number, int samples) {
    switch (format) {
        case RecordFormat::Peer: return PeerFile(number, 0, samples);
        case RecordFormat::Esm: return EsmFile(number, 0, samples);
        case RecordFormat::KnetCsv: return KnetCsvFile(number, samples);
        case RecordFormat::Cosmos: return CosmosFile(number, samples);
        case RecordFormat::Csmip: return CsmipFile(number, samples);
        case RecordFormat::GeoNet: return GeoNetFile(number, samples);
        case RecordFormat::Smc: return SmcFile(number, samples);
        default: return KnetAsciiFile(number, 0, samples);
    }
}

int ChannelsPerFile(RecordFormat format) {
    switch (format) {
        case RecordFormat::KnetCsv:
        case RecordFormat::Cosmos:
        case RecordFormat::Csmip:
        case RecordFormat::GeoNet: return 3;
        default: return 1;
    }
}

}  // namespace tremblo::bench
