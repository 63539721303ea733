#pragma once
// NIED K-NET/KiK-net records saved as CSV, every channel of a station in
// one file: "#" header lines, a column line, then one row a sample:
//   #K-NET CSV                          (first line; "#KiK-net CSV" too)
//   #OriginTime,2011/03/11 14:46:00
//   #Lat.,38.103
//   #Long.,142.860
//   #Depth(km),24
//   #Mag.,9.0
//   #StationCode,MYG004
//   #StationLat.,38.7262
//   #StationLong.,141.5109
//   #StationHeight(m),79
//   #RecordTime,2011/03/11 14:46:15
//   #SamplingFrequency(Hz),100Hz
//   #NumberOfSamples,30000              (optional)
//   #ScaleFactor,3920(gal)/6182761      (only for columns in counts)
//   Time,RelativeTime(s),N-S(gal),E-W(gal),U-D(gal)
//   2011/03/11 14:46:15.00,0.00,0.123,-0.456,0.789
//
// A header line is "#name,value" (or "#name=value"); names are matched with
// letter case, blanks, periods and a unit in parentheses ignored, so that
// "#Sampling Freq(Hz)" and "#SamplingFrequency(Hz)" are the same. Names:
//   origintime; lat/latitude; lon/long/longitude; depth; mag/magnitude;
//   stationcode; stationname; stationlat/stationlatitude;
//   stationlon/stationlong/stationlongitude; stationheight/stationelevation;
//   recordtime (the first sample); samplingfreq/samplingfrequency (required;
//   "100Hz" or "100"); numberofsamples/ndata/npts; scalefactor
//   ("3920(gal)/6182761" or gal per count). Other "#" lines are passed over.
// Times are Japan Standard Time, as NIED states them (the KiK-net recorder
// delay some older files carry in RecordTime is not taken off).
//
// Columns named Time, Date, DateTime or RelativeTime hold the time and are
// not read. Every other column is a channel, in column order, its unit in
// parentheses: an acceleration unit of agency_text_units.h, or "count"
// (times the one #ScaleFactor). Its name without the unit is the channel's
// componentName; its letters holding NS give azimuth 0, EW 90, UD vertical
// ("N-S", "E-W2", "U-D1", "Surface N-S"). Without #NumberOfSamples the
// stated count is the number of rows.
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// True when the first line is a "#" line naming K-NET or KiK-net and CSV.
bool LooksLikeKnetCsv(const std::vector<std::string>& head);

// Fails (naming the line) on a file without that first line, a missing or
// wrong sampling frequency, number of samples or scale factor, no column
// line, a column without a usable unit, no channel column, a row with
// another number of fields than the column line, a value that is not a
// usable number, and on more or fewer rows than stated.
Result<AgencyFile> ReadKnetCsvFile(std::istream& in, AgencyReadOptions options = {});

}  // namespace tremblo
