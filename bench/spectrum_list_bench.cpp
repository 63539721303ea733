// The C++ side of bench/python_spectrum.py: the same records, the same
// oscillators, the same kernel, timed in one process. Reads RECORDS records
// of SAMPLES float32 samples each (gal, one after the other, native byte
// order) from FILE and computes PSA at the program's 200 periods, 5 %, with
// the exact oscillator, two ways, each the best of ROUNDS runs after an
// untimed warm-up on a few records:
//   sequential: one record after the other, each spread over all cores
//   records_over_cores: the records shared out over the cores, one core each
// and prints the sum of every PSA value (float32 values added in double) so
// that the Python side can check it computed the same numbers:
//   spectrum_list records=... sequential_s=... records_over_cores_s=... workers=... psa_sum=...
//   build/bench/spectrum_list_bench FILE RECORDS SAMPLES DT [ROUNDS]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "compute/parallel_workers.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/period_table.h"
#include "spectrum/pseudo_spectra.h"
#include "spectrum/spectrum_fast.h"

using namespace tremblo;

namespace {

struct Work {
    std::vector<float> samples;  // records x length
    int records = 0;
    int length = 0;
    float dt = 0.0f;
    std::vector<OscillatorParameters> oscillators;
    std::span<const float> record(int r) const {
        return {samples.data() + static_cast<std::size_t>(r) * length, static_cast<std::size_t>(length)};
    }
};

bool ReadWork(const char* path, Work& work) {
    std::ifstream in(path, std::ios::binary);
    work.samples.resize(static_cast<std::size_t>(work.records) * work.length);
    in.read(reinterpret_cast<char*>(work.samples.data()),
            static_cast<std::streamsize>(work.samples.size() * sizeof(float)));
    return in && in.gcount() == static_cast<std::streamsize>(work.samples.size() * sizeof(float));
}

// The PSA of record r, added up into `sum`.
double PsaSum(const Work& work, int r, int workers) {
    const std::vector<OscillatorPeaks> peaks =
        ComputeOscillatorListFast(work.record(r), work.dt, work.oscillators, OscillatorMethod::Exact, workers);
    double sum = 0.0;
    for (std::size_t j = 0; j < peaks.size(); ++j)
        sum += PseudoAcceleration(work.oscillators[j].period, peaks[j].relativeDisp);
    return sum;
}

double Sequential(const Work& work, int records) {
    double sum = 0.0;
    for (int r = 0; r < records; ++r) sum += PsaSum(work, r, 0);
    return sum;
}

double RecordsOverCores(const Work& work, int records, int workers) {
    std::vector<double> sums(static_cast<std::size_t>(records));
    std::atomic<int> next{0};
    RunOnWorkers(workers, [&](int) {
        for (int r = next++; r < records; r = next++) sums[static_cast<std::size_t>(r)] = PsaSum(work, r, 1);
    });
    double sum = 0.0;
    for (double s : sums) sum += s;  // in record order, as the Python side adds them
    return sum;
}

template <typename Run>
double BestSeconds(int rounds, double& sum, Run run) {
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        sum = run();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: spectrum_list_bench FILE RECORDS SAMPLES DT [ROUNDS]\n");
        return 64;
    }
    Work work;
    work.records = std::atoi(argv[2]);
    work.length = std::atoi(argv[3]);
    work.dt = std::strtof(argv[4], nullptr);
    const int rounds = argc > 5 ? std::max(1, std::atoi(argv[5])) : 3;
    if (work.records <= 0 || work.length <= 0 || IntervalProblem(work.dt) || !ReadWork(argv[1], work)) {
        std::fprintf(stderr, "spectrum_list_bench: cannot read %s records of %s samples from %s (dt %s)\n", argv[2],
                     argv[3], argv[1], argv[4]);
        return 1;
    }
    for (float period : BuildPeriodTable().periods) work.oscillators.push_back(OscillatorParameters{period, 0.05f});
    const int workers = DefaultWorkerCount();
    // A few records first, untimed, both ways: the helper threads started and
    // each thread's exact coefficients kept, as in a process that has been
    // computing for a while (the Python side's process has).
    const int warmUp = std::min(work.records, 4 * workers);
    Sequential(work, warmUp);
    RecordsOverCores(work, warmUp, workers);
    double sequentialSum = 0.0, sharedSum = 0.0;
    const double sequential = BestSeconds(rounds, sequentialSum, [&] { return Sequential(work, work.records); });
    const double shared =
        BestSeconds(rounds, sharedSum, [&] { return RecordsOverCores(work, work.records, workers); });
    if (sequentialSum != sharedSum) {
        std::fprintf(stderr, "spectrum_list_bench: the two ways differ (%.17g, %.17g)\n", sequentialSum, sharedSum);
        return 1;
    }
    std::printf("spectrum_list records=%d sequential_s=%.4g records_over_cores_s=%.4g workers=%d psa_sum=%.17g\n",
                work.records, sequential, shared, workers, sharedSum);
    return 0;
}
