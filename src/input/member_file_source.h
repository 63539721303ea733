#pragma once
// The files of one record held in memory, as read from an archive: the
// loader finds and opens them by their load names, and its messages name
// them "ARCHIVE:MEMBER" (the archive's path, a colon, the member's path
// inside the archive as stored; "ARCHIVE:INNER:MEMBER" for a member of an
// archive inside it).
#include <vector>

#include "input/archive_member.h"
#include "input/record_file_source.h"

namespace tremblo {

class MemberFileSource : public RecordFileSource {
public:
    MemberFileSource(std::string archive, std::vector<ArchiveMember> members);

    std::unique_ptr<std::istream> Open(const std::string& path) override;
    // The member of that load name; else one of another spelling in the
    // order FindFileIgnoringCase tries them; else, of those equal but for
    // letter case, the first in byte order.
    std::optional<std::string> FindIgnoringCase(const std::string& path) override;
    std::string Shown(const std::string& path) const override;
    // The members in the same folder of the archive, in byte order.
    std::vector<std::string> FilesBeside(const std::string& path) override;

    const std::vector<ArchiveMember>& members() const { return members_; }
    const std::string& archive() const { return archive_; }

private:
    const ArchiveMember* Member(const std::string& loadName) const;

    std::string archive_;
    std::vector<ArchiveMember> members_;
};

// "ARCHIVE:MEMBER", the notation of a file inside an archive.
std::string MemberPathText(const std::string& archive, const std::string& member);

}  // namespace tremblo
