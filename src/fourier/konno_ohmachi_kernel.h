#pragma once
// The pieces of the fast Konno-Ohmachi smoothing that its tests check one
// by one: the split between the directly summed window and the far part,
// the exponential sum for 1/x^4 and the window near its centre.
#include <array>
#include <span>

namespace tremblo {

// Frequencies within this distance of the centre in log10 are summed
// directly; the others go through the exponential sums.
inline constexpr double KO_NEAR_SPAN = 2e-3;
// The exponential sum holds for KO_NEAR_SPAN <= x <= KO_FAR_SPAN, that is
// for grids of up to 10^5 frequencies.
inline constexpr double KO_FAR_SPAN = 5.0;
// Its relative error there is below this (measured by the tests). It has
// to be small: just beyond the near span the five parts of sin^4 cancel
// to about (b x)^4 of their size.
inline constexpr double KO_SUM_ERROR = 2e-13;

inline constexpr int KO_TERMS = 80;

// The power of two both smoothings divide a spectrum by first, so that its
// largest value over f > 0 lies in [0.5, 1): exact, and it keeps the sums of
// a spectrum of any size (1e-300 or 1e300) from under- or overflowing where
// the spectrum's own values do not. 0 for a spectrum of zeros or one that is
// not finite.
int KoScaleExponent(std::span<const double> spectrum);

// 1/x^4 ~ sum_q weight[q] exp(-rate[q] x): the trapezoidal rule in
// t = ln s of 1/x^4 = (1/6) integral s^3 exp(-s x) ds.
struct KoExponentialSum {
    alignas(64) std::array<double, KO_TERMS> rate;
    alignas(64) std::array<double, KO_TERMS> weight;
};
const KoExponentialSum& InverseFourthPowerSum();

// [sin y / y]^4 for |y| <= 0.2 (b <= 100 within KO_NEAR_SPAN) from its
// Taylor series, exact to rounding.
inline double NearWindow(double y) {
    const double y2 = y * y;
    const double sinc =
        1.0 + y2 * (-1.0 / 6.0 + y2 * (1.0 / 120.0 + y2 * (-1.0 / 5040.0 + y2 * (1.0 / 362880.0 + y2 * (-1.0 / 39916800.0)))));
    const double s2 = sinc * sinc;
    return s2 * s2;
}

}  // namespace tremblo
