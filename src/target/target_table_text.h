#pragma once
// A target written as a table: a header line "Period,SA,SV,SD", then one
// row per period the target is defined at, each value as "%.6g" (SV and SD
// are the pseudo values). Lines end with "\n".
#include <span>
#include <string>

#include "target/target_spectrum.h"

namespace tremblo {

std::string TargetTableText(const TargetSpectrum& target, std::span<const float> periods);

}  // namespace tremblo
