#pragma once
// Recognising a record file's format from its content, for callers that are
// not told the format: a K-NET/KiK-net header (field names in the first 18
// columns of its 17 lines), a CDPC first line holding "NDATA=" and "dT=",
// otherwise a Hiroshima City Fire Department file.
#include <istream>
#include <string>

#include "record/seismic_record.h"

namespace tremblo {

RecordFormat DetectRecordFormat(std::istream& in);

// The format of the file at `path`. A file that cannot be opened counts as
// K-NET/KiK-net, the program's default format: loading it then reports the
// missing file in the loader's words.
RecordFormat DetectRecordFormatOfFile(const std::string& path);

}  // namespace tremblo
