#pragma once
// Hands the records of a batch to worker threads as they are found and gives
// their outcomes back in the order the records were handed in, whatever
// order the workers finish them in. At most `window` records are between
// handing in and their outcome being given back: reading input waits for
// the workers, so memory stays bounded however many records come.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <map>
#include <mutex>
#include <optional>

#include "pipeline/record_task.h"
#include "pipeline/record_worker.h"

namespace tremblo {

// Receives the pipeline's news, one call at a time.
class OutcomeSink {
public:
    virtual ~OutcomeSink() = default;
    virtual void Submitted(const RecordTask& task) = 0;
    // The outcomes, in the order their tasks were submitted.
    virtual void Emit(RecordOutcome outcome) = 0;
};

struct NumberedTask {
    std::size_t number = 0;
    RecordTask task;
};

class RecordPipeline {
public:
    RecordPipeline(std::size_t window, OutcomeSink& sink) : window_(window), sink_(sink) {}

    // The reading side. Submit waits while the window is full.
    void Submit(RecordTask task);
    void Close();  // no more tasks

    // The worker side. WorkerStarted before a worker runs, WorkerGone when it
    // stops (its end, or no memory for it); once none is left, the tasks not
    // taken fail.
    void WorkerStarted();
    void WorkerGone();
    std::optional<NumberedTask> Take();  // nothing once closed and drained
    void Finish(std::size_t number, RecordOutcome outcome);

private:
    void FinishLocked(std::size_t number, RecordOutcome outcome);
    void FailUntaken();

    std::size_t window_;
    OutcomeSink& sink_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<NumberedTask> queue_;
    std::map<std::size_t, RecordOutcome> waiting_;  // finished out of order
    std::size_t submitted_ = 0, emitted_ = 0;
    int workers_ = 0;
    bool closed_ = false;
};

// The outcome of a task that no worker could take.
RecordOutcome OutOfMemoryOutcome(const RecordTask& task);

}  // namespace tremblo
