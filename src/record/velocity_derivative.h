#pragma once
// Acceleration from a velocity trace, for velocity sensors read on request:
// central differences, a[i] = (v[i+1] - v[i-1]) / (2 dt), and one-sided ones
// at the two ends, a[0] = (v[1] - v[0]) / dt and a[n-1] = (v[n-1] - v[n-2]) / dt.
// A single sample gives 0. Computed in double.
#include <vector>

namespace tremblo {

std::vector<double> DifferentiatedVelocity(const std::vector<double>& velocity, double dt);

}  // namespace tremblo
