#pragma once

namespace tremblo {

// The value per vertical division of a waveform row: the smallest value of
// the series 1, 2, 2.5, 5 x 10^k (k from -10 up, built by repeated single
// precision multiplication by 10) for which divisions * value, compared in
// double, exceeds the peak strictly. A peak no float value can exceed (infinite or NaN) gives
// the last candidate below the float range instead of looping for ever.
float NiceAmplitude(int divisions, float peak);

}  // namespace tremblo
