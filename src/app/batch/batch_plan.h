#pragma once
// What the batch will do with each file it was given: the format it is read
// in (given, or recognised from the content), and whether an earlier file
// already stands for the same record.
#include <optional>
#include <string>
#include <vector>

#include "app/batch/batch_options.h"
#include "common/path_text.h"

namespace tremblo {

struct PlannedRecord {
    std::string file;
    RecordFormat format = RecordFormat::Knet;
    std::optional<std::size_t> sameAs;  // index of the earlier file of the same record
};

std::vector<PlannedRecord> PlanRecords(const BatchOptions& options, FolderListings* listings = nullptr);

}  // namespace tremblo
