#pragma once

namespace tremblo {

// Rectangle rule with the current sample: out[0] = 0 and
// out[i] = in[i] * dt + out[i-1], evaluated in double and rounded to single
// precision when stored. in[0] does not contribute. Nothing is written when
// n <= 0. in and out may be the same.
void IntegrateTrace(int n, const float* in, float* out, float dt);

}  // namespace tremblo
