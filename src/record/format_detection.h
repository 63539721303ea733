#pragma once
// Recognising a record file's format from its content, for callers that are
// not told the format: a K-NET/KiK-net header (field names in the first 18
// columns of its 17 lines), a CDPC first line holding "NDATA=" and "dT=",
// the marks of an agency format (see agency_reading.h), otherwise a
// Hiroshima City Fire Department file.
#include <istream>
#include <string>

#include "input/record_file_source.h"
#include "record/seismic_record.h"

namespace tremblo {

RecordFormat DetectRecordFormat(std::istream& in);

// A name as the networks give their files: a six-character station code, ten
// digits of the origin time, then .NS, .EW or .UD, optionally followed by 1
// or 2, in either case ("AIC0012411051012.NS", "IWTH250803140812.ew2").
bool IsKnetFileName(const std::string& path);

// The format of the file at `path`. A file that cannot be opened, or one
// named as the networks name their files, counts as K-NET/KiK-net, whatever
// it holds (an empty or garbled file then gets the K-NET reader's message).
RecordFormat DetectRecordFormatOfFile(const std::string& path);
// The same for a file of `source` (an archive's member, say).
RecordFormat DetectRecordFormatOfFile(const std::string& path, RecordFileSource& source);

}  // namespace tremblo
