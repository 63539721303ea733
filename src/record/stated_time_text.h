#pragma once
// Dates and times as the text formats write them, read into a StatedTime.
// A text that is not a real calendar date and time of day (month 13, hour
// 24, a letter among the digits) reads as nothing: the header then states
// no time rather than a wrong one.
#include <optional>
#include <string_view>

#include "record/agency_channel.h"

namespace tremblo {

// Month 1-12, day 1-31, hour 0-23, minute 0-59, second in [0, 61).
bool IsPlausibleTime(const StatedTime& time);

// "20090406" and "013240" or "013240.40" (ESM/ITACA).
std::optional<StatedTime> TimeOfCompactText(std::string_view yyyymmdd, std::string_view hhmmss);

// "20090406_013240.000" (ESM/ITACA first sample).
std::optional<StatedTime> TimeOfCompactStamp(std::string_view text);

// "2011/03/11 14:46:00", seconds possibly with a fraction (K-NET).
std::optional<StatedTime> TimeOfSlashedText(std::string_view text);

}  // namespace tremblo
