#pragma once
// The file-menu command that copies the loaded record files under names made
// of the station name: D:/eq/AIC001R0102.NS of station "X" becomes
// D:/eq/XR0102.NS.
#include "common/platform.h"
#include "record/record_session.h"

namespace tremblo {

// Does nothing before the first load; refuses a record whose station is not
// in the directory (or that is not a K-NET/KiK-net record); reports every
// copy it made and every one it could not make.
void CreateStationNameFiles(const RecordSession& session, Platform& platform);

}  // namespace tremblo
