#pragma once
// The readers' lines: why a reader's LineReader stopped before the end of a
// record file, in the words of the loading messages.
#include <optional>
#include <string>

#include "common/line_reader.h"
#include "common/result.h"

namespace tremblo {

// A line over RECORD_LINE_LIMIT or a failed read, with its line; nothing
// when the reader reached the end of the file (or has not stopped).
std::optional<ReadError> LineFailure(const LineReader& reader);

// A component file holding more than MAX_RECORD_SAMPLES values.
std::string TooManySamplesMessage();

}  // namespace tremblo
