#pragma once
// Archives as NIED hands them out, made in memory with libarchive's writer.
#include <string>
#include <utility>
#include <vector>

namespace tremblo::testing {

using MemberList = std::vector<std::pair<std::string, std::string>>;  // name, content

// A tar of the members in order, gzip-compressed when `gzip`. A name ending
// in '/' is a folder, one ending in '|' a FIFO (named without the '|').
std::string TarBytes(const MemberList& members, bool gzip = true);

// A tar gzip-compressed without compression (stored deflate blocks): the
// tar's bytes stand in it as they are, to be found and changed there.
std::string StoredTarGzBytes(const MemberList& members);

// A member that is itself an archive of `members`, for a delivery of archives
// inside an archive: gzip-compressed when the name ends in .gz or .tgz.
std::pair<std::string, std::string> ArchiveInside(const std::string& name, const MemberList& members);

// A tar compressed as the tools write .tar.zst (zstd with its content
// checksum, as the zstd program writes it), .tar.bz2 or .tar.xz (CRC-64).
enum class Compression { Zstd, Bzip2, Xz };
std::string CompressedTarBytes(const MemberList& members, Compression compression);

// The bytes gzip-compressed, as a single X.NS.gz file.
std::string GzipBytes(const std::string& bytes);

}  // namespace tremblo::testing
