#pragma once
// The batch program run as a user runs it, with its output and exit status
// kept, and never for longer than a deadline: a program that blocks or
// keeps reading is killed, and the test fails on its status instead of
// hanging (batch_input_tests: the build names the program in
// TREMBLO_BATCH_PROGRAM).
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

namespace tremblo::testing {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when killed on a signal or after the deadline
    std::string out, err;
    double seconds = 0;
};

// Runs the program in `folder` (its output is kept there), with the
// environment's `environment` added ("NAME=value"). `during` runs with the
// program's pid while it runs.
inline ProgramRun RunProgram(const TempFolder& folder, const std::vector<std::string>& arguments,
                             double deadline = 20, const std::function<void(pid_t)>& during = nullptr,
                             const std::vector<std::string>& environment = {}) {
    const std::string outFile = folder / "stdout.txt", errFile = folder / "stderr.txt";
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        for (const std::string& setting : environment) putenv(const_cast<char*>(setting.c_str()));
        std::vector<char*> argv{const_cast<char*>(TREMBLO_BATCH_PROGRAM)};
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ProgramRun run;
    if (during) during(pid);
    int status = 0;
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (elapsed() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.seconds = elapsed();
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    run.out = ReadWholeFile(outFile);
    run.err = ReadWholeFile(errFile);
    return run;
}

}  // namespace tremblo::testing
