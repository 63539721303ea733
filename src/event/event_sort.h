#pragma once
// The order of the event list's rows by one column.
#include "event/event_column.h"
#include "event/event_row.h"

namespace tremblo {

// Whether row a comes before row b when sorted by `column`. Numbers compare
// as numbers, texts in byte order, networks in the order of the Network
// enumeration; a row without a value (no number, empty text) comes after
// every row with one in both directions. Equal rows are not ordered, so a
// stable sort keeps their earlier order.
class EventRowOrder {
public:
    EventRowOrder(EventColumn column, bool ascending) : column_(column), ascending_(ascending) {}
    bool operator()(const EventRow& a, const EventRow& b) const;

private:
    EventColumn column_;
    bool ascending_;
};

}  // namespace tremblo
