#pragma once
#include <string>

namespace tremblo {

// The user's own DATA folder: $XDG_DATA_HOME/tremblo/DATA, by default
// ~/.local/share/tremblo/DATA. It need not exist.
std::string UserDataFolder();

// The DATA folder of the station directory: in the working folder first,
// then the user's data folder, then beside the executable, then in the
// installed data folder. When none exists, "DATA" (the loader then reports
// the missing files).
std::string FindDataFolder();

}  // namespace tremblo
