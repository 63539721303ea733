#include "app/batch/batch_runner.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "app/batch/batch_plan.h"
#include "app/batch/console_platform.h"
#include "app/batch/progress_display.h"
#include "app/batch/record_summary.h"
#include "app/batch/record_worker.h"
#include "app/batch/station_import_run.h"
#include "app/batch/summary_writer.h"
#include "app/batch/superposed_pictures.h"
#include "record/data_folder.h"
#include "record/station_directory.h"
#include "compute/parallel_workers.h"

namespace tremblo {

namespace {

// Collects the outcomes as workers finish them: shows progress at once and
// prints the --info objects in file order.
class OutcomeCollector {
public:
    OutcomeCollector(std::ostream& out, ProgressDisplay& display, std::size_t count, SummaryWriter& summary,
                     bool summaryRotD)
        : out_(out),
          display_(display),
          summary_(summary),
          summaryRotD_(summaryRotD),
          outcomes_(count),
          finished_(count, false) {}

    // The superposed item of every record, in the order of the files (after the workers).
    std::vector<const ItemCurves*> SuperposeItems() const {
        std::vector<const ItemCurves*> items;
        for (const RecordOutcome& outcome : outcomes_)
            if (outcome.ok && outcome.superposeItem) items.push_back(&*outcome.superposeItem);
        return items;
    }

    void Add(std::size_t index, RecordOutcome outcome) {
        const std::lock_guard lock(mutex_);
        display_.RecordDone(outcome);
        outcomes_[index] = std::move(outcome);
        finished_[index] = true;
        for (; nextInfo_ < outcomes_.size() && finished_[nextInfo_]; ++nextInfo_) {
            const RecordOutcome& next = outcomes_[nextInfo_];
            if (!next.info.empty()) out_ << next.info << '\n' << std::flush;
            // One row per record: a file that stands for an earlier file's record has none.
            if (summary_.isOpen() && next.sameAs.empty())
                summary_.Write(next.ok ? next.summaryRow : FailedSummaryRow(next.file, next.failure, summaryRotD_));
        }
    }

private:
    std::mutex mutex_;
    std::ostream& out_;
    ProgressDisplay& display_;
    SummaryWriter& summary_;
    bool summaryRotD_;
    std::vector<RecordOutcome> outcomes_;
    std::vector<bool> finished_;
    std::size_t nextInfo_ = 0;
};

// A record that throws (memory exhausted, say) fails alone.
RecordOutcome ProcessGuarded(RecordWorker& worker, const PlannedRecord& record) {
    try {
        return worker.Process(record.file, record.format);
    } catch (const std::exception& e) {
        RecordOutcome outcome;
        outcome.file = record.file;
        outcome.failure = e.what();
        return outcome;
    }
}

// The superposed pictures of all records, and a line that says which.
bool WriteSuperposed(const BatchOptions& options, const std::vector<const ItemCurves*>& items, std::ostream& err) {
    if (items.empty()) {
        err << "superposed: no record to draw, " << SuperposedPicturePath(options.superposeFile, 1)
            << " not written\n";
        return false;
    }
    ConsolePlatform platform;
    const SuperposedOutcome outcome = WriteSuperposedPictures(options.superposeFile, items, options.spectrum,
                                                              LinearPeriodAxisFor(options.periodLimit), platform);
    for (std::size_t i = 0; i < outcome.written.size(); ++i) {
        const std::size_t first = i * SUPERPOSED_ITEMS_PER_PICTURE + 1;
        const std::size_t last = std::min(items.size(), first + SUPERPOSED_ITEMS_PER_PICTURE - 1);
        err << "superposed: wrote " << outcome.written[i] << " (records " << first << "-" << last << " of "
            << items.size() << ")\n";
    }
    if (outcome.failure.empty()) return true;
    err << "error: superposed: " << outcome.failure << '\n';
    return false;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool terminal) {
    // The station list first: the records of the same run then find its stations.
    if (!options.importStations.empty()) {
        if (!RunStationImport(options, err)) return 1;
        if (options.files.empty()) return 0;
    }
    const bool writeFiles = WritesRecordFiles(options);
    if (writeFiles) {
        std::error_code ec;
        std::filesystem::create_directories(options.outFolder, ec);
        if (ec || !std::filesystem::is_directory(options.outFolder)) {
            err << "error: cannot create the output folder " << options.outFolder
                << (ec ? ": " + ec.message() : std::string()) << '\n';
            return 2;
        }
    }

    SummaryWriter summary;
    if (!options.summaryFile.empty() &&
        !summary.Open(options.summaryFile, SummaryHeader(BuildPeriodTable(), options.rotd))) {
        err << "error: cannot create the summary file " << options.summaryFile << '\n';
        return 2;
    }

    auto directory = std::make_unique<StationDirectory>();
    ConsolePlatform directoryPlatform;
    const std::string dataFolder = options.dataFolder.empty() ? FindDataFolder() : options.dataFolder;
    LoadStationDirectory(dataFolder, *directory, directoryPlatform);
    for (const std::string& message : directoryPlatform.TakeMessages())
        err << "warning: station directory " << dataFolder << ": " << message << '\n';

    FolderListings listings;  // each folder listed at most once in the run
    const std::vector<PlannedRecord> plan = PlanRecords(options, &listings);
    const std::size_t count = plan.size();
    std::vector<std::size_t> toLoad;
    for (std::size_t i = 0; i < count; ++i)
        if (!plan[i].sameAs) toLoad.push_back(i);
    const int cores = options.jobs > 0 ? options.jobs : DefaultWorkerCount();
    const int workers =
        static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(cores), toLoad.size()));

