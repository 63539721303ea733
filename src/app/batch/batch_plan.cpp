#include "app/batch/batch_plan.h"

#include <algorithm>
#include <map>

#include "input/archive_reader.h"
#include "record/format_detection.h"
#include "input/gzip_bytes.h"
#include "input/gzip_file_source.h"
#include "record/agency_record.h"
#include "record/record_identity.h"

namespace tremblo {

namespace {

InputKind KindOf(const std::string& file) {
    if (IsArchiveName(file)) return InputKind::Archive;
    return HasGzipExtension(file) ? InputKind::GzipFile : InputKind::File;
}

RecordFormat FormatOf(const PlannedRecord& record, FolderListings* listings) {
    if (record.kind == InputKind::File) return DetectRecordFormatOfFile(record.file);
    GzipFileSource source(listings);
    return DetectRecordFormatOfFile(LoadPathOf(record), source);
}

}  // namespace

std::string LoadPathOf(const PlannedRecord& record) {
    return record.kind == InputKind::GzipFile ? WithoutGzipExtension(record.file) : record.file;
}

int BatchWorkerCount(int jobs, const std::vector<PlannedRecord>& plan, int cores) {
    const std::size_t coreCount = static_cast<std::size_t>(std::max(cores, 1));
    const std::size_t asked = jobs > 0 ? static_cast<std::size_t>(jobs) : coreCount;
    std::size_t toLoad = 0;
    for (const PlannedRecord& record : plan) {
        if (record.kind == InputKind::Archive) return static_cast<int>(std::min(asked, coreCount));
        if (!record.sameAs) ++toLoad;
    }
    return static_cast<int>(std::clamp<std::size_t>(toLoad, 1, asked));
}

std::vector<PlannedRecord> PlanRecords(const BatchOptions& options, FolderListings* listings) {
    std::vector<PlannedRecord> plan;
    std::map<std::string, std::size_t> firstOfRecord;
    for (const std::string& file : options.files) {
        PlannedRecord record;
        record.file = file;
        record.kind = KindOf(file);
        if (record.kind == InputKind::Archive) {  // its records are found as it is read
            plan.push_back(std::move(record));
            continue;
        }
        record.format = options.format ? *options.format : FormatOf(record, listings);
        const auto [at, added] = firstOfRecord.emplace(
            RecordIdentity(LoadPathOf(record), record.format, options.threeComponents, listings), plan.size());
        if (!added) record.sameAs = at->second;
        const bool first = added;
        const std::string file = record.file;
        const RecordFormat format = record.format;
        const InputKind kind = record.kind;
        plan.push_back(std::move(record));
        // A file holding several sets of components gives a record of each.
        if (first && kind == InputKind::File && options.threeComponents)
            for (int set = 1, sets = ComponentSetsOfFile(file, format); set < sets; ++set)
                plan.push_back(PlannedRecord{JoinComponentSetPath(file, set), format, std::nullopt, kind, {}});
    }
    for (PlannedRecord& record : plan)
        if (record.sameAs && IsAgencyFormat(record.format) && record.kind == InputKind::File) {
            PlannedRecord& first = plan[*record.sameAs];
            if (first.componentFiles.empty()) first.componentFiles.push_back(first.file);
            first.componentFiles.push_back(record.file);
        }
    return plan;
}

}  // namespace tremblo
