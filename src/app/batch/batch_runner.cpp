#include "app/batch/batch_runner.h"

#include "pipeline/event_input.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "pipeline/record_plan.h"
#include "app/batch/borehole_ratio_files.h"
#include "pipeline/event_map_picture.h"
#include "pipeline/console_platform.h"
#include "app/batch/progress_display.h"
#include "pipeline/record_summary.h"
#include "pipeline/record_feed.h"
#include "pipeline/pipeline_run.h"
#include "pipeline/record_pipeline.h"
#include "pipeline/record_worker.h"
#include "app/batch/station_import_run.h"
#include "app/batch/summary_writer.h"
#include "app/batch/superposed_pictures.h"
#include "common/escaped_text.h"
#include "stations/data_folder.h"
#include "stations/station_directory.h"
#include "compute/parallel_workers.h"
#include "plot/png_writer.h"
#include "spectrum/period_table.h"

namespace tremblo {

namespace {

// Shows each outcome, prints its --info object and keeps its superposed
// item, in the order of the records (the pipeline calls one at a time).
class OutcomeCollector : public OutcomeSink {
public:
    OutcomeCollector(std::ostream& out, ProgressDisplay& display, SummaryWriter& summary, const BatchOptions& options,
                     BoreholeRatioFiles& ratios)
        : out_(out),
          display_(display),
          summary_(summary),
          summaryRotD_(options.rotd),
          summaryTargets_(options.spectrum.targets.size()),
          summaryMeasures_(options.measures),
          keepRows_(!options.mapFile.empty()),
          ratios_(ratios) {}

    // The superposed item of every record, in the order of the files (after the workers).
    std::vector<const ItemCurves*> SuperposeItems() const {
        std::vector<const ItemCurves*> items;
        for (const ItemCurves& item : superposeItems_) items.push_back(&item);
        return items;
    }
    std::size_t sameAsCount() const { return sameAs_; }
    // Every record's summary row, in order (with --map).
    const std::vector<std::string>& rows() const { return rows_; }

    void Submitted(const RecordTask& task) override {
        if (task.inArchive) display_.SetTotal(display_.total() + 1);
    }

    void Emit(RecordOutcome outcome) override {
        display_.RecordDone(outcome);
        if (!outcome.sameAs.empty()) ++sameAs_;
        if (!outcome.info.empty()) out_ << outcome.info << '\n' << std::flush;
        // One row per record: a file that stands for an earlier file's record has none.
        if ((summary_.isOpen() || keepRows_) && outcome.sameAs.empty()) {
            std::string row =
                outcome.ok ? outcome.summaryRow
                           : FailedSummaryRow(outcome.file, outcome.failure, summaryRotD_, summaryTargets_, summaryMeasures_);
            if (summary_.isOpen()) summary_.Write(row);
            if (keepRows_) rows_.push_back(std::move(row));
        }
        if (outcome.ok && outcome.superposeItem) superposeItems_.push_back(std::move(*outcome.superposeItem));
        if (outcome.ok && outcome.fourier) ratios_.Add(std::move(outcome.fourier), outcome.file, outcome.outputBase);
    }

private:
    std::ostream& out_;
    ProgressDisplay& display_;
    SummaryWriter& summary_;
    bool summaryRotD_;
    std::size_t summaryTargets_;
    bool summaryMeasures_;
    bool keepRows_;
    BoreholeRatioFiles& ratios_;
    std::vector<std::string> rows_;
    std::vector<ItemCurves> superposeItems_;
    std::size_t sameAs_ = 0;
};

// The summary's header line with the columns the options add.
std::string BatchSummaryHeader(const BatchOptions& options) {
    return SummaryHeader(BuildPeriodTable(), options.rotd, options.spectrum.targets, options.pseudo, options.measures);
}

int CountedAhead(const std::vector<PlannedRecord>& plan) {
    return static_cast<int>(std::count_if(plan.begin(), plan.end(),
                                          [](const PlannedRecord& r) { return r.kind != InputKind::Archive; }));
}

// The superposed pictures of all records, and a line that says which.
bool WriteSuperposed(const BatchOptions& options, const std::vector<const ItemCurves*>& items, std::ostream& err) {
    if (items.empty()) {
        err << "superposed: no record to draw, " << EscapedText(SuperposedPicturePath(options.superposeFile, 1))
            << " not written\n";
        return false;
    }
    ConsolePlatform platform;
    const SuperposedOutcome outcome = WriteSuperposedPictures(options.superposeFile, items, options.spectrum,
                                                              LinearPeriodAxisFor(options.periodLimit), platform);
    for (std::size_t i = 0; i < outcome.written.size(); ++i) {
        const std::size_t first = i * SUPERPOSED_ITEMS_PER_PICTURE + 1;
        const std::size_t last = std::min(items.size(), first + SUPERPOSED_ITEMS_PER_PICTURE - 1);
        err << "superposed: wrote " << EscapedText(outcome.written[i]) << " (records " << first << "-" << last << " of "
            << items.size() << ")\n";
    }
    if (outcome.failure.empty()) return true;
    err << "error: superposed: " << EscapedText(outcome.failure) << '\n';
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
            err << "error: cannot create the output folder " << EscapedText(options.outFolder)
                << (ec ? ": " + ec.message() : std::string()) << '\n';
            return 2;
        }
    }

