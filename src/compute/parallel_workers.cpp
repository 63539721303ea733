#include "compute/parallel_workers.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tremblo {

namespace {

// Helper threads that sleep between calls. One call at a time owns them;
// a concurrent caller is told so and makes its own arrangements.
class HelperPool {
public:
    ~HelperPool() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_) t.join();
    }

    // Runs body(1 .. helpers) on the pool while `alongside` runs on the
    // caller, and returns how many helpers it took (the first ones); the
    // caller runs the rest. Returns -1 at once, running nothing, when
    // another call owns the pool.
    int Run(int helpers, const std::function<void(int)>& body, const std::function<void()>& alongside) {
        std::unique_lock<std::mutex> owner(owner_, std::try_to_lock);
        if (!owner.owns_lock()) return -1;
        const int taken = Grow(helpers);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            body_ = &body;
            wanted_ = taken;
            remaining_ = taken;
            ++generation_;
        }
        wake_.notify_all();
        alongside();
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [&] { return remaining_ == 0; });
        body_ = nullptr;
        return taken;
    }

private:
    int Grow(int helpers) {
        while (static_cast<int>(threads_.size()) < helpers) {
            const int index = static_cast<int>(threads_.size()) + 1;
            try {
                threads_.emplace_back([this, index, seen = generation_] { Serve(index, seen); });
            } catch (const std::system_error&) {
                break;
            }
        }
        return std::min(helpers, static_cast<int>(threads_.size()));
    }

    void Serve(int index, unsigned seen) {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
            if (index > wanted_) continue;
            const std::function<void(int)>* body = body_;
            lock.unlock();
            (*body)(index);
            lock.lock();
            if (--remaining_ == 0) done_.notify_one();
        }
    }

    std::mutex owner_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::vector<std::thread> threads_;
    const std::function<void(int)>* body_ = nullptr;
    int wanted_ = 0;
    int remaining_ = 0;
    unsigned generation_ = 0;
    bool stopping_ = false;
};

HelperPool& SharedPool() {
    static HelperPool pool;
    return pool;
}

// Runs body(first .. workers-1) on threads started for this call, share 0
// (when first is 0) on the caller; shares whose thread cannot be started run
// on the caller afterwards.
void RunOnOwnThreads(int first, int workers, const std::function<void(int)>& body) {
    std::vector<std::thread> threads;
    std::vector<int> leftOver;
    for (int w = std::max(first, 1); w < workers; ++w) {
        try {
            threads.emplace_back(body, w);
        } catch (const std::system_error&) {
            leftOver.push_back(w);
        }
    }
    if (first == 0) body(0);
    for (int w : leftOver) body(w);
    for (std::thread& t : threads) t.join();
}

}  // namespace

int DefaultWorkerCount() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

void RunOnWorkers(int workers, const std::function<void(int worker)>& body) {
    if (workers <= 1) {
        body(0);
        return;
    }
    const int taken = SharedPool().Run(workers - 1, body, [&] { body(0); });
    if (taken < 0) {
        // Another caller owns the pool: start threads for this call.
        RunOnOwnThreads(0, workers, body);
        return;
    }
    RunOnOwnThreads(1 + taken, workers, body);
}

}  // namespace tremblo
