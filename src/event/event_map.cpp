#include "event/event_map.h"

#include <algorithm>

namespace tremblo {

EventMapPoints MapPointsOf(const EventTable& table) {
    EventMapPoints points;
    for (const std::size_t index : table.Visible()) {
        const EventRow& row = table.rows()[index];
        if (!points.epicentre && row.eventLat && row.eventLon) points.epicentre = std::make_pair(*row.eventLat, *row.eventLon);
        if (!row.stationLat || !row.stationLon) continue;
        points.stations.push_back(MapStation{*row.stationLat, *row.stationLon, row.jmaClass});
        points.rows.push_back(index);
    }
    return points;
}

StationMapLayout DrawEventMap(Canvas& canvas, const EventMapPoints& points, std::optional<std::size_t> selectedRow) {
    const StationMapLayout layout(points.stations, points.epicentre, MapSettings{canvas.Width(), canvas.Height()});
    std::optional<std::size_t> selected;
    if (selectedRow) {
        const auto it = std::find(points.rows.begin(), points.rows.end(), *selectedRow);
        if (it != points.rows.end()) selected = static_cast<std::size_t>(it - points.rows.begin());
    }
    canvas.ResetDrawingState();
    DrawStationMap(canvas, layout, points.stations, points.epicentre, selected);
    return layout;
}

}  // namespace tremblo
