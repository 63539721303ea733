#pragma once
// The batch's record workers around a pipeline: each worker has its own
// session and buffers and takes records until the pipeline is closed and
// drained. The batch front end and the event window run records this way.
#include <functional>

#include "pipeline/pipeline_settings.h"
#include "pipeline/record_pipeline.h"
#include "compute/memory_budget.h"
#include "stations/station_directory.h"

namespace tremblo {

struct WorkerHooks {
    // Run on each worker thread before its first record (a lower priority, say).
    std::function<void()> started;
    // Asked before each record: true gives the record's outcome without
    // loading it, marked skipped (a stopped run).
    std::function<bool()> skip;
};

// How many records may be between handing in and their outcome: enough to
// keep `workers` busy while the input is read, few enough to bound memory.
inline std::size_t PipelineWindow(int workers) { return static_cast<std::size_t>(4 * workers + 4); }

// The outcome of one task: a record known to fail, or standing for an
// earlier file's record, is not loaded; one that throws (memory exhausted,
// say) fails alone. With a budget, the record's memory estimate is reserved
// from it while it is processed.
RecordOutcome ProcessGuarded(RecordWorker& worker, const RecordTask& task, MemoryBudget* budget = nullptr);

// Starts `workers` worker threads on `pipeline`, calls `feed` (which submits
// the records) on the calling thread, closes the pipeline and returns when
// every worker is done. Fewer threads than asked for (none can be started)
// still process every record.
void RunRecordWorkers(RecordPipeline& pipeline, int workers, const StationDirectory& directory,
                      const PipelineSettings& options, FolderListings* listings, const std::function<void()>& feed,
                      const WorkerHooks& hooks = {});

}  // namespace tremblo
