#include "app/batch/stop_signals.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "common/atomic_file.h"

namespace tremblo {

// The signals are taken by a thread of their own (sigwait) rather than by a
// handler: the cleaning then runs as ordinary code, under the lock the
// writers take, and no temporary file is created after it.
void HandleStopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    if (pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0) return;
    std::thread([signals] {
        int signal = 0;
        while (sigwait(&signals, &signal) != 0) {
        }
        RemoveLiveTemporaryFiles();
        // The progress bar's line ends; nothing else of the run is flushed.
        constexpr char newline = '\n';
        if (isatty(STDERR_FILENO)) (void)!::write(STDERR_FILENO, &newline, 1);
        _exit(128 + signal);
    }).detach();
}

}  // namespace tremblo
