#include "fourier/fourier_amplitude.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tremblo {

int FourierLength(int samples) {
    int n = 2;
    while (n < samples) n *= 2;
    return n;
}

void ApplyCosineTaper(std::span<float> trace, double fraction) {
    const auto n = static_cast<long long>(trace.size());
    const long long m = std::min<long long>(static_cast<long long>(std::ceil(fraction * static_cast<double>(n))), n / 2);
    for (long long i = 0; i < m; ++i) {
        // Sample i of m: w = (1 - cos(pi i / m)) / 2, 0 at the end sample.
        const double w = 0.5 * (1.0 - std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(m)));
        trace[static_cast<std::size_t>(i)] = static_cast<float>(trace[static_cast<std::size_t>(i)] * w);
        trace[static_cast<std::size_t>(n - 1 - i)] = static_cast<float>(trace[static_cast<std::size_t>(n - 1 - i)] * w);
    }
}

bool ComputeFourierAmplitude(std::span<const float> trace, float dt, bool taper, FourierAmplitude& out) {
    const int n = FourierLength(static_cast<int>(trace.size()));
    kiss_fftr_cfg config = kiss_fftr_alloc(n, 0, nullptr, nullptr);
    if (config == nullptr) return false;
    std::vector<kiss_fft_scalar> time(static_cast<std::size_t>(n), 0.0f);
    std::copy(trace.begin(), trace.end(), time.begin());
    if (taper) ApplyCosineTaper(std::span<float>(time.data(), trace.size()));
    std::vector<kiss_fft_cpx> spectrum(static_cast<std::size_t>(n / 2 + 1));
    kiss_fftr(config, time.data(), spectrum.data());
    kiss_fftr_free(config);

    out.sampleCount = static_cast<int>(trace.size());
    out.length = n;
    out.df = 1.0 / (n * static_cast<double>(dt));
    out.amplitude.resize(spectrum.size());
    for (std::size_t k = 0; k < spectrum.size(); ++k)
        out.amplitude[k] = static_cast<double>(dt) * std::hypot(static_cast<double>(spectrum[k].r),
                                                                 static_cast<double>(spectrum[k].i));
    return true;
}

}  // namespace tremblo
