#pragma once
// The libarchive reader handle of the archive and gzip readers, and the one
// read they share: the current entry's content into memory.
#include <archive.h>
#include <cstddef>
#include <memory>
#include <string>

#include "common/result.h"

namespace tremblo {

struct ArchiveReadFree {
    void operator()(archive* handle) const { archive_read_free(handle); }
};
using ArchiveHandle = std::unique_ptr<archive, ArchiveReadFree>;

// A member larger than this is not read: no record file comes near it, and
// the batch holds members in memory.
inline constexpr std::size_t kMemberByteLimit = std::size_t{256} << 20;

// The current entry's content; an error when reading fails or the content
// grows past `limit` bytes.
Result<std::string> ReadEntryContent(archive* handle, std::size_t limit = kMemberByteLimit);

// The handle's last error in the program's words (LibraryReasonText), or
// libarchive's text when the table does not know it.
std::string ArchiveErrorText(archive* handle);

}  // namespace tremblo
