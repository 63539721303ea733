#pragma once
// Component directions as the agency text headers write them: quadrant
// bearings ("N28E", "S62E", "N04W", "S 62 W"), bare azimuths ("360",
// "90 Deg") and the vertical ("UP", "Up", "DOWN").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/stated_header.h"

namespace tremblo {

struct CompassDirection {
    std::optional<double> azimuthDeg;  // clockwise from north in [0, 360)
    bool vertical = false;
};

// The direction `text` names, or nothing when it names none.
std::optional<CompassDirection> ParseCompassDirection(std::string_view text);

// The direction a text header gives its channel on a line "Chan  1: 360 Deg"
// ("Sta Chan   3:  Up (Rcrdr Chan  3)"): the first such line that names a
// direction sets the header's component name, azimuth and vertical; false
// when no line does.
bool ReadChannelDirection(const std::vector<std::string>& text, ChannelHeader& header);

// `degrees` brought into [0, 360).
double NormalisedAzimuth(double degrees);

}  // namespace tremblo
