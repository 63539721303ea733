// The period grid of the spectrum intensities: Housner's SI and the SI value
// of every component and the horizontal SI value, computed with the grid
// step halved again and again, on the sample records of the three described
// formats (files given on the command line, or the repository's samples)
// and on synthetic motions of other sampling rates and bandwidths. For each
// step it prints the largest relative change any value makes when the step
// is halved, and the verdict against 1e-4 (the step SI_PERIOD_STEP must pass).
//   cmake --build build --target si_grid_check && build/bench/si_grid_check [RECORD...]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/platform.h"
#include "record/record_session.h"
#include "spectrum/spectrum_intensity.h"
#include "stations/station_directory.h"
#include "wave/time_domain_measures.h"

namespace tremblo {
namespace {

class SilentPlatform : public Platform {
public:
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageStyle) override {
        std::fprintf(stderr, "message: %s: %s\n", caption.c_str(), text.c_str());
        return MessageAnswer::Ok;
    }
    std::optional<std::string> AskOpenFile(const std::string&) override { return std::nullopt; }
    std::optional<std::string> AskSaveFile(const SaveDialogRequest&) override { return std::nullopt; }
    void ShowWait(const std::string&) override {}
    void CloseWait() override {}
    void CopyImageToClipboard(const RgbImage&) override {}
    void CopyTextToClipboard(const std::string&) override {}
    bool OpenUrl(const std::string&) override { return false; }
};

struct Motion {
    std::string name;
    float dt = 0.01f;
    std::vector<std::vector<float>> components;  // NS, EW[, UD]
};

// Noise shaped by an envelope, filtered by a running mean of `smoothing`
// samples (narrower bands for wider means), plus a sine of `hz`.
Motion Synthetic(const std::string& name, float dt, int samples, int smoothing, double hz, unsigned seed) {
    Motion m{name, dt, {}};
    unsigned state = seed;
    for (int c = 0; c < 3; ++c) {
        std::vector<double> noise(static_cast<std::size_t>(samples));
        for (double& v : noise) {
            state = state * 1664525u + 1013904223u;
            v = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
        }
        std::vector<float> g(static_cast<std::size_t>(samples));
        double running = 0.0;
        for (int i = 0; i < samples; ++i) {
            running += noise[static_cast<std::size_t>(i)];
            if (i >= smoothing) running -= noise[static_cast<std::size_t>(i - smoothing)];
            const double t = i * static_cast<double>(dt);
            const double envelope = t / 8.0 * std::exp(1.0 - t / 8.0);
            g[static_cast<std::size_t>(i)] = static_cast<float>(
                envelope * (400.0 * running / std::sqrt(smoothing) + 120.0 * std::sin(2.0 * M_PI * hz * t + c)));
        }
        m.components.push_back(std::move(g));
    }
    return m;
}

Motion Loaded(const std::string& path) {
    SilentPlatform platform;
    StationDirectory directory;
    RecordSession session(platform, directory);
    LoadSettings settings;
    settings.automatic = true;
    Motion m{path.substr(path.find_last_of('/') + 1), 0.0f, {}};
    if (session.LoadPath(path, settings) != LoadStatus::Loaded) return m;
    const SeismicRecord& r = session.record();
    m.dt = r.dt;
    for (int c = 0; c < r.componentCount; ++c) {
        const std::span<const float> s = WholeRecordSamples(r, c);
        m.components.emplace_back(s.begin(), s.end());
    }
    return m;
}

// Every value of the motion at one step: per component Housner's SI and the
// SI value, then the horizontal SI value.
std::vector<double> Values(const Motion& m, double step) {
    SpectrumIntensitySettings settings;
    settings.periodStep = step;
    settings.workers = 0;
    std::vector<double> values;
    for (const std::vector<float>& g : m.components) {
        const ComponentSpectrumIntensity si = ComponentSpectrumIntensityOf(g, m.dt, settings);
        values.push_back(si.housner);
        values.push_back(si.si);
    }
    if (m.components.size() >= 2)
        values.push_back(HorizontalSpectrumIntensityOf(m.components[0], m.components[1], m.dt, settings).si);
    return values;
}

double LargestRelativeChange(const std::vector<double>& a, const std::vector<double>& b) {
    double worst = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::fabs(a[i] - b[i]) / std::fabs(b[i]));
    return worst;
}

}  // namespace
}  // namespace tremblo

int main(int argc, char** argv) {
    using namespace tremblo;
    std::vector<Motion> motions;
    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty())
        for (const char* sample : {"samples/knet/AIC0012411051012.NS", "samples/hiroshima/HFD01_241105.ns",
                                   "samples/cdpc/CDPC_SYNTH.ns"})
            files.push_back(std::string(TREMBLO_SOURCE_DIR) + "/" + sample);
    for (const std::string& file : files) {
        Motion m = Loaded(file);
        if (m.components.empty()) {
            std::fprintf(stderr, "%s: not read\n", file.c_str());
            return 1;
        }
        motions.push_back(std::move(m));
    }
    motions.push_back(Synthetic("broadband 100 Hz", 0.01f, 6000, 1, 2.3, 11u));
    motions.push_back(Synthetic("broadband 200 Hz", 0.005f, 12000, 1, 2.3, 12u));
    motions.push_back(Synthetic("broadband 50 Hz", 0.02f, 3000, 1, 2.3, 13u));
    motions.push_back(Synthetic("narrow band 100 Hz", 0.01f, 6000, 40, 0.8, 14u));
    motions.push_back(Synthetic("long period 100 Hz", 0.01f, 12000, 150, 0.4, 15u));

    const double steps[] = {0.08, 0.04, 0.02, 0.01, 0.005, 0.0025};
    bool chosenPasses = true;
    std::printf("%-36s", "record \\ step (s)");
    for (std::size_t s = 0; s + 1 < std::size(steps); ++s) std::printf(" %9g", steps[s]);
    std::printf("   (largest relative change when the step is halved)\n");
    std::vector<double> worstAtStep(std::size(steps) - 1, 0.0);
    for (const Motion& m : motions) {
        std::vector<std::vector<double>> values;
        for (double step : steps) values.push_back(Values(m, step));
        std::printf("%-36.36s", m.name.c_str());
        for (std::size_t s = 0; s + 1 < values.size(); ++s) {
            const double change = LargestRelativeChange(values[s], values[s + 1]);
            worstAtStep[s] = std::max(worstAtStep[s], change);
            std::printf(" %9.2e", change);
            if (steps[s] == SI_PERIOD_STEP && !(change < 1e-4)) chosenPasses = false;
        }
        std::printf("\n");
    }
    std::printf("%-36s", "worst");
    for (double w : worstAtStep) std::printf(" %9.2e", w);
    std::printf("\nSI_PERIOD_STEP=%g halving_below_1e-4=%s\n", SI_PERIOD_STEP, chosenPasses ? "yes" : "NO");
    return chosenPasses ? 0 : 1;
}
