// Imports racing into one user station file: each reads the file, merges
// its list and writes the file back, so an import that read the file
// before another wrote it would drop the other's new rows.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/batch/batch_options.h"
#include "app/batch/station_import_run.h"
#include "common/file_lock.h"
#include "common/format.h"
#include "program_run.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::SamplePath;
using testing::TempFolder;

// A K-NET code of its own for each import: AAA000, AAA001, ...
std::string CodeOf(int n) { return StringPrintf("A%c%c%03d", 'A' + n / 26000 % 26, 'A' + n / 1000 % 26, n % 1000); }

TEST(StationImportRace, ImportsRacingIntoOneFileKeepEveryNewStation) {
    TempFolder folder;
    setenv("XDG_DATA_HOME", (folder / "home").c_str(), 1);
    const std::string target = folder / "home/tremblo/DATA/SITENAME.CSV";
    // A directory big enough that reading and merging it takes a while.
    std::string rows;
    for (int i = 0; i < 1500; ++i) rows += "K" + std::to_string(10000 + i).substr(1) + "X1,N,0,0,1\r\n";
    folder.Write("home/tremblo/DATA/SITENAME.CSV", rows);

    constexpr int kImports = 4, kRounds = 10;
    int code = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<BatchOptions> options(kImports);
        std::vector<std::string> codes;
        for (BatchOptions& o : options) {
            codes.push_back(CodeOf(code++));
            o.dataFolder = SamplePath("data/DATA");
            o.importStations = folder.Write("list" + codes.back() + ".csv", codes.back() + ",ABA,44,144,12,NA,HOKKAIDO,-,\n");
        }
        std::vector<std::ostringstream> reports(kImports);
        std::vector<int> results(kImports, -1);
        std::atomic<int> ready{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < kImports; ++i)
            threads.emplace_back([&, i] {
                for (++ready; ready < kImports;) std::this_thread::yield();
                results[static_cast<std::size_t>(i)] = RunStationImport(options[static_cast<std::size_t>(i)], reports[static_cast<std::size_t>(i)]);
            });
        for (std::thread& t : threads) t.join();
        const std::string text = ReadWholeFile(target);
        for (int i = 0; i < kImports; ++i) {
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(results[k], 1) << reports[k].str();
            EXPECT_NE(reports[k].str().find("stations: 1 added"), std::string::npos) << reports[k].str();
            EXPECT_NE(text.find(codes[k] + ", ABA,"), std::string::npos) << "round " << round << ": " << codes[k] << " lost";
        }
        EXPECT_EQ(text.rfind(rows, 0), 0u);
    }
    EXPECT_FALSE(fs::exists(folder / "home/tremblo/SITENAME.CSV.lock"));  // its last holder removed it
    unsetenv("XDG_DATA_HOME");
}

// Another program holding the lock: the import says it waits, and writes
// only once the lock is given up.
TEST(StationImportRace, TheBatchProgramWaitsForTheLock) {
    TempFolder folder;
    const std::string home = folder / "home";
    fs::create_directories(home + "/tremblo");
    const std::string list = folder.Write("list.csv", "AAA001,ABA,44,144,12,NA,HOKKAIDO,-,\n");
    std::string why;
    std::optional<FileLock> held = FileLock::Acquire(home + "/tremblo/SITENAME.CSV.lock", why);
    ASSERT_TRUE(held) << why;
    bool finishedWhileHeld = true;
    const ProgramRun run = RunProgram(
        folder, {"--data", SamplePath("data/DATA"), "--import-stations", list}, 20,
        [&](pid_t pid) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            finishedWhileHeld = waitpid(pid, nullptr, WNOHANG) != 0;
            held.reset();
        },
        {"XDG_DATA_HOME=" + home});
    EXPECT_FALSE(finishedWhileHeld);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("note: waiting for another import into " + home + "/tremblo/DATA/SITENAME.CSV"),
              std::string::npos) << run.err;
    EXPECT_NE(ReadWholeFile(home + "/tremblo/DATA/SITENAME.CSV").find("AAA001, ABA,"), std::string::npos);
}

// An import that takes nothing makes no DATA folder: the program would
// look for its stations there from then on.
TEST(StationImportRace, AnImportThatTakesNothingMakesNoDataFolder) {
    TempFolder folder;
    setenv("XDG_DATA_HOME", (folder / "home").c_str(), 1);
    BatchOptions options;
    options.dataFolder = SamplePath("data/DATA");
    options.importStations = folder.Write("list.csv", "Code,Name\n\x01\x02\n");
    std::ostringstream err;
    EXPECT_FALSE(RunStationImport(options, err));
    EXPECT_FALSE(fs::exists(folder / "home/tremblo/DATA")) << err.str();
    EXPECT_FALSE(fs::exists(folder / "home/tremblo/SITENAME.CSV.lock"));
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace tremblo
