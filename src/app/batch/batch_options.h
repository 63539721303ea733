#pragma once
// The batch front end's command line: the pipeline's settings as options.
#include <functional>
#include <optional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "pipeline/pipeline_settings.h"

namespace tremblo {

using BatchOptions = PipelineSettings;

// The outcome of reading the command line: options to run with, or an exit
// status when the program should stop at once (help, version, usage error;
// their text is already written to out or err).
struct ParsedCommandLine {
    std::optional<BatchOptions> options;
    int exitStatus = 0;
};

inline constexpr int kUsageErrorStatus = 64;

// Called once the options are read, before any file they name is (target
// tables, --files-from): the program installs the language of its messages
// there, so that what those files make it say is said in that language.
using BeforeReadingFiles = std::function<void(const BatchOptions& options)>;

// A --files-from of "-" reads `standardInput`.
ParsedCommandLine ParseBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err, std::istream& standardInput,
                                        const BeforeReadingFiles& beforeReading = nullptr);
ParsedCommandLine ParseBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err);

// The RGTime item of a time span in seconds (5, 10, 25, 50, 100, 250), or
// nothing for any other span.
std::optional<int> TimeSpanIndex(int seconds);

}  // namespace tremblo
