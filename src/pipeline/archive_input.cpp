#include "pipeline/archive_input.h"

#include "record/agency_reading.h"
#include "record/agency_record.h"

#include <algorithm>
#include <map>

#include "common/format.h"
#include "common/translation.h"
#include "input/archive_reader.h"
#include "record/component_names.h"
#include "input/member_file_source.h"

namespace tremblo {

namespace {

// The damage of the record's first damaged member.
std::string DamageOf(const GroupedRecord& record) {
    for (const ArchiveMember& member : record.members)
        if (!member.damage.empty())
            return StringPrintf(TrText("batch", "壊れたメンバー %s: %s").c_str(), member.name.c_str(), member.damage.c_str());
    return {};
}

// The failed task of an archive (the one given, "ARCHIVE", or one inside,
// "ARCHIVE:INNER") that cannot be read on after `members` of its members.
RecordTask ArchiveFailure(const std::string& archive, const std::string& named, const std::string& reason,
                          std::size_t members, const std::vector<GroupedRecord>& incomplete) {
    RecordTask task;
    task.file = named;
    task.inArchive = true;
    if (reason.starts_with(kDamagedHeader))
        task.failure = StringPrintf(TrText("batch", "アーカイブはメンバー %zu 個の後が壊れています: %s").c_str(), members,
                                    reason.c_str());
    else if (members == 0 && incomplete.empty())
        task.failure = StringPrintf(TrText("batch", "アーカイブを読めません: %s").c_str(), reason.c_str());
    else
        task.failure = StringPrintf(TrText("batch", "アーカイブをメンバー %zu 個より先は読めません: %s").c_str(), members,
                                    reason.c_str());
    if (!incomplete.empty()) {
        task.failure += TrText("batch", "; 処理していない記録:");
        for (const GroupedRecord& record : incomplete)
            task.failure += " " + MemberPathText(archive, record.members.front().name);
    }
    return task;
}

// Why a record fails whose members came out of a damaged gzip stream (the
// outermost such archive, when several hold it); empty when none did.
std::string StreamDamageOf(const std::string& archive, const GroupedRecord& record,
                           const std::vector<DamagedStream>& damaged) {
    const DamagedStream* holder = nullptr;
    for (const DamagedStream& stream : damaged) {
        const std::string prefix = stream.archive + kNestedNameSeparator;
        const auto inside = [&](const ArchiveMember& m) { return m.name.starts_with(prefix); };
        const bool holds =
            stream.archive.empty() || std::any_of(record.members.begin(), record.members.end(), inside);
        if (holds && (holder == nullptr || stream.archive.size() < holder->archive.size())) holder = &stream;
    }
    if (holder == nullptr) return {};
    const std::string named = holder->archive.empty() ? archive : MemberPathText(archive, holder->archive);
    return named + ": " + holder->reason + TrText("batch", "; その記録は処理していません");
}

// The name of the archive (inside the one given) that holds the member; ""
// for a member of the archive given.
std::string HolderOf(const ArchiveMember& member) {
    return member.nestedPrefix == 0 ? std::string() : member.name.substr(0, member.nestedPrefix - 1);
}

}  // namespace

bool IsRecordMember(const ArchiveMember& member) {
    return IsComponentFileName(member.loadName) ||
           (member.damage.empty() && DetectAgencyFormatOfBytes(member.bytes).has_value());
}

RecordTask TaskOfArchiveRecord(const std::string& archive, GroupedRecord record) {
    RecordTask task;
    task.file = MemberPathText(archive, record.members.front().name);
    task.loadPath = record.chosen();
    task.format = record.format;
    task.inArchive = true;
    task.failure = record.conflict.empty() ? DamageOf(record) : record.conflict;
    for (const ArchiveMember& member : record.members) task.fileBytes += member.bytes.size();
    task.source = std::make_shared<MemberFileSource>(archive, std::move(record.members));
    return task;
}

bool FeedArchiveRecords(const std::string& archive, const PipelineSettings& options, const TaskHandler& hand,
                        ArchiveFeedStats* stats, const std::function<void(std::uint64_t fileBytesRead)>& onRead) {
    // gzip's check covers a whole stream and comes at its end: the damaged
    // streams are found first, so that no record read from one is processed.
    const std::vector<DamagedStream> damaged = FindDamagedStreams(archive);
    RecordGrouper grouper(GroupingSettings{options.format, options.threeComponents});
    ArchiveReader reader(archive);  // every regular file: agency files are known by their content
    std::size_t handed = 0;  // tasks, records and failures
    const auto handAll = [&](std::vector<GroupedRecord> records) {
        for (GroupedRecord& record : records) {
            std::string streamDamage = StreamDamageOf(archive, record, damaged);
            // A member holding several sets of components gives a record of each.
            const int sets = record.componentSets;  // counted as the grouper read its header
            RecordTask task = TaskOfArchiveRecord(archive, std::move(record));
            if (!streamDamage.empty()) task.failure = std::move(streamDamage);
            std::vector<RecordTask> others;
            for (int set = 1; set < sets; ++set) {
                RecordTask& other = others.emplace_back(task);
                other.file = JoinComponentSetPath(task.file, set);
                other.loadPath = JoinComponentSetPath(task.loadPath, set);
            }
            ++handed;
            hand(std::move(task));
            for (RecordTask& other : others) {
                ++handed;
                hand(std::move(other));
            }
        }
    };
    std::map<std::string, std::size_t> membersRead;  // by the archive holding them ("" the one given)
    std::size_t total = 0;
    std::size_t notRecords = 0;  // members read and found to hold no record
    bool whole = damaged.empty();
    ArchiveMember member;
    ArchiveStep step;
    while ((step = reader.Next(member)) != ArchiveStep::End && step != ArchiveStep::Failed) {
        if (onRead) onRead(reader.fileBytesRead());
        if (step == ArchiveStep::Member) {
            if (!IsRecordMember(member)) {
                ++notRecords;
                continue;
            }
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
            ++handed;
            hand(ArchiveFailure(archive, MemberPathText(archive, member.name), member.damage, read, rest));
            whole = false;
        }
    }
    if (stats) *stats = ArchiveFeedStats{reader.entries(), reader.skipped() + notRecords};
    std::vector<GroupedRecord> rest = grouper.Finish();
    if (step == ArchiveStep::Failed) {
        hand(ArchiveFailure(archive, archive, reader.error(), total, rest));
        return false;
    }
    handAll(std::move(rest));
    if (handed == 0) {  // read whole, and nothing in it to process
        RecordTask none;
        none.file = archive;
        none.inArchive = true;
        none.failure = TrText("batch", "アーカイブに地震記録ファイルがありません");
        hand(std::move(none));
        return false;
    }
    return whole;
}

}  // namespace tremblo
