#pragma once
// A KiK-net station's two series made from the three-component sample
// record: X.NS2/EW2/UD2 (surface) as the sample, X.NS1/EW1/UD1 (borehole)
// with a quarter of its scale factor (written in the same columns), so the
// surface/borehole ratio is 4; or, for a borehole of another shape, each
// borehole component holding the samples of the next component (NS1 those
// of EW, EW1 those of UD, UD1 those of NS).
#include <string>

#include "support/temp_folder.h"

namespace tremblo::testing {

struct KikNetPair {
    std::string surface;   // the X.NS2 file
    std::string borehole;  // the X.NS1 file
};

enum class Borehole { QuarterScale, OtherShape };

KikNetPair WriteKikNetPair(const TempFolder& folder, Borehole borehole = Borehole::QuarterScale);

}  // namespace tremblo::testing
