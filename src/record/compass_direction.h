#pragma once
// Component directions as the agency text headers write them: quadrant
// bearings ("N28E", "S62E", "N04W", "S 62 W"), bare azimuths ("360",
// "90 Deg") and the vertical ("UP", "Up", "DOWN").
#include <optional>
#include <string_view>

namespace tremblo {

struct CompassDirection {
    std::optional<double> azimuthDeg;  // clockwise from north in [0, 360)
    bool vertical = false;
};

// The direction `text` names, or nothing when it names none.
std::optional<CompassDirection> ParseCompassDirection(std::string_view text);

// `degrees` brought into [0, 360).
double NormalisedAzimuth(double degrees);

}  // namespace tremblo
