#pragma once
// The JMA instrumental seismic intensity (計測震度) of a three-component
// record: each component's spectrum weighted by the period, high-cut and
// low-cut filters, the vector sum of the filtered components, the level a0
// exceeded for 0.3 s in total, I = 2 log10(a0) + 0.94.
#include <span>
#include <string>

#include "common/result.h"
#include "record/seismic_record.h"

namespace tremblo {

struct JmaIntensity {
    double raw = 0.0;       // I as computed
    double reported = 0.0;  // I rounded to two decimals, then cut to one
    std::string className;  // "0" ... "4", "5弱", "5強", "6弱", "6強", "7"
};

// The product of the three filters at f Hz: sqrt(1/f) (0 at f = 0), the
// high cut with y = f/10, sqrt(1 - exp(-(f/0.5)^3)).
double JmaFilterGain(double f);

// Rounded to two decimals, then cut (toward zero) to one: 4.449 and 4.45 give
// 4.4, 4.999 gives 5.0.
double ReportedJmaIntensity(double raw);

// The class of a reported intensity: below 0.5 "0", then "1" to "4" a whole
// step apart, 4.5 "5弱", 5.0 "5強", 5.5 "6弱", 6.0 "6強", 6.5 and above "7".
std::string JmaIntensityClass(double reported);

// Over every sample of the three components (gal), sampled dt seconds
// apart. A record shorter than 0.3 s, or without motion, has none: the
// reason is given in the program's words. Each thread keeps the transforms
// of its last record's length and interval for the next one (at most a few
// MB; those of longer records are made for the record alone).
Result<JmaIntensity> ComputeJmaIntensity(std::span<const float> ns, std::span<const float> ew,
                                          std::span<const float> ud, float dt);

// Of a loaded three-component record, over all of its samples.
Result<JmaIntensity> RecordJmaIntensity(const SeismicRecord& record);

// "計測震度 5.3 (震度5強)" in the language in use (the window's line under the
// record information; tables write the reported value and the class instead).
std::string JmaIntensityText(const JmaIntensity& intensity);

}  // namespace tremblo
