#include "record/remove_mean.h"

namespace tremblo {

void RemoveMean(float* values, int start, int count) {
    if (count <= 0) return;
    float sum = 0.0f;
    for (int i = start; i < start + count; ++i) sum = sum + values[i];
    const float mean = sum / static_cast<float>(count);
    for (int i = start; i < start + count; ++i) values[i] = values[i] - mean;
}

}  // namespace tremblo
