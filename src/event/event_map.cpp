#include "event/event_map.h"

#include <algorithm>

#include "event/coastline.h"

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
    // The shoreline file is read on the first map and kept for the process.
    Coastline coastline;
    if (const CoastlineAtlas* atlas = InstalledCoastline(); atlas && layout.hasPoints())
        coastline = atlas->Within(layout.south(), layout.north(), layout.west(), layout.east());
    DrawStationMap(canvas, layout, points.stations, points.epicentre, selected, &coastline);
    return layout;
}

}  // namespace tremblo
