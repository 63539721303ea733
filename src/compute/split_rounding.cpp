#include "compute/split_rounding.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace tremblo {

namespace {

struct Magnitudes {
    bool finite = true;
    float smallest = 0.0f;  // smallest non-zero |value|; 0 when all are zero
    double largest = 0.0;
    double sum = 0.0;
};

Magnitudes Measure(const float* v, int n) {
    Magnitudes m;
    float smallest = FLT_MAX;
    bool anyNonZero = false;
    for (int i = 0; i < n; ++i) {
        const float a = std::fabs(v[i]);
        if (!(a <= FLT_MAX)) {
            m.finite = false;
            return m;
        }
        if (a != 0.0f) {
            anyNonZero = true;
            smallest = std::min(smallest, a);
        }
        m.largest = std::max(m.largest, static_cast<double>(a));
        m.sum += a;
    }
    m.smallest = anyNonZero ? smallest : 0.0f;
    return m;
}

// Exponent of the unit in the last place of a non-zero single; INT_MAX / 4
// for zero (no constraint).
int UlpExponent(float smallest) {
    if (smallest == 0.0f) return INT_MAX / 4;
    return std::max(std::ilogb(smallest) - 23, -149);
}

}  // namespace

bool FilterAllowsSplitRounding(int tapCount, const float* h, int n, const float* x) {
    const Magnitudes taps = Measure(h, tapCount);
    const Magnitudes samples = Measure(x, n);
    if (!taps.finite || !samples.finite) return false;
    if (UlpExponent(taps.smallest) + UlpExponent(samples.smallest) < -126) return false;
    // |partial sum| <= 2 * max|x| * sum|h|, grown by at most a few units of
    // rounding over the taps.
    return 2.0 * samples.largest * taps.sum < 0x1p124;
}

}  // namespace tremblo
