#pragma once
// Files the loader refuses before reading them as a record, with a message
// saying what they are: a ZIP archive (the program reads tar archives, not
// ZIP ones), recognised by its first bytes whatever its name, and, for the
// three components of a K-NET/KiK-net record, a file whose extension names
// no component, from which no component file names can be made.
#include <istream>
#include <optional>
#include <string>

namespace tremblo {

// The message when `in` starts as a ZIP archive does ("PK" and 3 4, 5 6
// or 7 8); nothing otherwise. `shown` names the file. Reads four bytes.
std::optional<std::string> ZipArchiveMessage(std::istream& in, const std::string& shown);

// The message when the extension of the file name in `path` does not start
// with NS, EW or UD (any letter case): the file is then none of the three
// component files its name would make. `shown` names the file.
std::optional<std::string> ComponentNameMessage(const std::string& path, const std::string& shown);

}  // namespace tremblo
