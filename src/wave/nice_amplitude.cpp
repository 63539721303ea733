#include "wave/nice_amplitude.h"

#include <cmath>

namespace tremblo {

float NiceAmplitude(int divisions, float peak) {
    static constexpr float kSteps[4] = {1.0f, 2.0f, 2.5f, 5.0f};
    const float k = static_cast<float>(divisions);
    float unit = 1e-10f;
    float last = unit;
    while (std::isfinite(unit)) {
        for (float step : kSteps) {
            const float candidate = unit * step;
            if (!std::isfinite(candidate)) return last;
            if (k * unit * step > peak) return candidate;
            last = candidate;
        }
        unit = unit * 10.0f;
    }
    return last;
}

}  // namespace tremblo
