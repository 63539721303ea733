#pragma once
// The reasons the libraries give for what they cannot read (libarchive's
// archive_error_string, zlib's messages), in the program's own words and
// language: a table from the library's text, matched whole or by its
// beginning, to a text translated as the program's messages are. A reason
// the table does not know stays as the library wrote it.
#include <string>
#include <string_view>

namespace tremblo {

std::string LibraryReasonText(std::string_view reason);

// The reasons the reading of compressed data composes: `compression` is
// "gzip", "bzip2", "xz" or "zstd"; `detail` a library's reason (put through
// LibraryReasonText).
std::string CompressedDataCutShort(const std::string& compression);
std::string CompressedDataDamaged(const std::string& compression, std::string_view detail);
std::string GzipCheckFailed();   // the CRC-32 at the end of a gzip stream
std::string GzipLengthFailed();  // the length at the end of a gzip stream
std::string OutOfMemoryDecompressing(const std::string& compression);
std::string DecompressionFailed(const std::string& compression);
std::string ReadErrorText();
// A tar that ends without its end-of-archive blocks.
std::string ArchiveEndMissing();

}  // namespace tremblo
