#include "wave/jma_intensity.h"

#include "record/channel_placement.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

namespace {

struct FftrConfig {
    explicit FftrConfig(int n, bool inverse) : config(kiss_fftr_alloc(n, inverse ? 1 : 0, nullptr, nullptr)) {}
    ~FftrConfig() { kiss_fftr_free(config); }
    FftrConfig(const FftrConfig&) = delete;
    FftrConfig& operator=(const FftrConfig&) = delete;
    kiss_fftr_cfg config;
};

int PowerOfTwoAtLeast(std::size_t n) {
    int size = 2;
    while (static_cast<std::size_t>(size) < n) size *= 2;
    return size;
}

// The filter's gain at every frequency of an nfft-point transform, divided
// by nfft (the inverse transform is not scaled); the same for every component.
std::vector<double> FilterGains(double dt, int nfft) {
    std::vector<double> gains(static_cast<std::size_t>(nfft / 2 + 1));
    const double df = 1.0 / (nfft * dt);
    for (std::size_t k = 0; k < gains.size(); ++k) gains[k] = JmaFilterGain(static_cast<double>(k) * df) / nfft;
    return gains;
}

// The transform's buffers, shared by the components.
struct FilterBuffers {
    explicit FilterBuffers(int nfft)
        : time(static_cast<std::size_t>(nfft)), spectrum(static_cast<std::size_t>(nfft / 2 + 1)) {}
    std::vector<kiss_fft_scalar> time;
    std::vector<kiss_fft_cpx> spectrum;
};

// The transforms, gains and buffers of one transform size and interval.
struct FilterSetup {
    int nfft = 0;
    float dt = 0.0f;
    std::unique_ptr<FftrConfig> forward, inverse;
    std::vector<double> gains;
    std::unique_ptr<FilterBuffers> buffers;

    bool ok() const { return forward && inverse && forward->config != nullptr && inverse->config != nullptr; }
    bool Fits(int size, float interval) const { return nfft == size && dt == interval && ok(); }
    void Prepare(int size, float interval) {
        nfft = 0;  // until every part is made
        forward = std::make_unique<FftrConfig>(size, false);
        inverse = std::make_unique<FftrConfig>(size, true);
        gains = FilterGains(interval, size);
        buffers = std::make_unique<FilterBuffers>(size);
        nfft = size;
        dt = interval;
    }
};

// Each thread keeps the setup of its last record up to this transform size
// (a few MB): the records of an event share it, and making it again for
// every record took longer than the transforms themselves.
constexpr int kKeptTransformSize = 1 << 18;

// Filters one component in the frequency domain; the result, one value per
// sample, is added squared into `sumOfSquares`.
void AddFilteredSquares(std::span<const float> samples, const std::vector<double>& gains, FftrConfig& forward,
                        FftrConfig& inverse, FilterBuffers& buffers, std::vector<double>& sumOfSquares) {
    std::vector<kiss_fft_scalar>& time = buffers.time;
    std::vector<kiss_fft_cpx>& spectrum = buffers.spectrum;
    std::fill(std::copy(samples.begin(), samples.end(), time.begin()), time.end(), 0.0f);
    kiss_fftr(forward.config, time.data(), spectrum.data());
    for (std::size_t k = 0; k < spectrum.size(); ++k) {
        const double gain = gains[k];
        spectrum[k].r = static_cast<kiss_fft_scalar>(spectrum[k].r * gain);
        spectrum[k].i = static_cast<kiss_fft_scalar>(spectrum[k].i * gain);
    }
    kiss_fftri(inverse.config, spectrum.data(), time.data());
    for (std::size_t i = 0; i < sumOfSquares.size(); ++i)
        sumOfSquares[i] += static_cast<double>(time[i]) * static_cast<double>(time[i]);
}

}  // namespace

double JmaFilterGain(double f) {
    if (!(f > 0.0)) return 0.0;
    const double period = std::sqrt(1.0 / f);
    const double y = f / 10.0;
    const double y2 = y * y;
    const double highCut =
        1.0 / std::sqrt(1.0 + 0.694 * y2 + 0.241 * std::pow(y2, 2) + 0.0557 * std::pow(y2, 3) +
                        0.009664 * std::pow(y2, 4) + 0.00134 * std::pow(y2, 5) + 0.000155 * std::pow(y2, 6));
    const double lowCut = std::sqrt(1.0 - std::exp(-std::pow(f / 0.5, 3)));
    return period * highCut * lowCut;
}

