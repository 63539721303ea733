#include "event/map_graticule.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"

namespace tremblo {

namespace {

int LineCount(double low, double high, double step) { return static_cast<int>(GraticuleValues(low, high, step).size()); }

int MostLines(double south, double north, double west, double east, double step) {
    return std::max(LineCount(south, north, step), LineCount(west, east, step));
}

// Decimals a label needs for multiples of the step.
int DecimalsOf(double step) { return step >= 1.0 ? 0 : 1; }

std::string DegreeLabel(double magnitude, double step, const char* hemisphere) {
    return StringPrintf("%.*f°%s", DecimalsOf(step), magnitude, hemisphere);
}

}  // namespace

double GraticuleStep(double south, double north, double west, double east) {
    for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 30.0}) {
        if (MostLines(south, north, west, east, step) > kMaxGraticuleLines) continue;
        if (step > 1.0 || MostLines(south, north, west, east, step) >= 2) return step;
        for (double fine : {0.5, 0.2, 0.1})
            if (MostLines(south, north, west, east, fine) >= 2) return fine;
        return 0.1;
    }
    return 45.0;
}

std::vector<double> GraticuleValues(double low, double high, double step) {
    std::vector<double> values;
    if (!(step > 0.0) || !(high >= low) || (high - low) / step > 1000.0) return values;
    for (double k = std::ceil(low / step); k * step <= high; ++k) values.push_back(k * step);
    return values;
}

std::string LatitudeLabel(double lat, double step) {
    if (std::fabs(lat) < step / 2.0) return "0°";
    return DegreeLabel(std::fabs(lat), step, lat > 0.0 ? "N" : "S");
}

std::string LongitudeLabel(double lon, double step) {
    if (lon > 180.0) lon -= 360.0;
    if (std::fabs(lon) < step / 2.0) return "0°";
    if (std::fabs(std::fabs(lon) - 180.0) < step / 2.0) return DegreeLabel(180.0, step, "");
    return DegreeLabel(std::fabs(lon), step, lon > 0.0 ? "E" : "W");
}

}  // namespace tremblo
