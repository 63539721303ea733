#pragma once
// Reads a tar archive (.tar, .tar.gz/.tgz and the other compressions
// libarchive knows) one member at a time into memory, never onto disk.
// Members named *.gz are decompressed on the way. A member that is itself an
// archive (as NIED delivers an earthquake: a .tar holding a .knt.tar.gz and a
// .kik.tar.gz) is read in place as it streams out of the archive holding it,
// never held whole nor unpacked; its members are named "INNER:MEMBER".
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/archive_handle.h"
#include "input/archive_member.h"

namespace tremblo {

// The input names an archive: .tar, .tar.gz, .tgz, .tar.bz2, .tar.xz,
// .tar.zst in any letter case.
bool IsArchiveName(std::string_view path);

// How deep archives inside archives are read: the archive given is the
// first level.
inline constexpr std::size_t kArchiveDepthLimit = 4;

// Separates the name of an archive inside an archive from its members' names
// ("20240101161000.knt.tar.gz:AIC0012401011610.NS").
inline constexpr char kNestedNameSeparator = ':';

// Starts the failure of an archive whose next member's header is damaged
// (its checksum wrong): the archive is damaged at that point.
inline constexpr std::string_view kDamagedHeader = "damaged member header";

enum class ArchiveStep {
    Member,        // a member read into `member`
    NestedEnd,     // an archive inside ended: `member.name` names it, `member.loadName` is its load name
    NestedFailed,  // an archive inside cannot be read on: named as for NestedEnd, `member.damage` says why;
                   // reading goes on with the next member of the archive holding it
    End,
    Failed,
};

// Which regular files to read, judged by name before their content is read
// (`name` and `loadName` are set); the others are skipped. An archive
// inside is read only when wanted.
using MemberFilter = std::function<bool(const ArchiveMember& member)>;

// A gzip stream that failed: the archive given (`archive` empty) or one
// inside it (named as its members' names start, "20240101161000.knt.tar.gz").
struct DamagedStream {
    std::string archive;
    std::string reason;
};

class ArchiveReader {
public:
    // Without a filter every regular file is read.
    explicit ArchiveReader(const std::string& path, MemberFilter wanted = {});
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // The next step: the next regular file into `member` (folders, links
    // and the like are passed over), or the end or failure of an archive
    // inside. A member that cannot be read on its own (a damaged .gz, one
    // too large) comes with its damage; Failed when the archive given
    // cannot be read on: error() says why.
    ArchiveStep Next(ArchiveMember& member);
    const std::string& error() const { return error_; }

    // The entries passed so far at every level (folders and the archives
    // inside included), and of them those skipped: neither wanted nor
    // regular files.
    std::size_t entries() const { return entries_; }
    std::size_t skipped() const { return skipped_; }
    // The bytes read so far of the archive file given (as stored, compressed
    // or not): how far the reading has come.
    std::uint64_t fileBytesRead() const { return *fileBytesRead_; }
    // The gzip streams found damaged so far, in the order found.
    const std::vector<DamagedStream>& damagedStreams() const { return damagedStreams_; }

    struct Level;

private:
    ArchiveStep Fail(std::string reason);
    ArchiveStep LevelFailed(std::string reason, ArchiveMember& member);
    ArchiveStep OpenInner(ArchiveMember& candidate);
    ArchiveStep ReadContent(ArchiveMember& member, archive_entry* entry);
    void PopLevel();

    std::vector<std::unique_ptr<Level>> levels_;  // the archive given first, the innermost one open last
    MemberFilter wanted_;
    std::string error_;
    std::size_t entries_ = 0;
    std::size_t skipped_ = 0;
    std::vector<DamagedStream> damagedStreams_;
    std::shared_ptr<std::uint64_t> fileBytesRead_ = std::make_shared<std::uint64_t>(0);
};

// Streams the whole archive through, the archives inside included, keeping
// nothing (decompression is all the work): the gzip streams among them that
// are damaged, cut short or fail their check. Their content was handed on
// before the check at their end could be made, so a pass like this one must
// come before any of it is trusted.
std::vector<DamagedStream> FindDamagedStreams(const std::string& path);

}  // namespace tremblo
