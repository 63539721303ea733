#include "event/event_map.h"

#include <algorithm>

#include "event/coastline.h"
#include "event/event_column_number.h"

namespace tremblo {

EventMapPoints MapPointsOf(const EventTable& table, std::optional<EventColumn> colourBy) {
    EventMapPoints points;
    std::vector<std::size_t> shown = table.Visible();
    std::sort(shown.begin(), shown.end());
    for (const std::size_t index : shown) {
        const EventRow& row = table.rows()[index];
        if (!points.epicentre && row.eventLat && row.eventLon) points.epicentre = std::make_pair(*row.eventLat, *row.eventLon);
        if (!row.stationLat || !row.stationLon) continue;
        MapStation station{*row.stationLat, *row.stationLon, row.jmaClass, std::nullopt};
        if (colourBy) station.value = EventColumnNumber(row, *colourBy);
        points.stations.push_back(std::move(station));
        points.rows.push_back(index);
    }
    if (colourBy) {
        std::vector<std::optional<double>> values;
        for (const MapStation& station : points.stations)
            if (IsMappable(station.lat, station.lon)) values.push_back(station.value);
        points.colouring = ColouringOf(*colourBy, values);
    }
    return points;
}

std::optional<std::size_t> RowToSelectAt(const StationMapLayout& layout, const EventMapPoints& points, int x, int y,
                                         std::optional<std::size_t> selectedRow) {
    const std::vector<std::size_t> near = layout.StationsAt(x, y, points.stations);
    if (near.empty()) return std::nullopt;
    // The stations on the nearest one's place.
    const Point first = layout.ToPixel(points.stations[near.front()].lat, points.stations[near.front()].lon);
    std::vector<std::size_t> rows;
    for (const std::size_t station : near)
        if (layout.ToPixel(points.stations[station].lat, points.stations[station].lon) == first)
            rows.push_back(points.rows[station]);
    const auto selected = selectedRow ? std::find(rows.begin(), rows.end(), *selectedRow) : rows.end();
    if (selected == rows.end()) return rows.front();
    return std::next(selected) == rows.end() ? rows.front() : *std::next(selected);
}

StationMapLayout DrawEventMap(Canvas& canvas, const EventMapPoints& points, std::optional<std::size_t> selectedRow) {
    const MapColouring* colouring = points.colouring ? &*points.colouring : nullptr;
    const StationMapLayout layout = LayoutStationMap(canvas, points.stations, points.epicentre,
                                                     MapSettings{canvas.Width(), canvas.Height()}, colouring);
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
    DrawStationMap(canvas, layout, points.stations, points.epicentre, selected, &coastline, colouring);
    return layout;
}

}  // namespace tremblo
