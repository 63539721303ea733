#pragma once
// --files-from: record files named one per line, for runs whose files do not
// fit on a command line.
#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace tremblo {

// No line of a list is longer than a path can be (PATH_MAX): a longer one
// is refused after reading just past this many bytes of it.
inline constexpr std::size_t FILE_LIST_LINE_LIMIT = 4096;

struct FileList {
    std::vector<std::string> files;
    std::string error;  // why the list was not read to its end; "" when it was
};

// The names of the lines, in order: empty lines left out, a line's CR
// before its LF (or at the end) dropped. A line over the limit, a line
// holding a NUL byte or a failed read ends the reading with an error that
// names the line; files then holds nothing.
FileList ReadFileList(std::istream& in);

// The list in the file `source`, or on `standardInput` for "-". A folder is
// refused; pipes are read (a list from `<(find ...)`).
FileList ReadFileListFrom(const std::string& source, std::istream& standardInput);

}  // namespace tremblo
