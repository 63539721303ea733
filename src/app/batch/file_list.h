#pragma once
// --files-from: record files named one per line, for runs whose files do not
// fit on a command line.
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace tremblo {

// The names of the lines, in order: empty lines left out, a line's CR
// before its LF (or at the end) dropped.
std::vector<std::string> ReadFileList(std::istream& in);

// The list in the file `source`, or on `standardInput` for "-"; nothing
// when the file cannot be read.
std::optional<std::vector<std::string>> ReadFileListFrom(const std::string& source, std::istream& standardInput);

}  // namespace tremblo
