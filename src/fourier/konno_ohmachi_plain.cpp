// The Konno-Ohmachi window and the smoothing as its definition reads.
#include <cmath>
#include <vector>

#include "fourier/konno_ohmachi.h"
#include "fourier/konno_ohmachi_kernel.h"

namespace tremblo {

double KonnoOhmachiWeight(double f, double fc, double b) {
    const double ratio = f / fc;
    if (ratio == 1.0) return 1.0;
    const double x = b * std::log10(ratio);
    const double s = std::sin(x) / x;
    return s * s * s * s;
}

void SmoothKonnoOhmachiPlain(std::span<const double> amplitude, double b, std::span<double> out) {
    const std::size_t m = amplitude.size();
    if (m == 0) return;
    out[0] = amplitude[0];
    // Scaled by a power of two, which changes no digit of a spectrum of
    // ordinary size.
    const int exponent = KoScaleExponent(amplitude);
    std::vector<double> scaled(amplitude.begin(), amplitude.end());
    for (double& v : scaled) v = std::ldexp(v, -exponent);
    for (std::size_t k = 1; k < m; ++k) {
        double num = 0.0, den = 0.0;
        for (std::size_t j = 1; j < m; ++j) {
            const double w = KonnoOhmachiWeight(static_cast<double>(j), static_cast<double>(k), b);
            num += w * scaled[j];
            den += w;
        }
        out[k] = std::ldexp(num / den, exponent);
    }
}

}  // namespace tremblo
