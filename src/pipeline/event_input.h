#pragma once
// The files an event is read from: an archive as NIED delivers it, a folder
// of record files (and archives) as a delivery unpacks, or a text file that
// lists record files one per line (as --files-from reads it).
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace tremblo {

struct EventInput {
    std::vector<std::string> files;  // in the order they are read
    std::size_t skipped = 0;         // files of a folder that are not record files
    std::string error;               // why the path gives no files; empty when it does
};

// The files `path` stands for. A folder is searched to any depth; its record
// files (named as components are, or of an agency format by their content)
// and archives are taken in path order, everything else is skipped.
EventInput EventInputOf(const std::string& path);

// The batch's FILE arguments with each folder replaced by the record files
// and archives it holds, as above. A folder's skipped files get a line on
// `err` ("FOLDER: N files skipped: not record files"); a folder that
// cannot be read or holds no record file an "error: " line, and the result
// is false.
bool ExpandFolderArguments(std::vector<std::string>& files, std::ostream& err);

}  // namespace tremblo
