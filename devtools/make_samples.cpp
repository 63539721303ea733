// Writes the sample records shipped with the program and the sample station
// directory, from a synthetic ground motion: 60 s at 100 Hz, a quiet onset,
// a strong phase of a few hundred gal and a decaying coda.
//
//   make_samples OUTPUT_FOLDER
//
// creates OUTPUT_FOLDER/samples/{knet,hiroshima,cdpc}/... and
// OUTPUT_FOLDER/data/DATA/{SITENAME,SHOBONAME}.CSV. The output depends only on
// this file: the random numbers come from a fixed-seed generator of its own.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/format.h"
#include "common/shift_jis.h"
#include "record/knet_writer.h"

namespace {

using tremblo::StringPrintf;

constexpr int kSamplingFrequency = 100;
constexpr int kSampleCount = 6000;  // 60 s
constexpr double kPi = 3.14159265358979323846;

// xorshift64*: small, fixed, the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    double Uniform() {  // [0, 1)
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<double>((state_ * 2685821657736338717ULL) >> 11) * (1.0 / 9007199254740992.0);
    }

private:
    std::uint64_t state_;
};

// Envelope: background noise, a rise from 8 s, the strong phase around
// 14-20 s, then an exponential coda.
double Envelope(double t) {
    if (t < 8.0) return 0.0015;
    if (t < 14.0) return 0.0015 + (t - 8.0) / 6.0 * (t - 8.0) / 6.0;
    if (t < 20.0) return 1.0;
    return std::exp(-(t - 20.0) / 9.0);
}

// One component: a sum of sinusoids between 0.3 and 12 Hz with random phases,
// weighted toward 1-4 Hz, times the envelope, scaled to `peakGal`.
std::vector<double> GroundMotion(std::uint64_t seed, double peakGal) {
    Random random(seed);
    constexpr int kWaves = 160;
    std::vector<double> frequency(kWaves), phase(kWaves), weight(kWaves);
    for (int k = 0; k < kWaves; ++k) {
        frequency[k] = 0.3 * std::pow(40.0, (k + random.Uniform()) / kWaves);
        phase[k] = 2.0 * kPi * random.Uniform();
        const double f = frequency[k];
        weight[k] = f * f / ((1.0 + (f / 3.0) * (f / 3.0)) * (1.0 + f * f / 0.25));
    }
    std::vector<double> motion(kSampleCount);
    double peak = 0.0;
    for (int i = 0; i < kSampleCount; ++i) {
        const double t = static_cast<double>(i) / kSamplingFrequency;
        double sum = 0.0;
        for (int k = 0; k < kWaves; ++k) sum += weight[k] * std::sin(2.0 * kPi * frequency[k] * t + phase[k]);
        motion[i] = sum * Envelope(t) + 0.02 * (random.Uniform() - 0.5);
        peak = std::max(peak, std::fabs(motion[i]));
    }
    for (double& v : motion) v *= peakGal / peak;
    return motion;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        std::cerr << "cannot write " << path << "\n";
        std::exit(1);
    }
}

std::string KnetHeader(const char* direction, double peakGal) {
    const char* lines[] = {
        "Origin Time       2024/11/05 10:12:00",
        "Lat.              34.512",
        "Long.             136.874",
        "Depth. (km)       42",
        "Mag.              6.3",
        "Station Code      AIC001",
        "Station Lat.      35.1650",
        "Station Long.     136.9650",
        "Station Height(m) 12",
        "Record Time       2024/11/05 10:12:25",
        "Sampling Freq(Hz) 100Hz",
        "Duration Time(s)  60",
    };
    std::string header;
    for (const char* line : lines) header += std::string(line) + "\r\n";
    header += StringPrintf("Dir.              %s\r\n", direction);
    header += "Scale Factor      3920(gal)/6182761\r\n";
    header += StringPrintf("Max. Acc. (gal)   %.3f\r\n", peakGal);
    header += "Last Correction   2024/11/05 10:12:10\r\n";
    header += "Memo.             \r\n";
    return header;
}

struct Component {
    const char* lower;
    const char* upper;
    const char* direction;
    std::vector<double> gal;
};

