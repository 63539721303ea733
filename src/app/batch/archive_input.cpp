#include "app/batch/archive_input.h"

#include "record/archive_reader.h"
#include "record/member_file_source.h"

namespace tremblo {

namespace {

// The damage of the record's first damaged member.
std::string DamageOf(const GroupedRecord& record) {
    for (const ArchiveMember& member : record.members)
        if (!member.damage.empty()) return "damaged member " + member.name + ": " + member.damage;
    return {};
}

RecordTask ArchiveFailure(const std::string& archive, const std::string& reason, std::size_t members,
                          const std::vector<GroupedRecord>& incomplete) {
    RecordTask task;
    task.file = archive;
    task.inArchive = true;
    task.failure = "the archive cannot be read on after " + std::to_string(members) + " members: " + reason;
    if (!incomplete.empty()) {
        task.failure += "; records not processed:";
        for (const GroupedRecord& record : incomplete)
            task.failure += " " + MemberPathText(archive, record.members.front().name);
    }
    return task;
}

}  // namespace

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

bool FeedArchiveRecords(const std::string& archive, const BatchOptions& options, const TaskHandler& hand) {
    RecordGrouper grouper(GroupingSettings{options.format, options.threeComponents});
    ArchiveReader reader(archive);
    ArchiveMember member;
    std::size_t members = 0;
    ArchiveStep step;
    while ((step = reader.Next(member)) == ArchiveStep::Member) {
        ++members;
        for (GroupedRecord& record : grouper.Add(std::move(member))) hand(TaskOfArchiveRecord(archive, std::move(record)));
    }
    std::vector<GroupedRecord> rest = grouper.Finish();
    if (step == ArchiveStep::Failed) {
        hand(ArchiveFailure(archive, reader.error(), members, rest));
        return false;
    }
    for (GroupedRecord& record : rest) hand(TaskOfArchiveRecord(archive, std::move(record)));
    return true;
}

}  // namespace tremblo
