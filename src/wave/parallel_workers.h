#pragma once
// Spreading a computation over the processor's cores with plain std::thread.
#include <functional>

namespace tremblo {

// The number of hardware threads, at least 1.
int DefaultWorkerCount();

// Runs body(worker) for worker = 0 .. workers-1, worker 0 on the calling
// thread and the others on threads started for the call; returns when all
// are done. When a thread cannot be started its share runs on the caller,
// so the work is always completed. workers <= 1 runs body(0) alone.
void RunOnWorkers(int workers, const std::function<void(int worker)>& body);

}  // namespace tremblo
