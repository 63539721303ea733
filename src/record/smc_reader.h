#pragma once
// USGS SMC files: one component a file. 11 text lines (the first starts
// with the data type code, "2 CORRECTED ACCELEROGRAM"), 48 integers (8I10
// on 6 lines; -32768 when undefined), 50 reals (5E15.7 on 10 lines; 1.7e38
// when undefined), the comment lines (as many as integer 16 says), then
// the samples in cm/s^2 eight to a line in 10-column fields (integer 17
// says how many). Real 2 is the sampling rate in samples per second.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// true when these first lines (up to 40, each without its line end) are this format's
bool LooksLikeSmc(const std::vector<std::string>& head);
Result<AgencyFile> ReadSmcFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
