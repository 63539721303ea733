#include "wave/bandpass_filter.h"

#include <cmath>
#include <memory>
#include <new>

#include "record/seismic_record.h"

namespace tremblo {

namespace {

constexpr double kPi = 3.14159265358979323846;

// One trapezoidal low-pass term: sin(m*diff) * sin(m*sum) / diff / m / m,
// sine arguments rounded to double, the quotients in long double.
long double LowPassTerm(float m, float diff, double sum) {
    const double sinDiff = std::sin(static_cast<double>(m) * static_cast<double>(diff));
    const double sinSum = std::sin(static_cast<double>(m) * sum);
    long double term = static_cast<long double>(sinDiff) * static_cast<long double>(sinSum);
    term = term / diff / m / m;
    return term;
}

}  // namespace

void DesignBandpassFilter(int tapCount, float* h, float f1, float f2, float f3, float f4,
                          float dt) {
    if (tapCount <= 0) return;
    const double twoPi = 2.0 * kPi;
    const float c = static_cast<float>(twoPi / static_cast<double>(dt));
    auto corner = [&](float f) { return static_cast<float>(twoPi * f / c); };
    const float w1 = corner(f1), w2 = corner(f2), w3 = corner(f3), w4 = corner(f4);

    h[0] = static_cast<float>((static_cast<double>(w4) + w3) - (static_cast<double>(w2) + w1));
    const float diffHigh = static_cast<float>(static_cast<double>(w4) - w3);
    const float diffLow = static_cast<float>(static_cast<double>(w2) - w1);
    const double sumHigh = static_cast<double>(w4) + w3;
    const double sumLow = static_cast<double>(w2) + w1;
    for (int i = 1; i < tapCount; ++i) {
        const float m = static_cast<float>(i * kPi);
        const long double high = LowPassTerm(m, diffHigh, sumHigh);
        const long double low = LowPassTerm(m, diffLow, sumLow);
        h[i] = static_cast<float>(high - low);
    }
}

void DesignRecordBandpassFilter(float dt, float* h) {
    float f3 = BANDPASS_F3, f4 = BANDPASS_F4;
    const double nyquist = 0.5 / static_cast<double>(dt);
    if (dt > 0.0f && f3 > nyquist) {
        f3 = static_cast<float>(nyquist);
        f4 = static_cast<float>(nyquist * (static_cast<double>(BANDPASS_F4) / BANDPASS_F3));
    }
    DesignBandpassFilter(BANDPASS_TAPS, h, BANDPASS_F1, BANDPASS_F2, f3, f4, dt);
}

float BandpassOutput(int tapCount, const float* h, int n, const float* x, int i) {
    float acc = x[i] * h[0];
    for (int j = 1; j < tapCount; ++j) {
        const float a = i - j >= 0 ? x[i - j] : 0.0f;
        const float b = i + j < n ? x[i + j] : 0.0f;
        acc = static_cast<float>((static_cast<double>(a) + static_cast<double>(b)) *
                                     static_cast<double>(h[j]) +
                                 static_cast<double>(acc));
    }
    return acc;
}

bool ApplyBandpassFilter(int tapCount, const float* h, int n, float* x) {
    if (n <= 0 || tapCount <= 0) return true;
    std::unique_ptr<float[]> y(new (std::nothrow) float[n]);
    if (!y) return false;
    for (int i = 0; i < n; ++i) y[i] = BandpassOutput(tapCount, h, n, x, i);
    for (int i = 0; i < n; ++i) x[i] = y[i];
    return true;
}

}  // namespace tremblo
