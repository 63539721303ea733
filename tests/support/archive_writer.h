#pragma once
// Archives as NIED hands them out, made in memory with libarchive's writer.
#include <string>
#include <utility>
#include <vector>

namespace tremblo::testing {

using MemberList = std::vector<std::pair<std::string, std::string>>;  // name, content

// A tar of the members in order, gzip-compressed when `gzip`.
std::string TarBytes(const MemberList& members, bool gzip = true);

// The bytes gzip-compressed, as a single X.NS.gz file.
std::string GzipBytes(const std::string& bytes);

}  // namespace tremblo::testing
