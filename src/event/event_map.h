#pragma once
// The station map of an event table: the stations of the rows shown (those
// with coordinates), the epicentre of the first row that has one. The event
// window and the batch's --map draw it alike.
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "event/event_table.h"
#include "event/map_colouring.h"
#include "event/station_map.h"

namespace tremblo {

struct EventMapPoints {
    std::vector<MapStation> stations;
    std::vector<std::size_t> rows;  // the table row (arrival index) of each station
    std::optional<std::pair<double, double>> epicentre;
    std::optional<MapColouring> colouring;  // none: by JMA intensity class
};

// The rows shown, in arrival order (the map is the same however the table
// is sorted; unfiltered it is the batch's --map of the same records).
// With `colourBy` (a numeric column) each station carries its row's value
// and the map is coloured on the range of the stations' values.
EventMapPoints MapPointsOf(const EventTable& table, std::optional<EventColumn> colourBy = std::nullopt);

// The table row a click at (x, y) selects: the station there nearest the
// click; on a place several stations share (a KiK-net surface and borehole
// pair), the one after `selectedRow` among them when that is one of them, so
// that clicks on the place go round them all.
std::optional<std::size_t> RowToSelectAt(const StationMapLayout& layout, const EventMapPoints& points, int x, int y,
                                         std::optional<std::size_t> selectedRow);

// The whole map on `canvas` (its size is the picture's); `selectedRow` is a
// table row whose station gets the selection ring. The layout is
// LayoutStationMap's.
StationMapLayout DrawEventMap(Canvas& canvas, const EventMapPoints& points, std::optional<std::size_t> selectedRow);

}  // namespace tremblo
