#pragma once
// Reads a tar archive (.tar, .tar.gz/.tgz and the other compressions
// libarchive knows) one member at a time into memory, never onto disk.
// Members named *.gz are decompressed on the way.
#include <string>
#include <string_view>

#include "record/archive_handle.h"
#include "record/archive_member.h"

namespace tremblo {

// The input names an archive: .tar, .tar.gz, .tgz, .tar.bz2, .tar.xz,
// .tar.zst in any letter case.
bool IsArchiveName(std::string_view path);

enum class ArchiveStep { Member, End, Failed };

class ArchiveReader {
public:
    explicit ArchiveReader(const std::string& path);

    // The next regular file into `member` (folders, links and the like are
    // passed over). A member that cannot be read on its own (a damaged .gz,
    // one too large) comes with its damage; Failed when the archive itself
    // cannot be read on: error() says why.
    ArchiveStep Next(ArchiveMember& member);
    const std::string& error() const { return error_; }

private:
    ArchiveStep Fail(std::string reason);
    ArchiveStep ReadContent(ArchiveMember& member, archive_entry* entry);

    ArchiveHandle handle_;
    std::string error_;
    bool open_ = false;
};

}  // namespace tremblo
