// Reading speed of the agency readers: for each of the seven formats a valid
// file of about 10 MB (bench/agency_files.h: the test fixture writers, three
// channels where the format holds several) read with ReadAgencyFile from a
// MemoryStream, and recognised with DetectAgencyFormatOfBytes (the first
// AGENCY_HEAD_BYTES), all in one run; the K-NET ASCII reader (header and
// counts) on a file of the same size for reference. One table:
//   format  file_mb  read_best_mb_s  read_median_mb_s  detect_us  detect_head_mb_s  target
// Reading is the best and the median of ROUNDS runs (7; the machine is
// shared); detection, the best of ROUNDS batches of 2000 calls, in
// microseconds a call and in MB/s of the head looked at. Target: at least
// 50 MB/s for reading and for detection ("ok" or "BELOW").
//   reader_bench [MEGABYTES] [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "agency_files.h"
#include "input/memory_stream.h"
#include "record/agency_reading.h"
#include "record/knet_reader.h"

using namespace tremblo;

namespace {

constexpr double kTargetMbPerSecond = 50.0;
constexpr int kDetectionsPerRound = 2000;

double Seconds(const std::function<bool()>& work, bool& ok) {
    const auto begin = std::chrono::steady_clock::now();
    ok = work() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

struct Timing {
    double best = 0, median = 0;
};

Timing Timed(int rounds, const std::function<bool()>& work, bool& ok) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) times.push_back(Seconds(work, ok));
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

// A file of about `bytes` bytes: the sample count scaled from a small file.
bench::BenchFile FileOfSize(const std::function<bench::BenchFile(int)>& make, double bytes) {
    constexpr int kProbe = 20000;
    const double perSample = static_cast<double>(make(kProbe).text.size()) / kProbe;
    return make(static_cast<int>(bytes / perSample));
}

// Reads the whole file; checks its channels and their sample counts.
bool ReadsWhole(RecordFormat format, const std::string& text, std::size_t channels, std::size_t samples) {
    MemoryStream in(text);
    const Result<AgencyFile> read = ReadAgencyFile(format, in);
    if (!read) {
        std::printf("%s: read failed at line %d: %s\n", FormatOptionName(format), read.error().line,
                    read.error().message.c_str());
        return false;
    }
    if (read.value().channels.size() != channels) return false;
    for (const AgencyChannel& channel : read.value().channels)
        if (channel.gal.size() != samples) return false;
    return true;
}

bool ReadsKnetAscii(const std::string& text, std::size_t samples) {
    MemoryStream head(text);
    const Result<KnetHeader> header = ReadKnetHeader(head);
    if (!header) return false;
    MemoryStream in(text);
    std::vector<float> gal;
    const Result<int> count = ReadKnetData(in, 3920.0f / 6182761.0f, gal);
    return count && static_cast<std::size_t>(count.value()) == samples;
}

const char* Verdict(double mbPerSecond) { return mbPerSecond >= kTargetMbPerSecond ? "ok" : "BELOW"; }

void PrintLine(const char* name, std::size_t bytes, const Timing& read, double detectSeconds, bool ok) {
    const double mb = static_cast<double>(bytes) / 1e6;
    const double best = mb / read.best, median = mb / read.median;
    std::printf("%-9s %7.2f %9.1f %9.1f", name, mb, best, median);
    if (detectSeconds > 0) {
        const double perCall = detectSeconds / kDetectionsPerRound;
        const double headMb = static_cast<double>(std::min(bytes, AGENCY_HEAD_BYTES)) / 1e6;
        std::printf(" %9.1f %9.1f  read %s, detect %s", perCall * 1e6, headMb / perCall, Verdict(best),
                    Verdict(headMb / perCall));
    } else {
        std::printf(" %9s %9s  read %s", "-", "-", Verdict(best));
    }
    std::printf("%s\n", ok ? "" : "  FAILED");
}

}  // namespace

int main(int argc, char** argv) {
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 10.0;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const double bytes = megabytes * 1e6;
    std::printf("reader_bench: files of about %.0f MB, best and median of %d reads; target >= %.0f MB/s\n",
                megabytes, rounds, kTargetMbPerSecond);
    std::printf("%-9s %7s %9s %9s %9s %9s  %s\n", "format", "file_mb", "read_best", "read_med", "detect_us",
                "detect_mb", "(MB/s; detect_mb: MB/s of the head looked at)");
    bool allOk = true;
    for (const RecordFormat format : bench::kBenchAgencyFormats) {
        int samples = 0;
        const bench::BenchFile file = FileOfSize(
            [&](int count) {
                samples = count;
                return bench::FirstFileOf(format, 1, count);
            },
            bytes);
        const std::size_t channels = static_cast<std::size_t>(bench::ChannelsPerFile(format));
        bool ok = true;
        const Timing read = Timed(rounds, [&] { return ReadsWhole(format, file.text, channels, samples); }, ok);
        const std::string_view head(file.text.data(), std::min(file.text.size(), AGENCY_HEAD_BYTES));
        const Timing detect = Timed(rounds, [&] {
            bool right = true;
            for (int i = 0; i < kDetectionsPerRound; ++i) right = DetectAgencyFormatOfBytes(head) == format && right;
            return right;
        }, ok);
        PrintLine(FormatOptionName(format), file.text.size(), read, detect.best, ok);
        allOk = allOk && ok;
    }
    int samples = 0;
    const bench::BenchFile knet = FileOfSize(
        [&](int count) {
            samples = count;
            return bench::KnetAsciiFile(1, 0, count);
        },
        bytes);
    bool ok = true;
    const Timing read = Timed(rounds, [&] { return ReadsKnetAscii(knet.text, samples); }, ok);
    PrintLine("knet", knet.text.size(), read, 0, ok);
    return allOk && ok ? 0 : 1;
}
