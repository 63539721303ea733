#pragma once
// What the event window remembers between sessions, in the program's
// settings (QSettings "tremblo"): the columns shown, and the column the
// map is coloured by.
#include <optional>
#include <set>

#include "event/event_column.h"

namespace tremblo {

// The columns saved; the default ones when none were.
std::set<EventColumn> LoadShownEventColumns();
void SaveShownEventColumns(const std::set<EventColumn>& columns);

// The column colouring the map (nothing: the JMA classes).
std::optional<EventColumn> LoadMapColumn();
void SaveMapColumn(std::optional<EventColumn> column);

}  // namespace tremblo
