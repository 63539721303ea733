#pragma once
#include <string>

namespace tremblo {

// The line --version prints.
inline std::string BatchVersionText() { return "tremblo-batch (TREMBLO 4.2)"; }

}  // namespace tremblo
