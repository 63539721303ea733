#pragma once
// The number a row shows in a column of the event list (what the station
// map can be coloured by): nothing for a text column or a row without
// that value.
#include <optional>

#include "event/event_row.h"
#include "event/event_sort.h"

namespace tremblo {

std::optional<double> EventColumnNumber(const EventRow& row, EventColumn column);

// The columns that hold numbers: the fixed ones of numbers and every measure.
bool IsNumericEventColumn(EventColumn column);

}  // namespace tremblo
