#pragma once
// The distance between a station and the epicentre.

namespace tremblo {

// The geodesic distance (km) between two points on the WGS84 ellipsoid,
// latitudes and longitudes in degrees. NaN when a latitude lies outside
// [-90, 90] or a value is not finite.
double EpicentralDistanceKm(double lat1, double lon1, double lat2, double lon2);

}  // namespace tremblo
