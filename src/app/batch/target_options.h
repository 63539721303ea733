#pragma once
// The batch's target spectra: --target (repeatable), --zone and
// --print-target. The targets are read while the command line is: a table
// that cannot be read stops the run before any record, as a value the
// batch does not take.
#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "target/target_spectrum.h"

namespace tremblo {

struct TargetOptionTexts {
    std::vector<std::string> targets;  // --target
    double zone = 1.0;                 // --zone
    std::string printTarget;           // --print-target
};

void AddTargetOptions(CLI::App& app, TargetOptionTexts& texts);

// A check of a decimal option: a finite number from `min` to `max` ("nan"
// and "inf" are numbers to the parser, but no value of the option).
CLI::Validator FiniteRange(double min, double max, const std::string& option, const std::string& what);

// Whether --print-target was given: the run then only prints.
inline bool PrintsTarget(const TargetOptionTexts& texts) { return !texts.printTarget.empty(); }

// --print-target: the target at the table periods on `out`; the exit status.
int PrintTarget(const TargetOptionTexts& texts, std::ostream& out, std::ostream& err);

// The targets of --target with --zone, keys made distinct; nothing (the
// reason on `err`) when a table cannot be read.
std::optional<std::vector<TargetSpectrum>> LoadTargets(const TargetOptionTexts& texts, std::ostream& err);

}  // namespace tremblo
