#pragma once
// miniSEED files (see mseed_traces.h) as an agency file: every channel a
// component, the channels of one sensor (network, station, location, band
// and instrument codes) next to each other, so that each sensor of the file
// makes its own set of components (a record: "FILE#2" reads the second).
//
// A sensor's channels must share their sampling rate and have their samples
// on one time grid (start times a whole number of samples apart, within a
// hundredth of a sample); each is then cut to the span all of them cover.
//
// Counts become gal through the station inventory (AgencyReadOptions::
// inventory): the epoch of NET.STA.LOC.CHA that holds the first sample gives
// the overall sensitivity S (counts per input unit) and the input unit;
// value = counts / S in that unit, then in gal. A channel of instrument code
// N (accelerometer) needs an acceleration unit; any other needs
// differentiateVelocity and a velocity unit, and is differentiated (see
// velocity_derivative.h). The inventory also gives the position (station
// latitude, longitude, elevation), and the azimuth and dip of each channel:
// a dip of 45 degrees or more from the horizontal is a vertical component.
// Without an azimuth, orientation code N is 0 degrees, E 90 and Z vertical.
// The station code is the inventory's alternateCode when it has one.
#include <istream>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// Largest miniSEED file read (bytes).
inline constexpr std::size_t MAX_MSEED_FILE_BYTES = std::size_t{1} << 30;

Result<AgencyFile> ReadMseedFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
