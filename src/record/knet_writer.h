#pragma once
// Writing records in the K-NET/KiK-net layout.
#include <istream>
#include <ostream>
#include <span>

#include "common/result.h"

namespace tremblo {

// The counts eight to a line: the first with "%8d", the others with "%9d",
// each full line closed by " \r\n"; a last, shorter line is closed by "\r\n".
void WriteKnetData(std::ostream& out, std::span<const int> counts);

// Copies the 17 header lines of `source` (through a 100-byte line buffer),
// replacing line 15 by the given peak acceleration in whole gal.
Result<bool> CopyKnetHeader(std::istream& source, std::ostream& out, int peakGal);

}  // namespace tremblo
