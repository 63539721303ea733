#pragma once

namespace tremblo {

// Subtracts the mean of values[start .. start+count-1] from each of them. The
// sum is accumulated in double precision in index order and the mean rounded
// to single precision: a single-precision running sum loses a small motion
// riding on a large offset (a borehole channel 10^5 counts from zero). A
// count of 0 (or less) changes nothing.
void RemoveMean(float* values, int start, int count);

}  // namespace tremblo
