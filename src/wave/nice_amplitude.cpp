#include "wave/nice_amplitude.h"

#include <cmath>

namespace tremblo {

float NiceAmplitude(int divisions, float peak) {
    static constexpr double kSteps[4] = {1.0, 2.0, 2.5, 5.0};
    const double k = divisions;
    float unit = 1e-10f;
    float last = unit;
    while (std::isfinite(unit)) {
        for (double step : kSteps) {
            const float candidate = static_cast<float>(unit * step);
            if (!std::isfinite(candidate)) return last;
            if (k * unit * step > peak) return candidate;  // compared in double
            last = candidate;
        }
        unit = unit * 10.0f;
    }
    return last;
}

}  // namespace tremblo
