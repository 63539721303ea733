#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "event/epicentral_distance.h"

namespace tremblo {
namespace {

constexpr double kA = 6378137.0;                 // WGS84 semi-major axis (m)
constexpr double kF = 1.0 / 298.257223563;       // WGS84 flattening
constexpr double kE2 = kF * (2.0 - kF);          // first eccentricity squared
constexpr double kRadian = std::numbers::pi / 180.0;

// Length (km) of the meridian between two latitudes: Simpson's rule over the
// meridional radius of curvature a(1 - e²) / (1 - e² sin²φ)^1.5.
double MeridianArcKm(double lat1, double lat2) {
    const int n = 200;
    const double h = (lat2 - lat1) * kRadian / n;
    auto radius = [](double phi) { return kA * (1 - kE2) / std::pow(1 - kE2 * std::sin(phi) * std::sin(phi), 1.5); };
    double sum = radius(lat1 * kRadian) + radius(lat2 * kRadian);
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * radius(lat1 * kRadian + i * h);
    return sum * h / 3.0 / 1000.0;
}

TEST(EpicentralDistance, AgreesWithIndependentArcs) {
    // Along the equator the geodesic is the equator itself: a per radian.
    EXPECT_NEAR(EpicentralDistanceKm(0, 0, 0, 1), 111.3195, 0.0001);
    EXPECT_NEAR(EpicentralDistanceKm(0, 139, 0, 142), 3 * kA * kRadian / 1000.0, 1e-6);
    const struct {
        double lat1, lat2;
    } meridians[] = {{34.5, 35.5}, {0, 10}, {-45, -30}, {20, 46}};
    for (const auto& m : meridians) {
        const double expected = MeridianArcKm(m.lat1, m.lat2);
        EXPECT_NEAR(EpicentralDistanceKm(m.lat1, 140.0, m.lat2, 140.0), expected, 1e-6) << m.lat1;
    }
    EXPECT_NEAR(MeridianArcKm(34.5, 35.5), 110.95, 0.01);
}

TEST(EpicentralDistance, SymmetricZeroAndInvalid) {
    const double there = EpicentralDistanceKm(35.6895, 139.6917, 34.6937, 135.5023);
    EXPECT_DOUBLE_EQ(there, EpicentralDistanceKm(34.6937, 135.5023, 35.6895, 139.6917));
    EXPECT_GT(there, 390.0);  // Tokyo to Osaka, about 400 km
    EXPECT_LT(there, 410.0);
    EXPECT_EQ(EpicentralDistanceKm(35.1, 136.2, 35.1, 136.2), 0.0);
    // Longitudes beyond 180 are the same meridians.
    EXPECT_NEAR(EpicentralDistanceKm(35, 200, 36, 201), EpicentralDistanceKm(35, -160, 36, -159), 1e-9);
    for (double bad : {91.0, -90.5, std::nan("")}) EXPECT_TRUE(std::isnan(EpicentralDistanceKm(bad, 0, 0, 0))) << bad;
    EXPECT_TRUE(std::isnan(EpicentralDistanceKm(0, INFINITY, 0, 0)));
}

}  // namespace
}  // namespace tremblo
