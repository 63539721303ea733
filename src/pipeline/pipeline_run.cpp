#include "pipeline/pipeline_run.h"

#include <cstdint>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "pipeline/record_worker.h"
#include "compute/memory_budget.h"

namespace tremblo {

RecordOutcome ProcessGuarded(RecordWorker& worker, const RecordTask& task, MemoryBudget* budget) {
    RecordOutcome outcome;
    outcome.file = task.file;
    if (!task.sameAs.empty()) {
        outcome.ok = true;
        outcome.sameAs = task.sameAs;
        return outcome;
    }
    if (!task.failure.empty()) {
        outcome.failure = task.failure;
        return outcome;
    }
    try {
        std::optional<MemoryBudget::Hold> hold;
        if (budget != nullptr) hold.emplace(budget->Reserve(RecordMemoryEstimate(task.fileBytes)));
        return worker.Process(task.file, task.loadPath, task.format, task.source.get());
    } catch (const std::exception& e) {
        outcome.failure = e.what();
        return outcome;
    }
}

void RunRecordWorkers(RecordPipeline& pipeline, int workers, const StationDirectory& directory,
                      const PipelineSettings& options, FolderListings* listings, const std::function<void()>& feed,
                      const WorkerHooks& hooks) {
    OutputNameClaims claims;  // of the records writing files, over all workers
    // Three quarters of the memory available: large records take turns.
    const std::uint64_t available = AvailableMemoryBytes();
    MemoryBudget budget(available > 0 ? available / 4 * 3 : UINT64_MAX);
    const auto work = [&] {
        if (hooks.started) hooks.started();
        try {
            RecordWorker worker(directory, options, listings, &claims);
            while (std::optional<NumberedTask> next = pipeline.Take()) {
                if (hooks.skip && hooks.skip()) {
                    RecordOutcome skipped;
                    skipped.file = next->task.file;
                    skipped.skipped = true;
                    pipeline.Finish(next->number, std::move(skipped));
                    continue;
                }
                pipeline.Finish(next->number, ProcessGuarded(worker, next->task, &budget));
            }
        } catch (const std::exception&) {
            // No memory for this worker's buffers: the others take its share.
        }
        pipeline.WorkerGone();
    };
    std::vector<std::jthread> threads;
    try {
        for (int w = 0; w < workers; ++w) {
            pipeline.WorkerStarted();
            threads.emplace_back(work);
        }
    } catch (const std::system_error&) {
        pipeline.WorkerGone();  // fewer threads than cores: the ones running take the rest
    }
    try {
        feed();
    } catch (...) {
        pipeline.Close();
        throw;
    }
    pipeline.Close();
}

}  // namespace tremblo
