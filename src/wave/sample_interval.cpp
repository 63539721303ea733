#include "wave/sample_interval.h"

#include <cmath>

namespace tremblo {

double SamplesPerSecond(double dt) {
    const double rate = 1.0 / dt;
    const double whole = std::round(rate);
    return whole >= 1.0 && std::fabs(rate - whole) <= 1e-6 * rate ? whole : rate;
}

double SampleInterval(double dt) { return 1.0 / SamplesPerSecond(dt); }

}  // namespace tremblo
