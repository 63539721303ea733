#pragma once

namespace tremblo {

// The largest absolute value of a trace and where it first occurs.
struct Peak {
    float value = 0.0f;
    int index = 0;
};

// Scans x[0 .. n-1] once: |x[i]| replaces the best value only when strictly
// greater, so the first of equal peaks wins. An all-zero trace, or n <= 0,
// gives 0 at index 0. NaN values never win.
Peak FindPeak(int n, const float* x);

}  // namespace tremblo
