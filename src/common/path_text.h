#pragma once
// Path splitting of the record pipeline. Paths use "/" as separator.
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tremblo {

// Everything after the last separator.
std::string_view FileNamePart(std::string_view path);

// Everything before the last separator ("/" for a file in the root, "" for a
// bare file name).
std::string FolderPart(std::string_view path);

// Position in `path` of the first period of its file-name part, if any.
// Periods in folder names (/home/first.last/) do not count.
std::optional<std::size_t> FirstPeriodOfFileName(std::string_view path);

// The names of the regular files of a folder ("" for the current one), in
// the order the folder lists them; none when it cannot be listed.
std::vector<std::string> ListRegularFiles(const std::string& folder);

// The names of the regular files of folders, each folder listed once and
// kept: a batch shares one, so that thousands of records in one folder cost
// one listing. Safe to use from several threads.
class FolderListings {
public:
    const std::vector<std::string>& Names(const std::string& folder);

private:
    std::mutex mutex_;
    std::map<std::string, std::vector<std::string>> names_;
};

// The path if it exists; otherwise its name with the extension, or the whole
// name, in upper or in lower case (as the networks and users name files);
// otherwise the one file in the same folder whose name matches it ignoring
// ASCII letter case (the first in byte order); otherwise nothing. The folder
// is listed only in the last case, through `listings` when given.
std::optional<std::string> FindFileIgnoringCase(const std::string& path, FolderListings* listings = nullptr);

// The other spellings FindFileIgnoringCase tries before listing the folder,
// in its order: the extension in upper, then in lower case, then the whole
// name in upper, then in lower case (the path itself left out).
std::vector<std::string> CaseVariantsOf(const std::string& path);

// Equal but for the case of ASCII letters.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// The path with "." + extension appended when its file name has none (a
// name typed with another extension keeps it).
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace tremblo
