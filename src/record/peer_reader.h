#pragma once
// PEER NGA time series files (.AT2): one component a file, four header
// lines, then the values in g, five a line, separated by blanks (E-notation
// or plain decimals):
//   1  PEER NGA STRONG MOTION DATABASE RECORD
//      (also "PEER STRONG MOTION DATABASE RECORD..." and "PACIFIC ENGINEERING
//      AND ANALYSIS STRONG-MOTION DATA")
//   2  event, date, station, component (see peer_event_line.h)
//   3  ACCELERATION TIME SERIES IN UNITS OF G (the unit after "UNITS OF", or
//      in parentheses: "(G)"; any unit of agency_text_units.h)
//   4  NPTS=  7999, DT=   .0050 SEC      or, in older files,
//      7999    0.0050    NPTS, DT
// The velocity (.VT2) and displacement (.DT2) files are refused, whatever
// the file's name: the program reads the acceleration file.
//
// What the header gives the channel: eventName, stationName, componentName,
// azimuthDeg / vertical from the component. PEER states no station code,
// network or time of day, so those stay empty, and so does originTime: a
// date without a time would become a made-up 00:00 origin. The date goes
// into eventId instead, as "1989-10-18" (a two-digit year as written:
// "10/18/89"), which with the event name tells events apart.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

inline constexpr int PEER_HEADER_LINES = 4;

// True when the first line is a PEER title: beginning with "PEER" and
// holding "STRONG MOTION" or "DATABASE", or beginning with "PACIFIC
// ENGINEERING AND ANALYSIS STRONG-MOTION DATA".
bool LooksLikePeer(const std::vector<std::string>& head);

// Fails (naming the line) on a first line that is no PEER title, a header
// cut short, a velocity or displacement series, an unknown unit, an NPTS
// that is not a positive integer (or exceeds MAX_RECORD_SAMPLES), a DT that
// is not a positive number, and on the values as ReadBlankSeparatedSamples
// does. A header-only read stops after the header.
Result<AgencyFile> ReadPeerFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