    ProgressDisplay display(err, terminal, static_cast<int>(count));
    OutcomeCollector collector(out, display, count, summary, options.rotd);
    display.Start();
    for (std::size_t i = 0; i < count; ++i) {
        if (!plan[i].sameAs) continue;
        RecordOutcome outcome;
        outcome.file = plan[i].file;
        outcome.ok = true;
        outcome.sameAs = plan[*plan[i].sameAs].file;
        collector.Add(i, std::move(outcome));
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        try {
            RecordWorker worker(*directory, options, &listings);
            for (std::size_t k; (k = next.fetch_add(1)) < toLoad.size();)
                collector.Add(toLoad[k], ProcessGuarded(worker, plan[toLoad[k]]));
        } catch (const std::exception&) {
            // No memory for this worker's buffers: the others take its share.
        }
    };
    std::vector<std::jthread> threads;
    try {
        for (int w = 1; w < workers; ++w) threads.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than cores: the ones running take the rest.
    }
    if (workers > 0) work();
    threads.clear();  // joins
    // Records no worker could take (not one had its buffers) fail.
    for (std::size_t k = std::min(next.load(), toLoad.size()); k < toLoad.size(); ++k) {
        RecordOutcome outcome;
        outcome.file = plan[toLoad[k]].file;
        outcome.failure = "メモリが足りません";
        collector.Add(toLoad[k], std::move(outcome));
    }
    display.Finish();
    const bool superposed = options.superposeFile.empty() || WriteSuperposed(options, collector.SuperposeItems(), err);

    bool summaryWritten = true;
    if (summary.isOpen()) {
        summaryWritten = summary.Finish();
        if (summaryWritten)
            err << "summary: wrote " << options.summaryFile << '\n';
        else
            err << "error: " << CannotCreateText(options.summaryFile) << '\n';
    }

    std::ostream& summaryLine = options.info ? err : out;
    const int failed = display.failed();
    summaryLine << count - static_cast<std::size_t>(failed) << " of " << count << " files processed";
    if (failed > 0) summaryLine << ", " << failed << " failed";
    if (toLoad.size() < count)
        summaryLine << " (" << count - toLoad.size() << " of them the record of an earlier file)";
    if (writeFiles) {
        std::error_code ec;
        const auto folder = std::filesystem::absolute(options.outFolder, ec);
        summaryLine << "; files in " << (ec ? options.outFolder : folder.lexically_normal().string());
    }
    summaryLine << '\n' << std::flush;
    return failed > 0 || !superposed || !summaryWritten ? 1 : 0;
}

}  // namespace tremblo
