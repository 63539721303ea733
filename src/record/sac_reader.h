#pragma once
// SAC waveform files, one component a file: the binary form (either byte
// order, told by the header version 6) and the alphanumeric form (see
// sac_header.h). Read: DELTA, NPTS, the reference time NZYEAR, NZJDAY,
// NZHOUR, NZMIN, NZSEC, NZMSEC with B (first sample) and O (origin), KSTNM,
// KNETWK, KCMPNM, KEVNM, STLA, STLO, STEL, EVLA, EVLO, EVDP, MAG, CMPAZ and
// CMPINC (0 or 180: vertical; otherwise horizontal, azimuth CMPAZ). An
// undefined value (-12345, "-12345") stays empty. Times are UTC.
//
// IDEP decides the quantity: IACC is acceleration, in nm/s^2 (1 gal = 1e7
// nm/s^2) unless KUSER0 names another unit ("cm/s2" or "gal", as this
// program writes, "m/s2", "nm/s2"); IVEL and
// IDISP are refused; IUNKN or undefined needs AgencyReadOptions::
// galPerUnstatedUnit; any other value is refused. IFTYPE must be ITIME (or
// undefined) and LEVEN true.
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

inline constexpr double SAC_NM_PER_S2_PER_GAL = 1.0e7;
// KUSER0 of the files this program writes: their values are in gal.
inline constexpr const char* SAC_GAL_UNIT_MARK = "cm/s2";

// Gal per value of an IACC file whose KUSER0 holds `mark`: the unit of
// acceleration it names (as a station inventory would: "cm/s2", "gal",
// "M/S**2"...), else nm/s^2.
double SacGalPerAccelerationUnit(std::string_view mark);

// A binary SAC header at the start of `bytes`.
bool LooksLikeSacBinary(std::string_view bytes);
// The 30 lines of an alphanumeric SAC header, of version 6, at the start.
bool LooksLikeSacText(const std::vector<std::string>& head);

// Fails on a header that is not SAC, a non-positive or non-finite DELTA,
// NPTS not in 1..MAX_RECORD_SAMPLES, LEVEN false, a quantity other than
// acceleration, values missing (a cut file), values that are not finite
// numbers, and values beyond any acceleration.
Result<AgencyFile> ReadSacFile(std::istream& in, AgencyReadOptions options = {});

// The time `offsetSeconds` after the reference time of the header fields
// (year, day of the year 1..366, hour, minute, second, millisecond);
// nothing when a field is out of range.
struct SacReferenceTime {
    int year = 0, julianDay = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};
std::optional<StatedTime> SacTimeAfter(const SacReferenceTime& reference, double offsetSeconds);
// The reference fields of a time (milliseconds rounded; a second of 60
// or more carries over).
SacReferenceTime SacReferenceOf(const StatedTime& time);

}  // namespace tremblo
