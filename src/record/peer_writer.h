#pragma once
// Writing one acceleration component as a PEER NGA time series (.AT2), the
// file other programs read: the four header lines as PEER writes them,
//   PEER NGA STRONG MOTION DATABASE RECORD
//   Loma Prieta, 10/18/1989, Gilroy Array #1, 67
//   ACCELERATION TIME SERIES IN UNITS OF G
//   NPTS=   7999, DT=   0.0050 SEC
// then the values in g, five a line, each "%16.8E": nine significant digits,
// so that reading a file back gives every float sample exactly as it was
// (the conversion to g and back loses far less than half a float step).
#include <ostream>
#include <string>
#include <vector>

namespace tremblo {

struct PeerAt2Content {
    std::string eventName;      // "Loma Prieta"
    std::string dateText;       // as written on line 2: "10/18/1989"
    std::string stationName;    // "Gilroy Array #1"
    std::string componentText;  // "67", "UP", "GIL067"
    double dt = 0.0;            // seconds
    std::vector<float> gal;     // acceleration, cm/s^2
};

// Writes the file; line ends inside the texts become blanks. False, with
// nothing written, when dt is not positive and finite, there are no
// samples, or a sample is not finite; false too when the stream fails.
bool WritePeerAt2(std::ostream& out, const PeerAt2Content& content);

// DT as line 4 gives it: four decimals ("0.0050"), or as many more (up to
// twelve) as it takes to read back the same double ("0.00025").
std::string PeerIntervalText(double dt);

}  // namespace tremblo
