#pragma once
// The batch's input turned into record tasks, in the order of the files:
// plain and .gz record files as planned, the records of each archive as it
// is read.
#include "app/batch/archive_input.h"
#include "app/batch/batch_plan.h"

namespace tremblo {

void FeedRecords(const BatchOptions& options, const std::vector<PlannedRecord>& plan, FolderListings* listings,
                 const TaskHandler& hand);

// The task of a planned plain or .gz file.
RecordTask TaskOfPlannedFile(const std::vector<PlannedRecord>& plan, std::size_t index, FolderListings* listings);

}  // namespace tremblo
