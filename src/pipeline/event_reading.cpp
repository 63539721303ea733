#include "pipeline/event_reading.h"

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <sys/syscall.h>
#include <unistd.h>

#include "pipeline/record_plan.h"
#include "pipeline/event_input.h"
#include "pipeline/pipeline_run.h"
#include "pipeline/record_feed.h"
#include "pipeline/record_summary.h"
#include "compute/parallel_workers.h"
#include "input/gzip_file_source.h"
#include "input/member_file_source.h"
#include "spectrum/period_table.h"
#include "stations/station_xml.h"

namespace tremblo {

namespace {

struct Stopped {};

// The reading's threads give way to the window's, so that it stays
// responsive while every core reads records.
void LowerThreadPriority() {
    const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
    (void)::setpriority(PRIO_PROCESS, thread, 10);
}

PipelineSettings EventOptions(const std::vector<std::string>& files, bool withMeasures,
                              const std::vector<std::string>& inventoryFiles) {
    PipelineSettings options;
    options.inventoryFiles = inventoryFiles;
    if (!inventoryFiles.empty())
        options.inventory = std::make_shared<const Result<StationInventory>>(ReadStationXmlPaths(inventoryFiles));
    options.files = files;
    options.measures = withMeasures;
    options.summaryFile.assign(1, '-');  // rows only: no file is written
    options.findInventory = true;        // miniSEED: the StationXML beside it
    return options;
}

EventRecord RecordOfTask(const RecordTask& task) {
    EventRecord record;
    record.file = task.file;
    record.loadPath = task.loadPath;
    record.format = task.format;
    if (const auto* members = dynamic_cast<const MemberFileSource*>(task.source.get())) {
        record.origin = RecordOrigin::Archive;
        record.archive = members->archive();
        for (const ArchiveMember& member : members->members()) record.memberNames.push_back(member.name);
    } else if (dynamic_cast<const GzipFileSource*>(task.source.get()) != nullptr) {
        record.origin = RecordOrigin::GzipFiles;
    }
    return record;
}

}  // namespace

std::string EventSummaryHeader(bool withMeasures) {
    return SummaryHeader(BuildPeriodTable(), false, {}, false, withMeasures);
}

// Keeps each submitted record's way back to its files and turns its outcome
// into a row, in the order of the records.
class EventReading::Sink : public OutcomeSink {
public:
    explicit Sink(EventReading& owner) : owner_(owner) {}

    void Submitted(const RecordTask& task) override {
        pending_.push_back(RecordOfTask(task));
        const std::lock_guard lock(owner_.mutex_);
        if (task.sameAs.empty()) ++owner_.progress_.expected;
    }

    void Emit(RecordOutcome outcome) override {
        EventRecord record = std::move(pending_.front());
        pending_.pop_front();
        // A file that names an earlier file's record has no row of its own.
        if (outcome.skipped || !outcome.sameAs.empty()) return;
        record.failed = !outcome.ok;
        record.summaryLine = outcome.ok ? outcome.summaryRow
                                        : FailedSummaryRow(outcome.file, outcome.failure, false, 0, owner_.withMeasures_);
        const std::lock_guard lock(owner_.mutex_);
        ++owner_.progress_.done;
        owner_.ready_.push_back(std::move(record));
    }

private:
    EventReading& owner_;
    std::deque<EventRecord> pending_;
};

EventReading::EventReading(std::string path, const StationDirectory& directory, int workers, bool withMeasures,
                           std::vector<std::string> inventoryFiles)
    : path_(std::move(path)),
      inventoryFiles_(std::move(inventoryFiles)),
      directory_(std::make_unique<StationDirectory>(directory)),
      workers_(workers > 0 ? workers : DefaultWorkerCount()),
      withMeasures_(withMeasures),
      thread_([this] { Run(); }) {}

EventReading::~EventReading() {
    Stop();
    thread_ = std::jthread();  // joins
}

void EventReading::Stop() { stop_ = true; }

std::vector<EventRecord> EventReading::Take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(ready_, {});
}

EventProgress EventReading::progress() const {
    const std::lock_guard lock(mutex_);
    return progress_;
}

void EventReading::Run() {
    LowerThreadPriority();
    const EventInput input = EventInputOf(path_);
    {
        const std::lock_guard lock(mutex_);
        progress_.skipped = input.skipped;
        progress_.error = input.error;
    }
    if (!input.files.empty() && !stop_) {
        const PipelineSettings options = EventOptions(input.files, withMeasures_, inventoryFiles_);
        FolderListings listings;
        const std::vector<PlannedRecord> plan = PlanRecords(options, &listings);
        // Progress goes by bytes: archives as they stream, plain files as handed on.
        std::vector<std::uint64_t> before(plan.size() + 1, 0);
        for (std::size_t i = 0; i < plan.size(); ++i) {
            std::error_code ec;
            const std::uintmax_t size = std::filesystem::file_size(plan[i].file, ec);
            before[i + 1] = before[i] + (ec ? 0 : size);
        }
        const auto progress = [&](std::size_t index, std::uint64_t bytes) {
            const std::uint64_t total = before.back();
            if (total == 0) return;
            const std::uint64_t done = before[index] + std::min<std::uint64_t>(bytes, before[index + 1] - before[index]);
            const std::lock_guard lock(mutex_);
            progress_.fraction = static_cast<double>(done) / static_cast<double>(total);
        };
        Sink sink(*this);
        // No more workers than records, as the batch starts them.
        const int workers = BatchWorkerCount(0, plan, workers_);
        RecordPipeline pipeline(PipelineWindow(workers), sink);
        WorkerHooks hooks{LowerThreadPriority, [this] { return stop_.load(); }};
        try {
            RunRecordWorkers(pipeline, workers, *directory_, options, &listings, [&] {
                const std::vector<ArchiveFeedReport> reports =
                    FeedRecords(options, plan, &listings, [&](RecordTask task) {
                        if (stop_) throw Stopped{};
                        pipeline.Submit(std::move(task));
                    }, progress);
                const std::lock_guard lock(mutex_);
                for (const ArchiveFeedReport& report : reports) progress_.skipped += report.stats.skipped;
            }, hooks);
        } catch (const Stopped&) {
            // The workers have given the records already handed in.
        }
    }
    const std::lock_guard lock(mutex_);
    progress_.stopped = stop_;
    progress_.finished = true;
}

}  // namespace tremblo
