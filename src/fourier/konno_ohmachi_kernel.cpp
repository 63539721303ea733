#include "fourier/konno_ohmachi_kernel.h"

#include <algorithm>
#include <cmath>

namespace tremblo {

const KoExponentialSum& InverseFourthPowerSum() {
    // 1/x^4 = (1/6) integral over t of exp(4t - x e^t): the trapezoidal rule
    // with step 0.24 from t = -8.6 (the lost head is below 1e-13 of 1/x^4 up
    // to x = 5) to t = 10.36 (the lost tail is below 1e-13 from x = 0.002 on).
    static const KoExponentialSum sum = [] {
        KoExponentialSum s{};
        constexpr double kStep = 0.24, kFirst = -8.6;
        for (int q = 0; q < KO_TERMS; ++q) {
            const double t = kFirst + kStep * q;
            s.rate[static_cast<std::size_t>(q)] = std::exp(t);
            s.weight[static_cast<std::size_t>(q)] = kStep * std::exp(4.0 * t) / 6.0;
        }
        return s;
    }();
    return sum;
}

int KoScaleExponent(std::span<const double> spectrum) {
    double largest = 0.0;
    for (std::size_t j = 1; j < spectrum.size(); ++j) largest = std::max(largest, std::fabs(spectrum[j]));
    if (largest == 0.0 || !std::isfinite(largest)) return 0;
    int exponent = 0;
    std::frexp(largest, &exponent);
    return exponent;
}

}  // namespace tremblo
