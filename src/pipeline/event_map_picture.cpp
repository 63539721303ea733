#include "pipeline/event_map_picture.h"

#include "plot/canvas/raster_canvas.h"

namespace tremblo {

RgbImage EventMapPicture(const EventMapPoints& points) {
    RasterCanvas canvas(MapSettings{}.width, MapSettings{}.height);
    DrawEventMap(canvas, points, std::nullopt);
    return canvas.Picture();
}

RgbImage EventMapPictureOfRows(const std::string& header, const std::vector<std::string>& lines,
                               std::optional<EventColumn> colourBy) {
    const SummaryColumns columns(header);
    EventTable table;
    for (const std::string& line : lines) table.Add(ParseSummaryRow(columns, line));
    return EventMapPicture(MapPointsOf(table, colourBy));
}

}  // namespace tremblo
