#pragma once

namespace tremblo {

// Samples shown before the first strong motion when the start is automatic.
inline constexpr int AUTO_START_LEAD = 200;

// The automatic window start for the first component's acceleration: the
// first sample whose absolute value exceeds 2 % of the trace's peak, less
// AUTO_START_LEAD samples, never below 0. A trace with no such sample (all
// zero) gives n - AUTO_START_LEAD. The caller moves the start slider.
int FindAutoStart(int n, const float* x);

}  // namespace tremblo
