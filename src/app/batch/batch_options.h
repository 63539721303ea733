#pragma once
// The batch front end's command line: the windows' settings as options, with
// the windows' defaults.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "record/seismic_record.h"
#include "wave/waveform_drawing.h"
#include "wave/waveform_preparation.h"

namespace tremblo {

struct BatchOptions {
    std::vector<std::string> files;
    std::string outFolder = ".";
    bool outGiven = false;                // --out was on the command line
    std::optional<RecordFormat> format;   // recognised per file when absent
    bool threeComponents = true;          // --components 3
    bool removeDc = true;                 // off with --no-dc
    std::optional<int> start;             // --start N; automatic when absent
    int timeSpanIndex = 3;                // --span 50
    WaveQuantity quantity = WaveQuantity::Acceleration;
    // --amplitude: the amplitude at the top of each row's band, one value for
    // every row (1ch指定) or one per row; automatic when empty.
    std::vector<float> amplitudes;
    WaveDisplayOptions display;           // --no-title, --no-data-count, --no-max, --no-max-point
    bool info = false;                    // --info: JSON on standard output
    int jobs = 0;                         // --jobs; <= 0: all cores
    std::string dataFolder;               // --data; empty: found as the program finds it
};

// The outcome of reading the command line: options to run with, or an exit
// status when the program should stop at once (help, version, usage error;
// their text is already written to out or err).
struct ParsedCommandLine {
    std::optional<BatchOptions> options;
    int exitStatus = 0;
};

ParsedCommandLine ParseBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err);

// The RGTime item of a time span in seconds (5, 10, 25, 50, 100, 250), or
// nothing for any other span.
std::optional<int> TimeSpanIndex(int seconds);

}  // namespace tremblo
