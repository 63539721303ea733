#include "record/velocity_derivative.h"

namespace tremblo {

std::vector<double> DifferentiatedVelocity(const std::vector<double>& v, double dt) {
    const std::size_t n = v.size();
    std::vector<double> a(n, 0.0);
    if (n < 2) return a;
    a[0] = (v[1] - v[0]) / dt;
    for (std::size_t i = 1; i + 1 < n; ++i) a[i] = (v[i + 1] - v[i - 1]) / (2.0 * dt);
    a[n - 1] = (v[n - 1] - v[n - 2]) / dt;
    return a;
}

}  // namespace tremblo
