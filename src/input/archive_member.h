#pragma once
// One file of an archive, read into memory.
#include <cstddef>
#include <string>

namespace tremblo {

struct ArchiveMember {
    std::string name;      // its path inside the archive, as stored ("2024/X.NS.gz")
    std::string loadName;  // the name records know it by: `name` without a ".gz" ("2024/X.NS")
    std::string bytes;     // its content, decompressed when it was a .gz
    std::string damage;    // why its content could not be read; empty when it could
    // In an archive inside the archive: the length of the part of `name`
    // naming that archive ("e.knt.tar.gz:" of "e.knt.tar.gz:X.NS"). The load
    // name starts with as long a part, with '/' for ':' ("e.knt.tar.gz/X.NS"),
    // so that the archive inside counts as a folder.
    std::size_t nestedPrefix = 0;
};

}  // namespace tremblo
