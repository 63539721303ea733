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
    float a = 0.0f, v = 0.0f, x = 0.0f;
    for (int i = 0; i < n; ++i) {
        const double g = groundAcc[i];
        const float vp = static_cast<float>(static_cast<double>(a) * dt * 0.5 + v);
        const float xp = static_cast<float>(static_cast<double>(v) * dt + x +
                                            static_cast<double>(a) * k.dt2 * (1.0 / 3.0));
        const float num =
            static_cast<float>(k.twoHOmega * vp + static_cast<double>(k.omega2) * xp + g);
        a = static_cast<float>(-static_cast<double>(num) / k.den);
        out.relativeAcc[i] = a;
        out.absoluteAcc[i] = static_cast<float>(static_cast<double>(out.relativeAcc[i]) + g);
        v = static_cast<float>(static_cast<double>(a) * dt * 0.5 + vp);
        out.relativeVel[i] = v;
        x = static_cast<float>(static_cast<double>(a) * k.dt2 * (1.0 / 6.0) + xp);
        out.relativeDisp[i] = x;
    }
}

}  // namespace tremblo
