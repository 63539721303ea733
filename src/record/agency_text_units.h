#pragma once
// Acceleration units as the text formats write them, and the factor that
// turns a value in that unit into gal (cm/s^2).
#include <optional>
#include <string_view>

namespace tremblo {

// Standard gravity in gal: a value in g times this is gal.
inline constexpr double GAL_PER_G = 980.665;

// The factor from `unit` to gal, letter case and blanks ignored: g (also
// "g's", "gs") 980.665; m/s^2 100; cm/s^2 and gal 1; mm/s^2 0.1. The
// square may be written "^2", "2", "**2" or as "/s/s", and "s" as "sec"
// ("cm/sec/sec", "M/S**2"). Nothing for any other text (an empty one, a
// velocity unit, "counts").
std::optional<double> GalPerUnit(std::string_view unit);

}  // namespace tremblo
