#pragma once
// The units the user may name for values whose file does not state one
// (the batch's --units, the window's question): gal, m/s2, nm/s2 and g.
#include <array>
#include <optional>
#include <string_view>

namespace tremblo {

struct AccelerationUnit {
    const char* name;  // as --units takes it
    double galPerUnit;
};

const std::array<AccelerationUnit, 4>& AccelerationUnits();

// Gal per unit of a name above; nothing for any other name.
std::optional<double> GalPerUnitNamed(std::string_view name);

}  // namespace tremblo
