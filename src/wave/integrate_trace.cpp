#include "wave/integrate_trace.h"

namespace tremblo {

void IntegrateTrace(int n, const float* in, float* out, float dt) {
    if (n <= 0) return;
    out[0] = 0.0f;
    for (int i = 1; i < n; ++i) {
        out[i] = static_cast<float>(static_cast<double>(in[i]) * dt + out[i - 1]);
    }
}

}  // namespace tremblo
