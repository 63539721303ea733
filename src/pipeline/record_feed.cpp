#include "pipeline/record_feed.h"

#include "input/gzip_file_source.h"

#include <filesystem>
#include <limits>

namespace tremblo {

RecordTask TaskOfPlannedFile(const std::vector<PlannedRecord>& plan, std::size_t index, FolderListings* listings,
                             bool threeComponents) {
    const PlannedRecord& planned = plan[index];
    RecordTask task;
    task.file = planned.file;
    task.loadPath = LoadPathOf(planned);
    task.format = planned.format;
    if (planned.sameAs) task.sameAs = plan[*planned.sameAs].file;
    if (planned.kind == InputKind::GzipFile) task.source = std::make_shared<GzipFileSource>(listings);
    if (!planned.componentFiles.empty())
        task.source = std::make_shared<ListedFileSource>(planned.componentFiles, listings);
    // The other components are as large as the one given, about.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(planned.file, ec);
    if (!ec) task.fileBytes = static_cast<std::uint64_t>(size) * (threeComponents ? 3 : 1) *
                              (planned.kind == InputKind::GzipFile ? 4 : 1);
    return task;
}

std::vector<ArchiveFeedReport> FeedRecords(const PipelineSettings& options, const std::vector<PlannedRecord>& plan,
                                           FolderListings* listings, const TaskHandler& hand,
                                           const FeedProgress& progress) {
    std::vector<ArchiveFeedReport> reports;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].kind == InputKind::Archive) {
            ArchiveFeedReport& report = reports.emplace_back(ArchiveFeedReport{plan[i].file, {}});
            std::function<void(std::uint64_t)> onRead;
            if (progress) onRead = [&](std::uint64_t bytes) { progress(i, bytes); };
            FeedArchiveRecords(plan[i].file, options, hand, &report.stats, onRead);
        } else {
            hand(TaskOfPlannedFile(plan, i, listings, options.threeComponents));
            if (progress) progress(i, std::numeric_limits<std::uint64_t>::max());
        }
    }
    return reports;
}

}  // namespace tremblo
