#pragma once
// Spreading a computation over the processor's cores. The helper threads are
// started once, on first use, and wait between calls, so that short passes
// (a filter pass takes a few milliseconds) do not pay for starting threads.
#include <functional>

namespace tremblo {

// The number of hardware threads, at least 1.
int DefaultWorkerCount();

// Runs body(worker) for worker = 0 .. workers-1, worker 0 on the calling
// thread and the others on the shared helper threads; returns when all are
// done. When the helpers are busy with another call, or a helper cannot be
// started, the missing shares run on threads started for the call or, failing
// that, on the caller, so the work is always completed. workers <= 1 runs
// body(0) alone.
void RunOnWorkers(int workers, const std::function<void(int worker)>& body);

}  // namespace tremblo
