#pragma once
// Gzip-compressed component files (X.NS.gz), decompressed in memory.
#include <string>
#include <string_view>

#include "common/result.h"

namespace tremblo {

// The name ends in ".gz", in any letter case (but is not a .tar.gz).
bool HasGzipExtension(std::string_view name);

// The name without its ".gz"; unchanged when it has none.
std::string WithoutGzipExtension(std::string_view name);

// The content of gzip-compressed bytes; an error for bytes that are not
// gzip or are damaged or cut short.
Result<std::string> DecompressGzip(std::string_view bytes);

// The decompressed content of a gzip-compressed file.
Result<std::string> ReadGzipFile(const std::string& path);

}  // namespace tremblo
