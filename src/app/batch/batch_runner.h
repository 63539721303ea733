#pragma once
// The batch itself: every record of the options on all cores, one record at
// a time per worker, each worker with its own session, workspaces and
// picture; the station directory is read once and shared.
#include <ostream>

#include "app/batch/batch_options.h"

namespace tremblo {

// Progress and failures go to err (a bar when `terminal`), the --info
// objects to out in the order of the files, and at the end a summary (to
// out, or to err with --info). Returns 0 when every record was processed,
// 1 when any failed or a file of the whole run (the summary, say) could not
// be written, 2 when the output folder or the summary file cannot be made.
// Needs a QGuiApplication when files are written (the picture's texts).
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool terminal);

}  // namespace tremblo
