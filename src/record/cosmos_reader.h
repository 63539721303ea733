#pragma once
// COSMOS strong-motion data files (format 1.20: V0c, V1c, V2c): channels
// one after another, each with its text header (line 1 says how many text
// lines), an integer header and a real header, each opened by a line
// stating its count, lines and Fortran format ("100 Integer-header values
// follow on 10 lines, Format= (10I8)"), the comment lines ("3 Comment
// line(s) follow, each starting with a "|":"), then one or more data blocks
// opened by "8000 acceleration pts, approx 40 secs, units=cm/sec2(04),
// Format=(8F10.5)" and closed by "End-of-data for Chan 1 ...". Integer 1
// is the processing stage; real 62 the sampling interval.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// true when these first lines (up to 40, each without its line end) are this format's
bool LooksLikeCosmos(const std::vector<std::string>& head);
Result<AgencyFile> ReadCosmosFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
