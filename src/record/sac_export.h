#pragma once
// Any record the program reads, written as binary SAC files (one per
// component), for seismologists' tools: little-endian, header version 6,
// values in gal exactly as held, IDEP = IACC and KUSER0 = "cm/s2" naming
// the unit (SAC's own convention for IACC is nm/s^2: a reader that
// ignores KUSER0 sees values 1e7 times too small, which is why the unit
// is written out), IFTYPE = ITIME, LEVEN true, B = 0 at the first sample
// and E at the last.
//
// Times are UTC, as SAC tools take them: an agency record's stated times
// as they are, a K-NET/KiK-net (or other Japanese) record's recording
// start and origin time, given in JST, nine hours earlier. The reference
// time is the first sample; O is the origin relative to it. Station and
// event values the record does not have stay undefined (-12345).
#include <optional>
#include <string>
#include <vector>

#include "record/seismic_record.h"
#include "record/sac_header.h"

namespace tremblo {

struct SacFile {
    std::string name;   // NAME_LABEL.sac
    std::string bytes;
};

// The record's components as loaded, named `baseName` + "_" + the
// component's label as the AT2 export names it + ".sac". Nothing when a
// component cannot be written (no samples, a value that is not finite or
// not finite).
std::vector<SacFile> RecordSacFiles(const SeismicRecord& record, const std::string& baseName);

// The header of component `c` (for tests and the files above).
SacHeader RecordSacHeader(const SeismicRecord& record, int component);

// A header and its values as a binary file (values already in the file's unit).
std::string EncodeSacFile(const SacHeader& header, const std::vector<float>& values);

// The first-sample time of the record in UTC, when it has one.
std::optional<StatedTime> RecordStartUtc(const RecordFields& record);
std::optional<StatedTime> RecordOriginUtc(const RecordFields& record);

}  // namespace tremblo
