#pragma once
// Progress of a spectrum calculation, for the spectrum window's two bars:
// the overall bar counts damping ratios over all components (maximum
// 5 x componentCount), the per-ratio bar counts periods (maximum 200).
#include <functional>

namespace tremblo {

struct SpectrumProgress {
    int overallMaximum = 0;
    int overallPosition = 0;
    int periodMaximum = 0;
    int periodPosition = 0;
};

// Called on the calling thread only, whenever a bar moves.
using SpectrumProgressCallback = std::function<void(const SpectrumProgress&)>;

}  // namespace tremblo