    SummaryWriter summary;
    if (!options.summaryFile.empty() &&
        !summary.Open(options.summaryFile, BatchSummaryHeader(options))) {
        err << "error: cannot create the summary file " << EscapedText(options.summaryFile) << ": " << summary.failure() << '\n';
        return 2;
    }

    auto directory = std::make_unique<StationDirectory>();
    ConsolePlatform directoryPlatform;
    const std::string dataFolder = options.dataFolder.empty() ? FindDataFolder() : options.dataFolder;
    LoadStationDirectory(dataFolder, *directory, directoryPlatform);
    for (const std::string& message : directoryPlatform.TakeMessages())
        err << "warning: station directory " << EscapedText(dataFolder) << ": " << EscapedText(message) << '\n';

    // A folder stands for the record files and archives it holds.
    BatchOptions expanded = options;
    const bool foldersRead = ExpandFolderArguments(expanded.files, err);
    FolderListings listings;  // each folder listed at most once in the run
    const std::vector<PlannedRecord> plan = PlanRecords(expanded, &listings);
    const int workers = BatchWorkerCount(options.jobs, plan, DefaultWorkerCount());
    ProgressDisplay display(err, terminal, CountedAhead(plan));
    BoreholeRatioFiles ratios(options, err);
    OutcomeCollector collector(out, display, summary, options, ratios);
    RecordPipeline pipeline(PipelineWindow(workers), collector);
    display.Start();
    std::vector<ArchiveFeedReport> archives;
    RunRecordWorkers(pipeline, workers, *directory, options, &listings, [&] {
        archives = FeedRecords(options, plan, &listings, [&](RecordTask task) { pipeline.Submit(std::move(task)); });
    });
    display.Finish();
    for (const ArchiveFeedReport& report : archives)
        if (report.stats.skipped > 0) err << SkippedMembersLine(report) << '\n';
    const bool superposed = options.superposeFile.empty() || WriteSuperposed(options, collector.SuperposeItems(), err);
    const bool ratiosWritten = ratios.Finish();

    bool mapWritten = true;
    if (!options.mapFile.empty()) {
        std::optional<EventColumn> colourBy;
        MapColumnOfKey(options.mapColumn, colourBy);  // checked with the command line
        const PngWriteResult written = WritePngFile(
            options.mapFile, EventMapPictureOfRows(BatchSummaryHeader(options), collector.rows(), colourBy));
        mapWritten = written.ok;
        if (written.ok)
            err << "map: wrote " << EscapedText(options.mapFile) << '\n';
        else
            err << "error: " << EscapedText(MessageLine("", written.message)) << '\n';  // it names the file and why
    }

    bool summaryWritten = true;
    if (summary.isOpen()) {
        summaryWritten = summary.Finish();
        if (summaryWritten)
            err << "summary: wrote " << EscapedText(options.summaryFile) << '\n';
        else
            err << "error: " << EscapedText(CannotCreateText(options.summaryFile)) << " (" << summary.failure() << ")\n";
    }

    std::ostream& summaryLine = options.info ? err : out;
    const int failed = display.failed();
    const auto count = static_cast<std::size_t>(display.done());
    // Without the summary asked for, the run did not do its work, however
    // many records it read: the line says so first.
    if (!summaryWritten)
        summaryLine << "summary " << EscapedText(options.summaryFile) << " not written (" << summary.failure() << "); "
                    << count - static_cast<std::size_t>(failed) << " of " << count << " files read";
    else
        summaryLine << count - static_cast<std::size_t>(failed) << " of " << count << " files processed";
    if (failed > 0) summaryLine << ", " << failed << " failed";
    if (collector.sameAsCount() > 0)
        summaryLine << " (" << collector.sameAsCount() << " of them the record of an earlier file)";
    if (writeFiles) {
        std::error_code ec;
        const auto folder = std::filesystem::absolute(options.outFolder, ec);
        summaryLine << "; files in " << EscapedText(ec ? options.outFolder : folder.lexically_normal().string());
    }
    summaryLine << '\n' << std::flush;
    return failed > 0 || !foldersRead || !superposed || !summaryWritten || !mapWritten || !ratiosWritten ? 1 : 0;
}

}  // namespace tremblo
