#pragma once
// One row of the station directory: fixed-width Shift-JIS texts (220 bytes)
// plus the position of a Hiroshima station.
#include "common/fixed_text.h"

namespace tremblo {

struct StationRow {
    FixedText<10> code;
    FixedText<40> name;
    FixedText<40> column3;   // third column of SITENAME.CSV, kept as text
    FixedText<80> location;
    FixedText<50> column5;   // fifth column of SITENAME.CSV, kept as text
    float latitude = 0.0f;   // Hiroshima rows only
    float longitude = 0.0f;  // Hiroshima rows only

    void clear() { *this = StationRow{}; }
};

}  // namespace tremblo
