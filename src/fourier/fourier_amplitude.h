#pragma once
// The Fourier amplitude spectrum of one trace: A(f_k) = dt |sum x_n
// e^(-2 pi i k n / N)| for k = 0 .. N/2, f_k = k / (N dt), N the power of
// two at or above the trace length (at least 2), the trace padded with
// zeros. Acceleration in gal gives gal*s (= cm/s).
#include <span>
#include <vector>

namespace tremblo {

// The fraction of the trace each end of the cosine taper covers.
inline constexpr double FOURIER_TAPER_FRACTION = 0.05;

// The transform length for `samples` samples: the power of two at or
// above it, at least 2.
int FourierLength(int samples);

// Multiplies the first and last `fraction` of the trace (each end at
// least one sample when the fraction covers any) by a half cosine bell,
// 0 at the outer sample and rising to 1 inwards.
void ApplyCosineTaper(std::span<float> trace, double fraction = FOURIER_TAPER_FRACTION);

struct FourierAmplitude {
    int sampleCount = 0;  // the trace's length
    int length = 0;       // N, the transform length
    double df = 0;        // 1 / (N dt)
    std::vector<double> amplitude;  // k = 0 .. N/2
    double Frequency(int k) const { return k * df; }
};

// The spectrum of `trace` (a copy is tapered when `taper` is set). The
// transform runs in single precision (Debian's kissfft), the amplitudes
// are formed in double. False when the transform could not be prepared
// (memory).
bool ComputeFourierAmplitude(std::span<const float> trace, float dt, bool taper, FourierAmplitude& out);

}  // namespace tremblo
