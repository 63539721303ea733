#pragma once
// Where the save dialogs start.
#include <string>

#include "record/seismic_record.h"

namespace tremblo {

// The folder remembered by the window when there is one, else the folder of
// the loaded record, else the working folder; never empty (an empty folder
// would open the dialog at the file-system root).
std::string SaveDialogFolder(const std::string& remembered, const RecordFields& record);

}  // namespace tremblo
