#pragma once
// CSMIP (CESMD "DMG") Volume 1 and Volume 2 files: the channels of a
// station one after another, each with 25 text lines (the channel and its
// direction as "Chan  1: 360 Deg" or "Chan  3: Up"), 100 integers (16I5
// on 7 lines), 100 reals (8F10 on 13 lines), then for each block a start
// line ("8000 points of accel data equally spaced at .005 sec, in
// cm/sec2.") and its values; a Volume 2 channel holds acceleration,
// velocity and displacement blocks. A line "/&" ends each channel.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// true when these first lines (up to 40, each without its line end) are this format's
bool LooksLikeCsmip(const std::vector<std::string>& head);
Result<AgencyFile> ReadCsmipFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
