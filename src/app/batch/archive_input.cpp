#include "app/batch/archive_input.h"

#include <map>

#include "record/archive_reader.h"
#include "record/checked_gzip_stream.h"
#include "record/component_names.h"
#include "record/member_file_source.h"

namespace tremblo {

namespace {

// The damage of the record's first damaged member.
std::string DamageOf(const GroupedRecord& record) {
    for (const ArchiveMember& member : record.members)
        if (!member.damage.empty()) return "damaged member " + member.name + ": " + member.damage;
    return {};
}

// The failed task of an archive (the one given, "ARCHIVE", or one inside,
// "ARCHIVE:INNER") that cannot be read on after `members` of its members.
RecordTask ArchiveFailure(const std::string& archive, const std::string& named, const std::string& reason,
                          std::size_t members, const std::vector<GroupedRecord>& incomplete) {
    RecordTask task;
    task.file = named;
    task.inArchive = true;
    task.failure = members == 0 && incomplete.empty()
                       ? "the archive cannot be read: " + reason
                       : "the archive cannot be read on after " + std::to_string(members) + " members: " + reason;
    if (!incomplete.empty()) {
        task.failure += "; records not processed:";
        for (const GroupedRecord& record : incomplete)
            task.failure += " " + MemberPathText(archive, record.members.front().name);
    }
    return task;
}

// The records handed on from one archive (the one given, or one inside it):
// all may hold damaged data when its gzip check fails at its end.
struct HandedRecords {
    std::size_t count = 0;
    std::string first, last;
};

// The failure text of an archive, told which records may be damaged when
// that was found only by the check at the end.
std::string WithSuspects(std::string failure, const HandedRecords& handed) {
    if (handed.count == 0 || failure.find(kGzipCheckFailed) == std::string::npos) return failure;
    failure += "; the " + std::to_string(handed.count) + " records read from it before the check may hold damaged data (";
    failure += handed.count == 1 ? handed.first : handed.first + " to " + handed.last;
    return failure + ")";
}

// The name of the archive (inside the one given) that holds the member; ""
// for a member of the archive given.
std::string HolderOf(const ArchiveMember& member) {
    return member.nestedPrefix == 0 ? std::string() : member.name.substr(0, member.nestedPrefix - 1);
}

}  // namespace

bool IsBatchArchiveMember(const ArchiveMember& candidate) {
    return IsArchiveName(candidate.name) || IsComponentFileName(candidate.loadName);
}

RecordTask TaskOfArchiveRecord(const std::string& archive, GroupedRecord record) {
    RecordTask task;
    task.file = MemberPathText(archive, record.members.front().name);
    task.loadPath = record.chosen();
    task.format = record.format;
    task.inArchive = true;
    task.failure = DamageOf(record);
    task.source = std::make_shared<MemberFileSource>(archive, std::move(record.members));
    return task;
}

bool FeedArchiveRecords(const std::string& archive, const BatchOptions& options, const TaskHandler& hand,
                        ArchiveFeedStats* stats, const std::function<void(std::uint64_t fileBytesRead)>& onRead) {
    RecordGrouper grouper(GroupingSettings{options.format, options.threeComponents});
    ArchiveReader reader(archive, IsBatchArchiveMember);
    std::map<std::string, HandedRecords> handed;  // by the archive holding their first member
    const auto handAll = [&](std::vector<GroupedRecord> records) {
        for (GroupedRecord& record : records) {
            RecordTask task = TaskOfArchiveRecord(archive, std::move(record));
            const auto source = static_cast<const MemberFileSource*>(task.source.get());
            HandedRecords& from = handed[HolderOf(source->members().front())];
            if (from.count++ == 0) from.first = task.file;
            from.last = task.file;
            hand(std::move(task));
        }
    };
    std::map<std::string, std::size_t> membersRead;  // by the archive holding them ("" the one given)
    std::size_t total = 0;
    bool whole = true;
    ArchiveMember member;
    ArchiveStep step;
    while ((step = reader.Next(member)) != ArchiveStep::End && step != ArchiveStep::Failed) {
        if (onRead) onRead(reader.fileBytesRead());
        if (step == ArchiveStep::Member) {
            ++total;
            ++membersRead[HolderOf(member)];
            handAll(grouper.Add(std::move(member)));
            continue;
        }
        // An archive inside has ended, whole or not: its incomplete records
        // cannot complete any more.
        std::vector<GroupedRecord> rest = grouper.FinishUnder(member.loadName + '/');
        const std::size_t read = membersRead[member.name];
        membersRead.erase(member.name);
        if (step == ArchiveStep::NestedEnd) {
            handAll(std::move(rest));
        } else {
            RecordTask failure = ArchiveFailure(archive, MemberPathText(archive, member.name), member.damage, read, rest);
            failure.failure = WithSuspects(std::move(failure.failure), handed[member.name]);
            hand(std::move(failure));
            whole = false;
        }
        handed.erase(member.name);
    }
    if (stats) *stats = ArchiveFeedStats{reader.entries(), reader.skipped()};
    std::vector<GroupedRecord> rest = grouper.Finish();
    if (step == ArchiveStep::Failed) {
        RecordTask failure = ArchiveFailure(archive, archive, reader.error(), total, rest);
        failure.failure = WithSuspects(std::move(failure.failure), handed[""]);
        hand(std::move(failure));
        return false;
    }
    handAll(std::move(rest));
    return whole;
}

}  // namespace tremblo
