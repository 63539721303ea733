#pragma once
// The station map of an event table: the stations of the rows shown (those
// with coordinates), the epicentre of the first row that has one. The event
// window and the batch's --map draw it alike.
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "event/event_table.h"
#include "event/station_map.h"

namespace tremblo {

struct EventMapPoints {
    std::vector<MapStation> stations;
    std::vector<std::size_t> rows;  // the table row (arrival index) of each station
    std::optional<std::pair<double, double>> epicentre;
};

EventMapPoints MapPointsOf(const EventTable& table);

// The whole map on `canvas` (its size is the picture's); `selectedRow` is a
// table row whose station gets the selection ring.
StationMapLayout DrawEventMap(Canvas& canvas, const EventMapPoints& points, std::optional<std::size_t> selectedRow);

}  // namespace tremblo
