#include "app/batch/record_feed.h"

#include "record/gzip_file_source.h"

namespace tremblo {

RecordTask TaskOfPlannedFile(const std::vector<PlannedRecord>& plan, std::size_t index, FolderListings* listings) {
    const PlannedRecord& planned = plan[index];
    RecordTask task;
    task.file = planned.file;
    task.loadPath = LoadPathOf(planned);
    task.format = planned.format;
    if (planned.sameAs) task.sameAs = plan[*planned.sameAs].file;
    if (planned.kind == InputKind::GzipFile) task.source = std::make_shared<GzipFileSource>(listings);
    return task;
}

std::vector<ArchiveFeedReport> FeedRecords(const BatchOptions& options, const std::vector<PlannedRecord>& plan,
                                           FolderListings* listings, const TaskHandler& hand) {
    std::vector<ArchiveFeedReport> reports;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].kind == InputKind::Archive) {
            ArchiveFeedReport& report = reports.emplace_back(ArchiveFeedReport{plan[i].file, {}});
            FeedArchiveRecords(plan[i].file, options, hand, &report.stats);
        } else {
            hand(TaskOfPlannedFile(plan, i, listings));
        }
    }
    return reports;
}

}  // namespace tremblo
