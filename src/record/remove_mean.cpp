#include "record/remove_mean.h"

namespace tremblo {

void RemoveMean(float* values, int start, int count) {
    if (count <= 0) return;
    double sum = 0.0;
    for (int i = start; i < start + count; ++i) sum += values[i];
    const float mean = static_cast<float>(sum / count);
    for (int i = start; i < start + count; ++i) values[i] = values[i] - mean;
}

}  // namespace tremblo
