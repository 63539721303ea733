#pragma once
// What the batch will do with each file it was given: the format it is read
// in (given, or recognised from the content), and whether an earlier file
// already stands for the same record.
#include <optional>
#include <string>
#include <vector>

#include "pipeline/pipeline_settings.h"
#include "common/path_text.h"

namespace tremblo {

// A plain record file, a gzip-compressed one (X.NS.gz), or an archive of
// records (read member by member as the batch goes).
enum class InputKind { File, GzipFile, Archive };

struct PlannedRecord {
    std::string file;
    RecordFormat format = RecordFormat::Knet;
    std::optional<std::size_t> sameAs;  // index of the earlier file of the same record
    InputKind kind = InputKind::File;
    // An agency record's files among those given (this one first), when the
    // batch was given other files of its folder: the loader looks among these
    // alone rather than through the whole folder.
    std::vector<std::string> componentFiles;
};

// The path the loader is handed for a planned file (X.NS for X.NS.gz).
std::string LoadPathOf(const PlannedRecord& record);

// Workers for the records to load, given --jobs (0: one per core) and the
// cores: no more than there are records to load (min(records, jobs)); for an
// archive, whose number of records is unknown until it is read, no more than
// the cores.
int BatchWorkerCount(int jobs, const std::vector<PlannedRecord>& plan, int cores);

std::vector<PlannedRecord> PlanRecords(const PipelineSettings& options, FolderListings* listings = nullptr);

}  // namespace tremblo
