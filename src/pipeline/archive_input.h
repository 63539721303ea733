#pragma once
// The records of an archive given to the batch: read member by member in
// memory, gathered into records as the loader would gather their files, and
// handed on one by one as each is complete (the members of a record held
// only until then). Each record is named by its first member,
// "ARCHIVE:MEMBER", or "ARCHIVE:INNER:MEMBER" in an archive inside the
// archive (as NIED delivers an earthquake: a .tar of a .knt.tar.gz and a
// .kik.tar.gz), which is read in place as it streams past. Members that are
// not component files by name (plots, pictures, text, folders) are skipped.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "pipeline/pipeline_settings.h"
#include "pipeline/record_task.h"
#include "record/record_grouping.h"

namespace tremblo {

using TaskHandler = std::function<void(RecordTask)>;

// What reading an archive came across.
struct ArchiveFeedStats {
    std::size_t members = 0;  // its entries and those of the archives inside it, folders included
    std::size_t skipped = 0;  // of them passed over: neither component files nor archives
};

// Hands every record of the archive to `hand`, in the order they complete
// (those of an archive inside left incomplete when it ends, and those left
// incomplete at the end, after the others). The archive is read twice: a
// first pass finds its damaged gzip streams (the archive's own, or those of
// archives inside), and every record read from one then fails with the
// reason. An archive inside that cannot be read to its end hands on the
// records complete so far, then one failed task naming it ("ARCHIVE:INNER"),
// and the reading goes on after it; the archive given that cannot be read to
// its end, one failed task naming the archive; an archive holding no record
// file, one failed task saying so. False after any such failure. `stats`, when given, receives the counts.
// `onRead` hears how many bytes of the archive file have been read, after each step.
bool FeedArchiveRecords(const std::string& archive, const PipelineSettings& options, const TaskHandler& hand,
                        ArchiveFeedStats* stats = nullptr,
                        const std::function<void(std::uint64_t fileBytesRead)>& onRead = {});

// The task of one record of `archive`: to load, or failed at once when a
// member of it is damaged.
RecordTask TaskOfArchiveRecord(const std::string& archive, GroupedRecord record);

// The members read from an archive that hold records: component files by
// name, agency files by content (the others are counted as skipped).
bool IsRecordMember(const ArchiveMember& member);

}  // namespace tremblo
