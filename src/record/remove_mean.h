#pragma once

namespace tremblo {

// Subtracts the mean of values[start .. start+count-1] from each of them. The
// sum is accumulated in single precision, rounded after every addition, as
// is the mean. A count of 0 (or less) changes nothing.
void RemoveMean(float* values, int start, int count);

}  // namespace tremblo
