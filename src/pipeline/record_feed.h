#pragma once
// The batch's input turned into record tasks, in the order of the files:
// plain and .gz record files as planned, the records of each archive as it
// is read.
#include "pipeline/archive_input.h"
#include "pipeline/record_plan.h"

namespace tremblo {

// What reading one archive of the input came across.
struct ArchiveFeedReport {
    std::string archive;  // as given
    ArchiveFeedStats stats;
};

// Hands on the tasks of all files; returns a report per archive, in the
// order of the files.
// How far the feeding has come: within the plan's file `index`, `bytes`
// of it read (an archive as it is read; a plain file whole once handed on,
// given as the largest number).
using FeedProgress = std::function<void(std::size_t index, std::uint64_t bytes)>;

std::vector<ArchiveFeedReport> FeedRecords(const PipelineSettings& options, const std::vector<PlannedRecord>& plan,
                                           FolderListings* listings, const TaskHandler& hand,
                                           const FeedProgress& progress = {});

// The task of a planned plain or .gz file.
RecordTask TaskOfPlannedFile(const std::vector<PlannedRecord>& plan, std::size_t index, FolderListings* listings,
                             bool threeComponents = true);

}  // namespace tremblo
