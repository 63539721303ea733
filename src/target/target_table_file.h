#pragma once
// Target spectra from files: a CSV table of "period,SA" rows, the period in
// seconds and SA in gal, periods ascending. A first line that does not start
// with a number is a header and is skipped, as are empty lines; columns
// after the second are ignored (so a table the batch's --print-target wrote
// reads back). Anything else is refused with the line it was found on.
#include <istream>
#include <string>

#include "common/result.h"
#include "common/translation.h"
#include "target/target_spectrum.h"

namespace tremblo {

// The caption of the messages about target spectra.
inline constexpr const char* kTargetCaption = QT_TRANSLATE_NOOP("target", "目標スペクトル");

// Rows a table may hold.
inline constexpr int MAX_TARGET_ROWS = 10000;

// The table of a stream; `name` names the file in messages (UTF-8) and its
// name without extension becomes the key, its file name the label.
Result<TargetSpectrum> ParseTargetTable(std::istream& in, const std::string& name);

// The table of a file; a missing file, a folder or another file that is
// not a regular one is refused without being read.
Result<TargetSpectrum> ReadTargetFile(const std::string& path);

}  // namespace tremblo
