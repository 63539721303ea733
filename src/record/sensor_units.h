#pragma once
// The units a station inventory gives a channel's input in (StationXML
// InputUnits/Name, as SEED writes them: "M/S**2", "CM/S**2", "NM/S**2", "G",
// "M/S"...), as acceleration in gal or velocity in cm/s per unit. Letter case
// and "**2", "^2", "2" or "/S/S" are taken alike; "SEC" is "S".
#include <optional>
#include <string_view>

namespace tremblo {

enum class SensorQuantity { Acceleration, Velocity };

struct SensorUnit {
    SensorQuantity quantity = SensorQuantity::Acceleration;
    double cgsPerUnit = 1.0;  // gal (acceleration) or cm/s (velocity) per unit
};

// Nothing for a unit that is neither acceleration nor velocity (counts,
// displacement, pressure, an empty name).
std::optional<SensorUnit> SensorUnitOf(std::string_view name);

}  // namespace tremblo
