#pragma once
// The benchmarks' record: three components of 70000 samples at 100 Hz, a
// wave packet with noise around a small offset, band-pass filter designed,
// the window over the whole record.
#include <cmath>

#include "record/seismic_record.h"
#include "wave/bandpass_filter.h"

namespace tremblo {

inline void FillSyntheticRecord(SeismicRecord& record) {
    record.componentCount = 3;
    record.sampleCount = SAMPLE_CAPACITY;
    record.samplingFrequency = 100;
    record.dt = 0.01f;
    DesignBandpassFilter(BANDPASS_TAPS, record.bandpassCoefficients.data(), BANDPASS_F1,
                         BANDPASS_F2, BANDPASS_F3, BANDPASS_F4, record.dt);
    unsigned state = 12345u;
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < SAMPLE_CAPACITY; ++i) {
            state = state * 1664525u + 1013904223u;
            const double t = i * 0.01;
            const double envelope = std::exp(-std::pow((t - 120.0) / 60.0, 2.0));
            const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
            record.samples[c][i] = static_cast<float>(
                envelope * (150.0 * std::sin(2.0 * M_PI * (0.7 + 0.4 * c) * t) +
                            80.0 * std::sin(2.0 * M_PI * 3.1 * t + c) + 60.0 * noise) +
                2.0);
        }
    }
    record.windowStart = 0;
    record.windowLength = SAMPLE_CAPACITY;
}

}  // namespace tremblo
