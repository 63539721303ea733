#pragma once
// The records of an archive given to the batch: read member by member in
// memory, gathered into records as the loader would gather their files, and
// handed on one by one as each is complete (the members of a record held
// only until then). Each record is named by its first member,
// "ARCHIVE:MEMBER".
#include <functional>
#include <string>

#include "app/batch/batch_options.h"
#include "app/batch/record_task.h"
#include "record/record_grouping.h"

namespace tremblo {

using TaskHandler = std::function<void(RecordTask)>;

// Hands every record of the archive to `hand`, in the order they complete
// (those left incomplete at the end after the others). An archive that
// cannot be read to its end hands on the records complete so far, then one
// failed task naming the archive, and returns false.
bool FeedArchiveRecords(const std::string& archive, const BatchOptions& options, const TaskHandler& hand);

// The task of one record of `archive`: to load, or failed at once when a
// member of it is damaged.
RecordTask TaskOfArchiveRecord(const std::string& archive, GroupedRecord record);

}  // namespace tremblo
