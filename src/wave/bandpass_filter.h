#pragma once
// The band-pass filter of velocity and displacement: an ideal trapezoidal
// band-pass (gain 0 below f1, rising linearly to 1 at f2, 1 up to f3, falling
// linearly to 0 at f4) truncated to L one-sided taps without a window, applied
// as a zero-phase symmetric convolution.

namespace tremblo {

// Corner frequencies used for every record, in Hz.
inline constexpr float BANDPASS_F1 = 0.1f;
inline constexpr float BANDPASS_F2 = 0.2f;
inline constexpr float BANDPASS_F3 = 50.0f;
inline constexpr float BANDPASS_F4 = 75.0f;

// Fills h[0 .. tapCount-1] for the sampling interval dt (s). The sine
// arguments are doubles, the quotients are formed in long double and every
// coefficient is stored in single precision.
void DesignBandpassFilter(int tapCount, float* h, float f1, float f2, float f3, float f4,
                          float dt);

// The filter of a record sampled at interval dt: the corners above with the
// upper two scaled down together when f3 would pass the Nyquist frequency
// 1/(2 dt). At 100 Hz and above this is DesignBandpassFilter unchanged (f3 at
// or below Nyquist); below 100 Hz the unscaled corners would fold the upper
// edge back into the pass band several times and multiply the gain.
void DesignRecordBandpassFilter(float dt, float* h);

// The plain reference: replaces x[0 .. n-1] by
//   y[i] = x[i]*h[0] + sum over j of (x[i-j] + x[i+j]) * h[j]
// with x zero outside 0 .. n-1, accumulated tap after tap in order
// j = 1 .. tapCount-1; each tap's expression is evaluated in double and the
// accumulator is rounded to single precision after every tap. Every output
// reads only unfiltered inputs. Returns false (x untouched) when the
// temporary array cannot be allocated.
bool ApplyBandpassFilter(int tapCount, const float* h, int n, float* x);

// One output of the reference, y[i], for x zero outside 0 .. n-1.
float BandpassOutput(int tapCount, const float* h, int n, const float* x, int i);

}  // namespace tremblo
