#include "record/acceleration_units.h"

#include "record/agency_text_units.h"

namespace tremblo {

const std::array<AccelerationUnit, 4>& AccelerationUnits() {
    static const std::array<AccelerationUnit, 4> units{{
        {"gal", 1.0},
        {"m/s2", 100.0},
        {"nm/s2", 1.0e-7},
        {"g", GAL_PER_G},
    }};
    return units;
}

std::optional<double> GalPerUnitNamed(std::string_view name) {
    for (const AccelerationUnit& unit : AccelerationUnits())
        if (name == unit.name) return unit.galPerUnit;
    return std::nullopt;
}

}  // namespace tremblo
