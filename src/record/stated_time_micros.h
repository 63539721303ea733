#pragma once
// A StatedTime and the microseconds since 1970-01-01 (in the same time base),
// as miniSEED and StationXML count time.
#include <cstdint>
#include <optional>

#include "record/stated_header.h"

namespace tremblo {

StatedTime StatedTimeOfMicros(std::int64_t micros);
// Nothing for a date that is not in the calendar. Seconds are rounded to
// the microsecond.
std::optional<std::int64_t> MicrosOfStatedTime(const StatedTime& time);

}  // namespace tremblo
