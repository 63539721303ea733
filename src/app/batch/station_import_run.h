#pragma once
// --import-stations: NIED's station list merged into the station directory,
// written to the user's data folder.
#include <ostream>

#include "app/batch/batch_options.h"

namespace tremblo {

// Reports what it did on err; false when the list cannot be read or the
// directory cannot be written.
bool RunStationImport(const BatchOptions& options, std::ostream& err);

}  // namespace tremblo
