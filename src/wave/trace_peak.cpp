#include "wave/trace_peak.h"

#include <cmath>

namespace tremblo {

Peak FindPeak(int n, const float* x) {
    Peak peak;
    for (int i = 0; i < n; ++i) {
        const float a = std::fabs(x[i]);
        if (a > peak.value) {
            peak.value = a;
            peak.index = i;
        }
    }
    return peak;
}

}  // namespace tremblo
