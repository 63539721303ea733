#pragma once
// The batch program itself, run as a user runs it (batch_tests only: the
// build names the program in TREMBLO_BATCH_PROGRAM).
#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace tremblo::testing {

// Runs tremblo-batch with `arguments` (quoted by the caller), its output
// discarded; returns its exit status.
inline int RunProgram(const std::string& arguments) {
    const std::string command = std::string("'") + TREMBLO_BATCH_PROGRAM + "' " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tremblo::testing
