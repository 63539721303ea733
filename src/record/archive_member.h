#pragma once
// One file of an archive, read into memory.
#include <string>

namespace tremblo {

struct ArchiveMember {
    std::string name;      // its path inside the archive, as stored ("2024/X.NS.gz")
    std::string loadName;  // the name records know it by: `name` without a ".gz" ("2024/X.NS")
    std::string bytes;     // its content, decompressed when it was a .gz
    std::string damage;    // why its content could not be read; empty when it could
};

}  // namespace tremblo
