#include "spectrum/sdof_response.h"

namespace tremblo {

SdofConstants MakeSdofConstants(float dt, float period, float damping) {
    SdofConstants k;
    const double h = damping;
    k.omega = static_cast<float>(TWO_PI / static_cast<double>(period));
    k.omega2 = static_cast<float>(static_cast<double>(k.omega) * k.omega);
    k.dt2 = static_cast<float>(static_cast<double>(dt) * dt);
    k.twoHOmega = 2.0 * h * k.omega;
    k.den = static_cast<float>(h * k.omega * dt + 1.0 + static_cast<double>(k.omega2) * k.dt2 * (1.0 / 6.0));
    return k;
}

void ComputeSdofResponse(int n, float dt, float period, float damping, const float* groundAcc,
                         const SdofResponse& out) {
    const SdofConstants k = MakeSdofConstants(dt, period, damping);
    SdofState s;
    for (int i = 0; i < n; ++i) {
        out.absoluteAcc[i] = SdofStep(k, dt, groundAcc[i], s);
        out.relativeAcc[i] = s.a;
        out.relativeVel[i] = s.v;
        out.relativeDisp[i] = s.x;
    }
}

}  // namespace tremblo
