#pragma once
// The graticule of the station map: parallels and meridians at a round
// step of degrees, with their labels ("35°N", "139°E").
#include <string>
#include <vector>

namespace tremblo {

// The step (degrees) for a map covering these spans: whole degrees, or 2, 5,
// 10, 20, 30 when more than kMaxGraticuleLines lines would cross the wider
// span; 0.5, 0.2 or 0.1 when not even two whole-degree lines would.
inline constexpr int kMaxGraticuleLines = 10;
double GraticuleStep(double south, double north, double west, double east);

// The multiples of step in [low, high].
std::vector<double> GraticuleValues(double low, double high, double step);

// "35°N", "12.5°S", "0°"; longitudes beyond 180 count west ("200" is "160°W").
std::string LatitudeLabel(double lat, double step);
std::string LongitudeLabel(double lon, double step);

}  // namespace tremblo
