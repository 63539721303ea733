#include "event/epicentral_distance.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <limits>

namespace tremblo {

namespace {

bool IsValidPoint(double lat, double lon) { return std::fabs(lat) <= 90.0 && std::isfinite(lon); }

}  // namespace

double EpicentralDistanceKm(double lat1, double lon1, double lat2, double lon2) {
    if (!IsValidPoint(lat1, lon1) || !IsValidPoint(lat2, lon2)) return std::numeric_limits<double>::quiet_NaN();
    double metres = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, metres);
    return metres / 1000.0;
}

}  // namespace tremblo
