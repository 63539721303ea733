// Every way the programs open a file the user named, handed a FIFO or a
// folder instead: each fails at once with a message. A FIFO would hold
// open() until some program writes to it; a watchdog plays that program
// after two seconds, so that a way that waits fails on its time instead of
// hanging the test.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/batch/batch_options.h"
#include "pipeline/event_input.h"
#include "pipeline/file_list.h"
#include "app/batch/station_import_run.h"
#include "input/archive_members.h"
#include "input/archive_reader.h"
#include "input/gzip_bytes.h"
#include "input/gzip_file_source.h"
#include "input/record_file_source.h"
#include "program_run.h"
#include "stations/station_directory.h"
#include "support/fifo_watchdog.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "target/target_table_file.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::FifoWatchdog;
using testing::ProgramRun;
using testing::RunProgram;
using testing::SamplePath;
using testing::TempFolder;

const std::string kSampleNs = "samples/knet/AIC0012411051012.NS";

enum class Kind { Fifo, Folder };

const char* KindName(Kind kind) { return kind == Kind::Fifo ? "FIFO" : "folder"; }

// `name` made as a FIFO or a folder in a folder of its own.
std::string MakeNoFile(const TempFolder& temp, const std::string& name, Kind kind, int index) {
    const fs::path path = temp.path() / std::to_string(index) / name;
    fs::create_directories(path.parent_path());
    if (kind == Kind::Fifo)
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    else
        fs::create_directories(path);
    return path.string();
}

struct Opener {
    const char* what;
    std::string name;  // its ending chooses how the file is read
    // The message the opener gives; "" when it opened the file.
    std::function<std::string(const std::string& path)> open;
};

std::vector<Opener> Openers() {
    return {
        {"record file", "X.NS",
         [](const std::string& path) {
             DiskFileSource disk;
             return disk.Open(path) ? std::string() : disk.OpenFailure(path);
         }},
        {"compressed record file", "X.NS.gz",
         [](const std::string& path) {
             GzipFileSource gzip;
             const std::string load = WithoutGzipExtension(path);
             return gzip.Open(load) ? std::string() : gzip.OpenFailure(load);
         }},
        {"gzip file", "X.NS.gz",
         [](const std::string& path) {
             const Result<std::string> content = ReadGzipFile(path);
             return content ? std::string() : content.error().message;
         }},
        {"archive", "event.tar",
         [](const std::string& path) {
             ArchiveReader reader(path);
             ArchiveMember member;
             if (reader.error().empty()) reader.Next(member);
             return reader.error();
         }},
        {"archive members", "event.tar",
         [](const std::string& path) {
             const auto members = ReadArchiveMembers(path, {"X.NS"});
             return members ? std::string() : members.error().message;
         }},
        {"target table", "site.csv",
         [](const std::string& path) {
             const Result<TargetSpectrum> target = ReadTargetFile(path);
             return target ? std::string() : target.error().message;
         }},
        {"station file", "SITENAME.CSV",
         [](const std::string& path) {
             std::string bytes, problem;
             ReadStationFileBytes(path, bytes, problem);
             return problem;
         }},
        {"station directory", "SITENAME.CSV",
         [](const std::string& path) {
             const auto directory = std::make_unique<StationDirectory>();
             testing::ScriptedPlatform platform;
             LoadStationDirectory(fs::path(path).parent_path().string(), *directory, platform);
             return platform.messages.empty() ? std::string() : platform.messages.front().text;
         }},
        {"--files-from", "list.txt",
         [](const std::string& path) {
             std::istringstream none;
             return ReadFileListFrom(path, none).error;
         }},
        {"event list", "list.txt", [](const std::string& path) { return EventInputOf(path).error; }},
        {"event archive", "event.tar", [](const std::string& path) { return EventInputOf(path).error; }},
        {"--import-stations", "sitepub_all_en.csv",
         [](const std::string& path) {
             BatchOptions options;
             options.importStations = path;
             std::ostringstream err;
             return RunStationImport(options, err) ? std::string() : err.str();
         }},
    };
}

