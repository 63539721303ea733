#pragma once
// The acceleration response spectra at the engineering bedrock of the 2000
// building notification (平成12年建設省告示第1461号, 第四号イ), 5 % damping.
// For the safety limit (the rare, large earthquake, 極めて稀に発生する地震動):
//
//   Sa0(T) = 3.2 + 30 T   for T < 0.16 s
//            8.0          for 0.16 s <= T < 0.64 s
//            5.12 / T     for 0.64 s <= T            (m/s²)
//
// and for the damage limit (稀に発生する地震動) one fifth of it; both are
// multiplied by the zone coefficient Z. Values here are in gal (cm/s²).

namespace tremblo {

enum class BslLimit { Safety, Damage };

// The corner periods of the notification's table, in seconds.
inline constexpr double BSL_SHORT_CORNER = 0.16;
inline constexpr double BSL_LONG_CORNER = 0.64;

// The zone coefficients the notification of zones gives run from 0.7 to 1.0.
inline constexpr double MIN_ZONE = 0.7;
inline constexpr double MAX_ZONE = 1.0;

// Whether `zone` is one of them (NaN is not).
inline bool IsZoneCoefficient(double zone) { return zone >= MIN_ZONE && zone <= MAX_ZONE; }

// Sa0(T) x Z in gal, for a period of 0 s or more.
double BslBedrockSa(BslLimit limit, double period, double zone);

}  // namespace tremblo
