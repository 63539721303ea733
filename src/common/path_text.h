#pragma once
// Path splitting of the record pipeline. Paths use "/" as separator.
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

// Everything after the last separator.
std::string_view FileNamePart(std::string_view path);

// Everything before the last separator ("/" for a file in the root, "" for a
// bare file name).
std::string FolderPart(std::string_view path);

// Position in `path` of the first period of its file-name part, if any.
// Periods in folder names (/home/first.last/) do not count.
std::optional<std::size_t> FirstPeriodOfFileName(std::string_view path);

// The path if it exists; otherwise the one file in the same folder whose name
// matches it ignoring ASCII letter case; otherwise nothing.
std::optional<std::string> FindFileIgnoringCase(const std::string& path);

// The path with "." + extension appended when its file name has none (a
// name typed with another extension keeps it).
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace tremblo
