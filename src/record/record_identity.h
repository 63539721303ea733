#pragma once
// Which record a chosen file stands for. With three components, X.NS, X.EW
// and X.UD of a K-NET/KiK-net record (or x.ns, x.ew, x.ud of the other
// formats) all load the same record; a batch handed all of them loads it once.
// The component files of an agency record are those of one folder that state
// the same station and event.
#include <span>
#include <string>
#include <vector>

#include "common/path_text.h"
#include "record/seismic_record.h"
#include "record/stated_header.h"

namespace tremblo {

// The first component file the loader would open for `path`, as an absolute
// path without "." and ".." steps (symbolic links are not followed): equal
// for two chosen files exactly when they load the same files. With one
// component, the chosen file itself. An agency file (three components): as
// AgencyRecordIdentity gives it.
std::string RecordIdentity(const std::string& path, RecordFormat format, bool threeComponents,
                           FolderListings* listings = nullptr);

// The channels an agency file's header states, in file order; none when it
// cannot be read in `format`.
std::vector<ChannelHeader> AgencyChannelHeaders(const std::string& path, RecordFormat format);

// An agency file's identity from the channels its header states: its folder
// and the key of its first channel (ComponentGroupKey, else its name stem);
// the file itself when it holds a full set alone or its header does not read.
std::string AgencyRecordIdentity(const std::string& path, RecordFormat format, std::span<const ChannelHeader> headers);

// The sets of components an agency file's channels make on their own: more
// than one when the first set is full and channels follow (see
// agency_record.h); 1 otherwise.
int ComponentSetCount(std::span<const ChannelHeader> headers);

}  // namespace tremblo
