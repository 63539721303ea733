#pragma once
// The second header line of a PEER time series: event, date, station and
// component separated by commas, in the forms PEER has written over the
// years:
//   "Loma Prieta, 10/18/1989, Gilroy Array #1, 67"
//   "Chi-Chi, Taiwan, 9/20/1999, CHY101, E"       (a comma inside the event name)
//   "LOMA PRIETA 10/18/89 00:05, GILROY ARRAY #1, 067 (CDMG STATION 47379)"
//   "DENALI 11/03/02, PS10, 047"
// The first field holding a date (m/d/yyyy or m/d/yy) splits the line: the
// text before the date is the event, the last field the component and the
// fields between them the station. Without a date the first field is the
// event, the last the component and those between the station.
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

struct PeerEventLine {
    std::string eventName;
    // The event date: "1989-10-18" for a date with a four-digit year; a date
    // with a two-digit year as written ("10/18/89"), its century not being
    // stated; empty without a date.
    std::string eventDate;
    std::string stationName;
    std::string componentName;  // first word of the component field ("067", "UP", "E")
    std::optional<double> azimuthDeg;
    bool vertical = false;
};

PeerEventLine ParsePeerEventLine(std::string_view line);

// What a component name says of its direction. A number from 0 to 360 is
// the azimuth (360 is 0); so are three digits after letters ("GIL067",
// "ALH360"). The letters N, E, S, W alone or after a hyphen ("CHY101-E")
// are 0, 90, 180 and 270. UP, DWN, DOWN, V, VER, VERT, Z, UD, alone or
// after a hyphen ("ALH-UP"), are vertical. Anything else ("H1", "FN") says
// nothing.
struct PeerDirection {
    std::optional<double> azimuthDeg;
    bool vertical = false;
    bool known() const { return vertical || azimuthDeg.has_value(); }
};
PeerDirection PeerComponentDirection(std::string_view name);

}  // namespace tremblo
