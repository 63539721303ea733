#pragma once
#include <string>

namespace tremblo {

// The user's own DATA folder: $XDG_DATA_HOME/tremblo/DATA, by default
// ~/.local/share/tremblo/DATA. It need not exist.
std::string UserDataFolder();

// The installed station directory of an installed program: bin/tremblo
// has share/tremblo/DATA of its own installation.
std::string InstalledDataFolder(const std::string& program);

// The DATA folder of the station directory: in the working folder first,
// then the user's data folder, then beside the executable, then in the
// installed data folder. When none exists, "DATA" (the loader then reports
// the missing files).
std::string FindDataFolder();

// Where the file `name` of dataFolder is read from: the user's data folder's
// copy, when it has one, wins over the working folder's DATA (a save that
// could not write there went to the user's data folder); otherwise
// dataFolder/name.
std::string StationFilePath(const std::string& dataFolder, const std::string& name);

}  // namespace tremblo