double ReportedJmaIntensity(double raw) {
    const long long hundredths = std::llround(raw * 100.0);
    return static_cast<double>(hundredths / 10) / 10.0;  // integer division cuts toward zero
}

std::string JmaIntensityClass(double reported) {
    const long long tenths = std::llround(reported * 10.0);
    static const struct {
        long long below;
        const char* name;
    } kClasses[] = {{5, "0"}, {15, "1"}, {25, "2"}, {35, "3"}, {45, "4"}, {50, QT_TRANSLATE_NOOP("wave", "5弱")}, {55, QT_TRANSLATE_NOOP("wave", "5強")},
                   {60, QT_TRANSLATE_NOOP("wave", "6弱")}, {65, QT_TRANSLATE_NOOP("wave", "6強")}};
    for (const auto& c : kClasses)
        if (tenths < c.below) return c.name;
    return "7";
}

Result<JmaIntensity> ComputeJmaIntensity(std::span<const float> ns, std::span<const float> ew,
                                          std::span<const float> ud, float dt) {
    const std::size_t n = std::min({ns.size(), ew.size(), ud.size()});
    const long long k = dt > 0.0f ? std::llround(0.3 / dt) : 0;
    if (k < 1 || static_cast<long long>(n) < k)
        return ReadError{0, TrText("wave", "記録が0.3秒に満たないため計測震度を求められません")};
    const int nfft = PowerOfTwoAtLeast(n);
    thread_local FilterSetup kept;
    FilterSetup once;
    FilterSetup& setup = nfft <= kKeptTransformSize ? kept : once;
    if (!setup.Fits(nfft, dt)) setup.Prepare(nfft, dt);
    if (!setup.ok()) return ReadError{0, TrText("wave", "計測震度の計算に必要なメモリが足りません")};
    std::vector<double> squares(n, 0.0);
    for (std::span<const float> component : {ns, ew, ud})
        AddFilteredSquares(component.first(n), setup.gains, *setup.forward, *setup.inverse, *setup.buffers, squares);
    // a0: the k-th largest vector sum, exceeded for 0.3 s in total.
    std::nth_element(squares.begin(), squares.begin() + (k - 1), squares.end(), std::greater<>());
    const double a0 = std::sqrt(squares[static_cast<std::size_t>(k - 1)]);
    if (!(a0 > 0.0)) return ReadError{0, TrText("wave", "揺れがないため計測震度を求められません")};
    JmaIntensity result;
    result.raw = 2.0 * std::log10(a0) + 0.94;
    result.reported = ReportedJmaIntensity(result.raw);
    result.className = JmaIntensityClass(result.reported);
    return result;
}

Result<JmaIntensity> RecordJmaIntensity(const SeismicRecord& r) {
    if (r.componentCount != 3) return ReadError{0, TrText("wave", "三成分の記録でないため計測震度を求められません")};
    // The vector sum needs two perpendicular horizontal sensors and a
    // vertical one; a record whose files do not say so is refused rather
    // than summed wrongly.
    if (!r.orientation[2].vertical || !ArePerpendicular(r.orientation[0], r.orientation[1]))
        return ReadError{0, TrText("wave", "直交する水平2成分と上下成分の記録でないため計測震度を求められません")};
    const std::size_t n = static_cast<std::size_t>(std::clamp(r.sampleCount, 0, r.capacity()));
    return ComputeJmaIntensity(std::span<const float>(r.samples[0].data(), n), std::span<const float>(r.samples[1].data(), n),
                               std::span<const float>(r.samples[2].data(), n), r.dt);
}

std::string JmaIntensityText(const JmaIntensity& intensity) {
    // The class keeps its Japanese name in tables; shown, it is said in the
    // language in use ("5弱": 5 Lower).
    return StringPrintf(TrText("wave", "計測震度 %.1f (震度%s)").c_str(), intensity.reported,
                        TrText("wave", intensity.className.c_str()).c_str());
}

}  // namespace tremblo