void WriteKnet(const std::filesystem::path& root, const std::vector<Component>& components) {
    const double scale = 3920.0 / 6182761.0;
    for (const Component& c : components) {
        std::vector<int> counts;
        double peak = 0.0;
        for (double v : c.gal) {
            counts.push_back(static_cast<int>(std::lround(v / scale)));
            peak = std::max(peak, std::fabs(counts.back() * scale));
        }
        std::ostringstream out;
        out << KnetHeader(c.direction, peak);
        tremblo::WriteKnetData(out, counts);
        WriteFile(root / "samples/knet" / (std::string("AIC0012411051012.") + c.upper), out.str());
    }
}

void WriteHiroshima(const std::filesystem::path& root, const std::vector<Component>& components) {
    for (const Component& c : components) {
        std::string text = "HFD01,\r\n2024/11/05,\r\n10:12:25,\r\n";
        text += StringPrintf("%d,\r\n10,\r\n", kSampleCount);
        for (int i = 0; i < kSampleCount; ++i) {
            text += StringPrintf("%.3f,", c.gal[i]);
            if (i % 10 == 9) text += "\r\n";
        }
        WriteFile(root / "samples/hiroshima" / (std::string("HFD01_241105.") + c.lower), text);
    }
}

void WriteCdpc(const std::filesystem::path& root, const std::vector<Component>& components) {
    for (const Component& c : components) {
        std::string text = StringPrintf("CASE=SYNTHETIC  NDATA=%6d  dT=0.010\r\n", kSampleCount);
        for (int i = 0; i < kSampleCount; ++i) {
            text += StringPrintf("%10.4f", c.gal[i]);
            if (i % 8 == 7) text += "\r\n";
        }
        WriteFile(root / "samples/cdpc" / (std::string("CDPC_SYNTH.") + c.lower), text);
    }
}

void WriteStationFiles(const std::filesystem::path& root) {
    const char* site =
        "AIC001,名古屋港,ﾅｺﾞﾔｺｳ,愛知県名古屋市港区港町,標高 3m\r\n"
        "AIC002,熱田,ｱﾂﾀ,愛知県名古屋市熱田区神宮,標高 8m\r\n"
        "AIC003,千種,ﾁｸｻ,愛知県名古屋市千種区今池,標高 45m\r\n"
        "AICH01,東郷,ﾄｳｺﾞｳ,愛知県愛知郡東郷町,標高 60m\r\n"
        "HRS010,広島中,ﾋﾛｼﾏﾅｶ,広島県広島市中区国泰寺町,標高 2m\r\n"
        "HRS012,宮島口,ﾐﾔｼﾞﾏｸﾞﾁ,広島県廿日市市宮島口,標高 5m\r\n"
        "HRSH02,安佐北,ｱｻｷﾀ,広島県広島市安佐北区可部,標高 70m\r\n"
        "SZO005,清水,ｼﾐｽﾞ,静岡県静岡市清水区旭町,標高 4m\r\n";
    const char* shobo =
        "HFD01,中消防署,広島市中区国泰寺町,132.4553,34.3915\r\n"
        "HFD02,東消防署,広島市東区東蟹屋町,132.4760,34.3980\r\n"
        "HFD03,南消防署,広島市南区皆実町,132.4700,34.3800\r\n"
        "HFD04,西消防署,広島市西区都町,132.4380,34.3980\r\n"
        "HFD05,安佐南消防署,広島市安佐南区中須,132.4720,34.4520\r\n";
    WriteFile(root / "data/DATA/SITENAME.CSV", tremblo::Utf8ToSjis(site));
    WriteFile(root / "data/DATA/SHOBONAME.CSV", tremblo::Utf8ToSjis(shobo));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_samples OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::vector<Component> components = {
        {"ns", "NS", "N-S", GroundMotion(0x5EED0001, 312.0)},
        {"ew", "EW", "E-W", GroundMotion(0x5EED0002, 268.0)},
        {"ud", "UD", "U-D", GroundMotion(0x5EED0003, 141.0)},
    };
    WriteKnet(root, components);
    WriteHiroshima(root, components);
    WriteCdpc(root, components);
    WriteStationFiles(root);
    return 0;
}
