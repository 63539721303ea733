#pragma once
// ESM / ITACA ASCII waveform files (IT.AQK..HNE.D.20090406.013240.C.ACC.ASC):
// one component a file, a header of "KEY: value" lines (a value may be
// empty), then one value a line (several blank-separated values on a line
// are read as well). The header ends at the first line that is not blank
// and not "KEY: value", the key being a letter, then letters, digits and
// _ / ^ ( ) . - (no blank): a value line never holds a colon.
//
// Keys read (any others are passed over):
//   EVENT_NAME, EVENT_ID, EVENT_DATE_YYYYMMDD + EVENT_TIME_HHMMSS (origin),
//   EVENT_LATITUDE_DEGREE, EVENT_LONGITUDE_DEGREE, EVENT_DEPTH_KM,
//   MAGNITUDE_W (type "Mw"), else MAGNITUDE_L (type "ML"),
//   NETWORK, STATION_CODE, STATION_NAME, STATION_LATITUDE_DEGREE,
//   STATION_LONGITUDE_DEGREE, STATION_ELEVATION_M,
//   STREAM (the channel code: its last letter N is azimuth 0, E 90, Z
//   vertical; 1, 2, 3 and others leave the azimuth empty),
//   DATE_TIME_FIRST_SAMPLE_YYYYMMDD_HHMMSS ("20090406_013240.000"),
//   and the required SAMPLING_INTERVAL_S, NDATA and UNITS (cm/s^2, m/s^2,
//   mm/s^2, g; see agency_text_units.h).
// DATA_TYPE, when given, must begin with ACCELERATION: velocity,
// displacement and response spectrum files are refused. Times are UTC.
// An empty or non-numeric value, or a null marker (agency_text_values.h),
// leaves its field empty; so does a date or time that is not a real one.
// PROCESSING is not turned into a processing stage, and a channel code
// ending in 1, 2 or 3 gets no azimuth: no key of the header states it.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// True when at least three of the first lines begin with a key of the list
// above followed by a colon.
bool LooksLikeEsm(const std::vector<std::string>& head);

// Fails (naming the line) on a file without the header keys, a missing or
// wrong SAMPLING_INTERVAL_S, NDATA (a positive integer up to
// MAX_RECORD_SAMPLES) or UNITS, a DATA_TYPE other than acceleration, and on
// the values as BlankSeparatedSamples does.
Result<AgencyFile> ReadEsmFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
