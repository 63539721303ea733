#pragma once
// The response spectrum table: spectrum[component][damping][quantity][period],
// one contiguous block of 3 x 5 x 3 x 200 floats, zero at creation.
#include <array>

#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"

namespace tremblo {

inline constexpr int SPECTRUM_COMPONENTS = 3;
inline constexpr int SPECTRUM_QUANTITIES = 3;

// Quantity indexes: peak absolute acceleration (gal), peak relative velocity
// (kine), peak relative displacement (cm).
enum SpectrumQuantity { SA = 0, SV = 1, SD = 2 };

struct SpectrumTable {
    std::array<float, SPECTRUM_COMPONENTS * DAMPING_COUNT * SPECTRUM_QUANTITIES * PERIOD_COUNT>
        values{};

    static constexpr int Offset(int c, int k, int q, int j) {
        return ((c * DAMPING_COUNT + k) * SPECTRUM_QUANTITIES + q) * PERIOD_COUNT + j;
    }
    float& at(int c, int k, int q, int j) { return values[Offset(c, k, q, j)]; }
    float at(int c, int k, int q, int j) const { return values[Offset(c, k, q, j)]; }
    // The 200 values of one curve, in period order.
    float* row(int c, int k, int q) { return values.data() + Offset(c, k, q, 0); }
    const float* row(int c, int k, int q) const { return values.data() + Offset(c, k, q, 0); }
};

}  // namespace tremblo
