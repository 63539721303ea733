#include "input/member_file_source.h"

#include "input/memory_stream.h"

#include <algorithm>

#include "common/path_text.h"

namespace tremblo {

std::string MemberPathText(const std::string& archive, const std::string& member) {
    return archive + ":" + member;
}

MemberFileSource::MemberFileSource(std::string archive, std::vector<ArchiveMember> members)
    : archive_(std::move(archive)), members_(std::move(members)) {}

const ArchiveMember* MemberFileSource::Member(const std::string& loadName) const {
    for (const ArchiveMember& member : members_)
        if (member.loadName == loadName) return &member;
    return nullptr;
}

std::unique_ptr<std::istream> MemberFileSource::Open(const std::string& path) {
    const ArchiveMember* member = Member(path);
    if (member == nullptr || !member->damage.empty()) return nullptr;
    return std::make_unique<MemoryStream>(member->bytes);
}

std::optional<std::string> MemberFileSource::FindIgnoringCase(const std::string& path) {
    if (Member(path)) return path;
    for (const std::string& variant : CaseVariantsOf(path))
        if (Member(variant)) return variant;
    const std::string* found = nullptr;
    for (const ArchiveMember& member : members_)
        if (EqualIgnoringAsciiCase(member.loadName, path) && (!found || member.loadName < *found))
            found = &member.loadName;
    if (found == nullptr) return std::nullopt;
    return *found;
}

std::string MemberFileSource::Shown(const std::string& path) const {
    if (const ArchiveMember* member = Member(path)) return MemberPathText(archive_, member->name);
    // A file not there, in an archive inside: named by that archive's name
    // as its members are.
    for (const ArchiveMember& member : members_) {
        const std::size_t prefix = member.nestedPrefix;
        if (prefix > 0 && path.compare(0, prefix, member.loadName, 0, prefix) == 0)
            return MemberPathText(archive_, member.name.substr(0, prefix) + path.substr(prefix));
    }
    return MemberPathText(archive_, path);
}

std::vector<std::string> MemberFileSource::FilesBeside(const std::string& path) {
    const std::string folder = FolderPart(path);
    std::vector<std::string> paths;
    for (const ArchiveMember& member : members_)
        if (member.loadName != path && FolderPart(member.loadName) == folder) paths.push_back(member.loadName);
    std::sort(paths.begin(), paths.end());
    return paths;
}

}  // namespace tremblo
