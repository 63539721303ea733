#pragma once
// Reading chosen members of an archive again, later than the pass that
// found them: a window opening one record of a delivery reads just its files.
#include <string>
#include <vector>

#include "common/result.h"
#include "input/archive_member.h"

namespace tremblo {

// The members of the archive at `archivePath` named `memberNames` (the names
// ArchiveReader gives them, "INNER:MEMBER" for those of an archive inside),
// in the order asked. The archive is streamed through, archives inside only
// when they could hold a name asked, and reading stops as soon as all are
// found. A member whose content is damaged (a .gz that does not decompress)
// comes with its damage. An error names the members not found, with the
// reason when the archive, or one inside that could hold them, cannot be
// read to its end.
Result<std::vector<ArchiveMember>> ReadArchiveMembers(const std::string& archivePath,
                                                      const std::vector<std::string>& memberNames);

}  // namespace tremblo
