#include "compute/staged_pipelines.h"

#include <condition_variable>
#include <mutex>

#include "compute/parallel_workers.h"

namespace tremblo {

namespace {

struct Cursor {
    size_t step = 0;
    int nextPart = 0;
    int partsDone = 0;
};

class Scheduler {
public:
    explicit Scheduler(const std::vector<Pipeline>& pipelines)
        : pipelines_(pipelines), cursors_(pipelines.size()) {
        for (size_t p = 0; p < pipelines_.size(); ++p) SkipEmptySteps(p);
    }

    void Work() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            size_t p = 0;
            if (!Pick(p)) {
                if (AllFinished()) return;
                changed_.wait(lock);
                continue;
            }
            Cursor& cursor = cursors_[p];
            const PipelineStep& step = pipelines_[p][cursor.step];
            const int part = cursor.nextPart++;
            lock.unlock();
            step.run(part);
            lock.lock();
            if (++cursor.partsDone == step.parts) {
                ++cursor.step;
                cursor.nextPart = cursor.partsDone = 0;
                SkipEmptySteps(p);
                changed_.notify_all();
            }
        }
    }

private:
    bool Finished(size_t p) const { return cursors_[p].step >= pipelines_[p].size(); }

    bool AllFinished() const {
        for (size_t p = 0; p < pipelines_.size(); ++p) {
            if (!Finished(p)) return false;
        }
        return true;
    }

    void SkipEmptySteps(size_t p) {
        while (!Finished(p) && pipelines_[p][cursors_[p].step].parts <= 0) ++cursors_[p].step;
    }

    bool HasWork(size_t p) const {
        return !Finished(p) && cursors_[p].nextPart < pipelines_[p][cursors_[p].step].parts;
    }

    // A serial step of the earliest pipeline first, then the earliest
    // pipeline's parallel work.
    bool Pick(size_t& chosen) const {
        bool found = false;
        for (size_t p = 0; p < pipelines_.size(); ++p) {
            if (!HasWork(p)) continue;
            if (pipelines_[p][cursors_[p].step].parts == 1) {
                chosen = p;
                return true;
            }
            if (!found) {
                chosen = p;
                found = true;
            }
        }
        return found;
    }

    const std::vector<Pipeline>& pipelines_;
    std::vector<Cursor> cursors_;
    std::mutex mutex_;
    std::condition_variable changed_;
};

}  // namespace

void RunStagedPipelines(const std::vector<Pipeline>& pipelines, int workers) {
    Scheduler scheduler(pipelines);
    if (workers <= 0) workers = DefaultWorkerCount();
    RunOnWorkers(workers, [&](int) { scheduler.Work(); });
}

}  // namespace tremblo