class FileOpening : public ::testing::Test {
protected:
    void SetUp() override {
        // The station import writes nowhere outside the test's folder.
        setenv("XDG_DATA_HOME", (temp / "home").c_str(), 1);
    }
    TempFolder temp;
};

TEST_F(FileOpening, EveryOpenerRefusesAFifoOrAFolderAtOnce) {
    int index = 0;
    for (const Opener& opener : Openers()) {
        for (const Kind kind : {Kind::Fifo, Kind::Folder}) {
            const std::string path = MakeNoFile(temp, opener.name, kind, ++index);
            std::string message;
            const auto started = std::chrono::steady_clock::now();
            {
                const FifoWatchdog watchdog(path);
                message = opener.open(path);
            }
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            EXPECT_LT(seconds, 1.0) << opener.what << ", " << KindName(kind);
            EXPECT_FALSE(message.empty()) << opener.what << ", " << KindName(kind);
        }
    }
    EXPECT_FALSE(fs::exists(temp / "home/tremblo/DATA/SITENAME.CSV"));
}

// The same through the programs' options, the messages naming the file.
TEST_F(FileOpening, TheBatchProgramRefusesAFifoOrAFolderAtOnce) {
    const std::string record = SamplePath(kSampleNs);
    const std::string data = SamplePath("data/DATA");
    struct Case {
        std::string name;
        std::function<std::vector<std::string>(const std::string& path)> arguments;
        int status;
    };
    const std::vector<Case> cases{
        {"event.tar", [&](const std::string& p) { return std::vector<std::string>{"--data", data, p}; }, 1},
        {"X.NS.gz", [&](const std::string& p) { return std::vector<std::string>{"--data", data, p}; }, 1},
        {"sitepub.csv", [&](const std::string& p) { return std::vector<std::string>{"--data", data, "--import-stations", p}; }, 1},
        {"site.csv", [&](const std::string& p) { return std::vector<std::string>{"--data", data, "--target", p, record}; }, 64},
        {"list.txt", [&](const std::string& p) { return std::vector<std::string>{"--data", data, "--files-from", p}; }, 64},
        {"SITENAME.CSV",
         [&](const std::string& p) {
             return std::vector<std::string>{"--data", fs::path(p).parent_path().string(), "--info", record};
         },
         0},
    };
    int index = 100;
    for (const Case& c : cases) {
        for (const Kind kind : {Kind::Fifo, Kind::Folder}) {
            const std::string path = MakeNoFile(temp, c.name, kind, ++index);
            ProgramRun run;
            {
                // Longer than the program takes to start on a busy machine.
                const FifoWatchdog watchdog({path}, std::chrono::seconds(6));
                run = RunProgram(temp, c.arguments(path), 10, nullptr, {"XDG_DATA_HOME=" + (temp / "home")});
            }
            EXPECT_EQ(run.status, c.status) << c.name << ", " << KindName(kind) << "\n" << run.err;
            EXPECT_LT(run.seconds, 4.0) << c.name << ", " << KindName(kind);
            EXPECT_NE(run.err.find(path), std::string::npos) << c.name << ", " << KindName(kind) << "\n" << run.err;
        }
    }
}

// A pipe a program writes to is a list of files, read as it comes
// (`--files-from <(find ...)`), however long the writer takes.
TEST_F(FileOpening, AListComesThroughAPipeWhileAProgramWritesIt) {
    const std::string fifo = temp / "list";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A reader first, so that the writer can open without waiting.
    const int keep = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int writer = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    const std::string first = "a.ns\n", second = "b.ns\n";
    ASSERT_EQ(::write(writer, first.data(), first.size()), static_cast<ssize_t>(first.size()));
    std::thread late([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(::write(writer, second.data(), second.size()), static_cast<ssize_t>(second.size()));
        ::close(writer);
    });
    std::istringstream none;
    const FileList list = ReadFileListFrom(fifo, none);
    late.join();
    ::close(keep);
    EXPECT_EQ(list.error, "");
    EXPECT_EQ(list.files, (std::vector<std::string>{"a.ns", "b.ns"}));
}

}  // namespace
}  // namespace tremblo
