#include "target/bsl_spectrum.h"

namespace tremblo {

namespace {
constexpr double kGalPerMetre = 100.0;  // 1 m/s² = 100 gal
constexpr double kDamageDivisor = 5.0;
}  // namespace

double BslBedrockSa(BslLimit limit, double period, double zone) {
    double safety = 0.0;  // m/s²
    if (period < BSL_SHORT_CORNER)
        safety = 3.2 + 30.0 * period;
    else if (period < BSL_LONG_CORNER)
        safety = 8.0;
    else
        safety = 5.12 / period;
    const double sa = limit == BslLimit::Safety ? safety : safety / kDamageDivisor;
    return sa * kGalPerMetre * zone;
}

}  // namespace tremblo
