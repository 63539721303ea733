#include "pipeline/record_pipeline.h"

#include "common/translation.h"

namespace tremblo {

RecordOutcome OutOfMemoryOutcome(const RecordTask& task) {
    RecordOutcome outcome;
    outcome.file = task.file;
    outcome.failure = TrText("batch", "メモリが足りません");
    return outcome;
}

void RecordPipeline::Submit(RecordTask task) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return submitted_ - emitted_ < window_ || workers_ == 0; });
    const std::size_t number = submitted_++;
    sink_.Submitted(task);
    if (workers_ == 0) {
        FinishLocked(number, OutOfMemoryOutcome(task));
        return;
    }
    queue_.push_back(NumberedTask{number, std::move(task)});
    changed_.notify_all();
}

void RecordPipeline::Close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void RecordPipeline::WorkerStarted() {
    const std::lock_guard lock(mutex_);
    ++workers_;
}

void RecordPipeline::WorkerGone() {
    const std::lock_guard lock(mutex_);
    if (--workers_ == 0) FailUntaken();
    changed_.notify_all();
}

void RecordPipeline::FailUntaken() {
    while (!queue_.empty()) {
        NumberedTask next = std::move(queue_.front());
        queue_.pop_front();
        FinishLocked(next.number, OutOfMemoryOutcome(next.task));
    }
}

std::optional<NumberedTask> RecordPipeline::Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !queue_.empty() || closed_; });
    if (queue_.empty()) return std::nullopt;
    NumberedTask next = std::move(queue_.front());
    queue_.pop_front();
    return next;
}

void RecordPipeline::Finish(std::size_t number, RecordOutcome outcome) {
    const std::lock_guard lock(mutex_);
    FinishLocked(number, std::move(outcome));
}

void RecordPipeline::FinishLocked(std::size_t number, RecordOutcome outcome) {
    waiting_.emplace(number, std::move(outcome));
    for (auto next = waiting_.find(emitted_); next != waiting_.end(); next = waiting_.find(emitted_)) {
        sink_.Emit(std::move(next->second));
        waiting_.erase(next);
        ++emitted_;
    }
    changed_.notify_all();
}

}  // namespace tremblo
