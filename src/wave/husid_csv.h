#pragma once
// The Husid curves of a record as CSV (lines end with CR LF), one row per
// sample over the whole record:
//   # Husid curves: integral of a^2 from the first sample over its final value (trapezoidal rule)
//   # NS: Arias intensity 1.234567e-01 m/s; 5 % at 12.3456 s, 75 % at 20.1234 s, 95 % at 31.0000 s; D5-75 7.7778 s, D5-95 18.6544 s
//   # UD: no motion
//   Time,NS,EW,UD
//   0.000000,0.00000000,0.00000000,
// with the components' own labels; the column of a component without
// motion stays empty.
#include <span>
#include <string>

#include "record/seismic_record.h"
#include "wave/husid_curve.h"

namespace tremblo {

// `curves` holds one curve per component of the record (RecordHusidCurves).
std::string HusidCsvText(const SeismicRecord& record, std::span<const HusidCurve> curves);

}  // namespace tremblo
