#include "wave/auto_start.h"

#include <cmath>

#include "wave/trace_peak.h"

namespace tremblo {

int FindAutoStart(int n, const float* x) {
    const float threshold = static_cast<float>(0.02 * FindPeak(n, x).value);
    int first = 0;
    while (first < n && !(std::fabs(x[first]) > threshold)) ++first;
    const int start = first - AUTO_START_LEAD;
    return start < 0 ? 0 : start;
}

}  // namespace tremblo
