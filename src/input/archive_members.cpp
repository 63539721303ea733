#include "input/archive_members.h"

#include <map>

#include "input/archive_reader.h"
#include "input/member_file_source.h"

namespace tremblo {

namespace {

// Some name asked lies inside the archive inside named `archiveName`.
bool HoldsAsked(const std::string& archiveName, const std::map<std::string, std::size_t>& asked) {
    const std::string prefix = archiveName + kNestedNameSeparator;
    const auto after = asked.lower_bound(prefix);
    return after != asked.end() && after->first.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

Result<std::vector<ArchiveMember>> ReadArchiveMembers(const std::string& archivePath,
                                                      const std::vector<std::string>& memberNames) {
    std::map<std::string, std::size_t> asked;  // name -> its place in the answer (the first when asked twice)
    for (std::size_t i = 0; i < memberNames.size(); ++i) asked.emplace(memberNames[i], i);
    std::vector<ArchiveMember> found(memberNames.size());
    std::vector<bool> have(memberNames.size(), false);
    std::size_t missing = asked.size();
    std::string why;  // why some could not be looked for

    ArchiveReader reader(archivePath, [&](const ArchiveMember& candidate) {
        const auto at = asked.find(candidate.name);
        if (at != asked.end()) return !have[at->second];
        return IsArchiveName(candidate.name) && HoldsAsked(candidate.name, asked);
    });
    ArchiveMember member;
    ArchiveStep step = ArchiveStep::Member;
    while (missing > 0 && (step = reader.Next(member)) != ArchiveStep::End && step != ArchiveStep::Failed) {
        if (step == ArchiveStep::NestedFailed) {
            why += "; " + MemberPathText(archivePath, member.name) + ": " + member.damage;
        } else if (step == ArchiveStep::Member) {
            const std::size_t place = asked.at(member.name);
            have[place] = true;
            found[place] = std::move(member);
            --missing;
        }
    }
    if (step == ArchiveStep::Failed) why = "; " + archivePath + ": " + reader.error() + why;
    if (missing == 0) {
        for (std::size_t i = 0; i < memberNames.size(); ++i)
            if (!have[i]) found[i] = found[asked.at(memberNames[i])];  // a name asked twice
        return found;
    }
    std::string text = "not found in " + archivePath + ":";
    for (std::size_t i = 0; i < memberNames.size(); ++i)
        if (!have[i] && asked.at(memberNames[i]) == i) text += " " + memberNames[i];
    return ReadError(0, text + why);
}

}  // namespace tremblo
