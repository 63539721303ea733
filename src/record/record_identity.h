#pragma once
// Which record a chosen file stands for. With three components, X.NS, X.EW
// and X.UD of a K-NET/KiK-net record (or x.ns, x.ew, x.ud of the other
// formats) all load the same record; a batch handed all of them loads it once.
#include <string>

#include "common/path_text.h"
#include "record/seismic_record.h"

namespace tremblo {

// The first component file the loader would open for `path`, as an absolute
// path without "." and ".." steps (symbolic links are not followed): equal
// for two chosen files exactly when they load the same files. With one
// component, the chosen file itself.
std::string RecordIdentity(const std::string& path, RecordFormat format, bool threeComponents,
                           FolderListings* listings = nullptr);

}  // namespace tremblo
