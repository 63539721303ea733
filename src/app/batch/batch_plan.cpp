#include "app/batch/batch_plan.h"

#include <map>

#include "record/format_detection.h"
#include "record/record_identity.h"

namespace tremblo {

std::vector<PlannedRecord> PlanRecords(const BatchOptions& options, FolderListings* listings) {
    std::vector<PlannedRecord> plan;
    std::map<std::string, std::size_t> firstOfRecord;
    for (const std::string& file : options.files) {
        PlannedRecord record;
        record.file = file;
        record.format = options.format.value_or(DetectRecordFormatOfFile(file));
        const auto [at, added] = firstOfRecord.emplace(
            RecordIdentity(file, record.format, options.threeComponents, listings), plan.size());
        if (!added) record.sameAs = at->second;
        plan.push_back(std::move(record));
    }
    return plan;
}

}  // namespace tremblo
