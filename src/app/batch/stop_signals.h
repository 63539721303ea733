#pragma once
// SIGINT and SIGTERM in tremblo-batch: the run stops at once, and the
// temporary files its writers have open are removed first, so that neither
// the output folder nor the summary's folder keeps NAME.tremblo-...tmp
// files.
namespace tremblo {

// Blocks both signals in this thread and in every thread made after it, and
// starts the thread that waits for them: it removes the live temporary files
// and ends the program with status 128 + the signal's number. Call first in
// main, before any other thread exists.
void HandleStopSignals();

}  // namespace tremblo
