#pragma once
// The event map as a picture: what the event window's PNGﾌｧｲﾙ saves and
// what --map writes, the same bytes for the same records.
#include <string>
#include <vector>

#include "common/rgb_image.h"
#include "event/event_map.h"

namespace tremblo {

// The map of `points` without a selection, at the window's size.
RgbImage EventMapPicture(const EventMapPoints& points);

// The map of the records whose summary rows are `lines` (in the order of
// the records, laid out as `header` says), as the event window shows them
// unfiltered; coloured by `colourBy` (a numeric column) or the JMA class.
RgbImage EventMapPictureOfRows(const std::string& header, const std::vector<std::string>& lines,
                               std::optional<EventColumn> colourBy = std::nullopt);

}  // namespace tremblo
