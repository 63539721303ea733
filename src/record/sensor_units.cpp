#include "record/sensor_units.h"

#include <string>

#include "record/agency_text_units.h"

namespace tremblo {

namespace {

// Upper case, blanks dropped, "SEC" as "S" and the squares written "2".
std::string Canonical(std::string_view name) {
    std::string text;
    for (const char ch : name)
        if (ch != ' ' && ch != '\t') text += static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
    const auto replaceAll = [&text](std::string_view from, std::string_view to) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    };
    replaceAll("SEC", "S");
    replaceAll("**2", "2");
    replaceAll("^2", "2");
    replaceAll("/S/S", "/S2");
    return text;
}

}  // namespace

std::optional<SensorUnit> SensorUnitOf(std::string_view name) {
    struct Known {
        const char* name;
        SensorQuantity quantity;
        double cgsPerUnit;
    };
    static constexpr Known kUnits[] = {
        {"M/S2", SensorQuantity::Acceleration, 100.0},   {"CM/S2", SensorQuantity::Acceleration, 1.0},
        {"GAL", SensorQuantity::Acceleration, 1.0},      {"MM/S2", SensorQuantity::Acceleration, 0.1},
        {"UM/S2", SensorQuantity::Acceleration, 1.0e-4}, {"NM/S2", SensorQuantity::Acceleration, 1.0e-7},
        {"G", SensorQuantity::Acceleration, GAL_PER_G},  {"M/S", SensorQuantity::Velocity, 100.0},
        {"CM/S", SensorQuantity::Velocity, 1.0},         {"MM/S", SensorQuantity::Velocity, 0.1},
        {"UM/S", SensorQuantity::Velocity, 1.0e-4},      {"NM/S", SensorQuantity::Velocity, 1.0e-7},
    };
    const std::string canonical = Canonical(name);
    for (const Known& known : kUnits)
        if (canonical == known.name) return SensorUnit{known.quantity, known.cgsPerUnit};
    return std::nullopt;
}

}  // namespace tremblo
