#pragma once
// The station and event a COSMOS channel's text header describes on its
// labelled lines: "Hypocenter:", "Origin:", "Statn No: ... Code:",
// "Coords:" and "Rcrd start time:". Each value is read only where its label
// and a well-formed value stand; anything else leaves it unstated, and so do
// the header's undefined values (-999). Times are taken only when written
// in UTC.
#include <string>
#include <vector>

#include "record/stated_header.h"

namespace tremblo {

void ReadCosmosTextHeader(const std::vector<std::string>& text, ChannelHeader& header);

}  // namespace tremblo
