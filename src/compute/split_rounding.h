#pragma once
// Rounding a double to single precision without leaving double arithmetic,
// by Veltkamp's splitting: with C = 2^29 + 1, g = C*v and e = g - v, the
// difference g - e is v rounded to 24 significant bits, ties to even. That
// equals static_cast<float>(v) whenever the result is zero or a normal
// single (no single-precision underflow or overflow); the sign of zero is
// kept. The vector kernels use the same three steps where a conversion to
// float and back would cost more.

namespace tremblo {

inline constexpr double SPLIT_FACTOR = 536870913.0;  // 2^29 + 1

inline double RoundToSingleBySplitting(double v) {
    const double g = v * SPLIT_FACTOR;
    const double e = g - v;
    return g - e;
}

// Whether the fast filter may round its partial sums by splitting: true when
// every partial sum of every output is provably zero or a normal single, so
// that splitting and converting agree. Exact products of a sample and a tap
// are multiples of ulp(sample) * ulp(tap), and sums keep that granularity,
// so the smallest units of the non-zero samples and taps must multiply to
// at least 2^-126; and no sum may come near the single-precision range's
// end. False for any NaN or infinity.
bool FilterAllowsSplitRounding(int tapCount, const float* h, int n, const float* x);

}  // namespace tremblo
