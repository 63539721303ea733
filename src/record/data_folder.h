#pragma once
#include <string>

namespace tremblo {

// The DATA folder of the station directory: in the working folder first,
// then beside the executable, then in the installed data folder. When none
// exists, "DATA" (the loader then reports the missing files).
std::string FindDataFolder();

}  // namespace tremblo
