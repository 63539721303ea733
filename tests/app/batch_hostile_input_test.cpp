// What a hostile trial handed tremblo-batch: lists and records that never
// end or are no files, a summary that cannot be written, names that are not
// UTF-8, and a stop by signal in the middle of the writing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/batch/batch_options.h"
#include "pipeline/file_list.h"
#include "pipeline/record_summary.h"
#include "app/batch/summary_writer.h"
#include "common/shift_jis.h"
#include "program_run.h"
#include "support/scripted_platform.h"
#include "support/endless_buffer.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

const std::string kKnetFolder = "samples/knet/";
const std::string kStem = "AIC0012411051012";

using testing::ProgramRun;
using testing::RunProgram;

std::vector<std::string> TemporaryFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".tmp") names.push_back(entry.path().string());
    return names;
}

using testing::EndlessBuffer;

TEST(BatchFileList, RefusesLinesNoPathCouldBe) {
    const std::string longest(FILE_LIST_LINE_LIMIT, 'a');
    struct Case {
        std::string text;
        std::string error;  // a part of it; "" when the list reads
        std::size_t files;
    };
    const std::vector<Case> cases{
        {"a.ns\n" + longest + "\r\nb.ns", "", 3},
        {"a.ns\n" + longest + "a\n", "line 2 is longer than a path can be (4096 bytes)", 0},
        {"a.ns\n\nb" + std::string(1, '\0') + ".ns\n", "line 3 holds a NUL byte", 0},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        const FileList list = ReadFileList(in);
        EXPECT_NE(list.error.find(c.error), std::string::npos) << list.error;
        EXPECT_EQ(list.error.empty(), c.error.empty()) << list.error;
        EXPECT_EQ(list.files.size(), c.files);
    }
    EndlessBuffer endless;
    std::istream never(&endless);
    EXPECT_NE(ReadFileList(never).error.find("line 1 is longer"), std::string::npos);
    EXPECT_LE(endless.taken(), FILE_LIST_LINE_LIMIT + 1024);
}

TEST(BatchProgram, RefusesWhatIsNoRecordFileOrList) {
    TempFolder folder;
    const std::string fifo = folder / "FIFO.NS";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = folder / "FOLDER.NS";
    fs::create_directories(directory);
    const std::string longList = folder.Write("long.txt", std::string(1 << 20, 'x'));
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const std::vector<Case> cases{
        {{fifo}, 1, "error: " + fifo + ": "},
        // A folder stands for its record files: one without any fails.
        {{directory}, 1, "error: フォルダ " + directory + " に地震記録ファイルがありません"},
        {{"--files-from", directory},
         64,
         "--files-from: cannot read " + directory + ": is a folder"},
        {{"--files-from", longList}, 64, "line 1 is longer than a path can be"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"--data", SamplePath("data/DATA")};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const ProgramRun run = RunProgram(folder, arguments, 10);
        EXPECT_EQ(run.status, c.status) << c.message << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_LT(run.seconds, 5.0) << c.message;
    }
}

// A full disk, as a write that takes nothing.
ssize_t DiskFull(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

TEST(SummaryWriter, SaysWhyTheTableWasNotWritten) {
    TempFolder folder;
    const std::string path = folder.Write("summary.csv", "earlier table\n");
    const std::string row(100000, 'r');  // more than is gathered before a write
    struct Case {
        std::string path;
        WriteFunction write;
        bool opens;
        std::string failure;
    };
    const std::vector<Case> cases{
        {path, DiskFull, true, std::strerror(ENOSPC)},
        {folder / "missing/summary.csv", ::write, false, std::strerror(ENOENT)},
        {path, ::write, true, ""},
    };
    for (const Case& c : cases) {
        SummaryWriter writer(c.write);
        ASSERT_EQ(writer.Open(c.path, "header\n"), c.opens) << c.failure;
        writer.Write(row);
        if (c.opens) {
            EXPECT_EQ(writer.Finish(), c.failure.empty()) << c.failure;
        }
        EXPECT_EQ(writer.failure(), c.failure);
        EXPECT_TRUE(TemporaryFilesIn(folder.path().string()).empty());
        if (!c.failure.empty()) {
            EXPECT_EQ(ReadWholeFile(path), "earlier table\n");  // left as it was
        }
    }
    EXPECT_EQ(ReadWholeFile(path), "header\n" + row);
}

TEST(BatchProgram, AnUnwritableSummaryIsNotReportedAsDone) {
    TempFolder folder;
    fs::create_directories(folder / "taken.csv");  // the table cannot take its place
    struct Case {
        std::string summary;
        int status;
        std::string message;
    };
    const std::vector<Case> cases{
        {folder / "gone/summary.csv", 2,
         folder / "gone/summary.csv" + ": " + std::strerror(ENOENT)},
        {folder / "taken.csv", 1,
         "summary " + folder / "taken.csv" + " not written (" + std::strerror(EISDIR) + ")"},
    };
    for (const Case& c : cases) {
        const ProgramRun run =
            RunProgram(folder, {"--data", SamplePath("data/DATA"), "--summary", c.summary,
                                SamplePath(kKnetFolder + kStem + ".NS")});
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE((run.err + run.out).find(c.message), std::string::npos) << run.err << run.out;
        EXPECT_EQ(run.out.find("files processed"), std::string::npos) << run.out;
    }
    EXPECT_TRUE(TemporaryFilesIn(folder.path().string()).empty());
}

// File names as the file system holds them: Shift-JIS from a Japanese
// Windows share, broken bytes, and a NUL byte inside a message (shown as
// \xHH, as messages show them).
TEST(SummaryRow, IsUtf8WhateverTheFileNames) {
    const std::string sjis = "\x92n\x90k/" + kStem + ".NS";  // 地震/ in Shift-JIS
    struct Case {
        std::string file, error, fileCell, errorCell;
    };
    const std::vector<Case> cases{
        {sjis, "データファイル " + sjis + " を読み込めません", "地震/" + kStem + ".NS",
         "データファイル 地震/" + kStem + ".NS を読み込めません"},
        {"\xFF.ns", std::string("a\0b", 3), "\\xff.ns", "a\\x00b"},  // bytes of no character, escaped
        {"地震.ns", "", "地震.ns", ""},
    };
    for (const Case& c : cases) {
        const std::string row = FailedSummaryRow(c.file, c.error, false);
        EXPECT_EQ(row.substr(0, row.find(',')), c.fileCell);
        EXPECT_EQ(row.substr(row.rfind(',') + 1), c.errorCell + "\r\n");
        EXPECT_EQ(row.find('\0'), std::string::npos);
    }
}

TEST(BatchProgram, TheSummaryNamesShiftJisFoldersInUtf8) {
    TempFolder folder;
    const std::string sjisFolder = folder / "\x92n\x90k";  // 地震 in Shift-JIS
    fs::create_directories(sjisFolder);
    for (const char* c : {".NS", ".EW", ".UD"})
        fs::copy_file(SamplePath(kKnetFolder + kStem + c), sjisFolder + "/" + kStem + c);
    const std::string summary = folder / "summary.csv";
    const ProgramRun run = RunProgram(folder, {"--data", SamplePath("data/DATA"), "--summary",
                                               summary, sjisFolder + "/" + kStem + ".NS"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string table = ReadWholeFile(summary);
    EXPECT_NE(table.find("\r\n" + (folder / "地震/") + kStem + ".NS,"), std::string::npos) << table;
    EXPECT_EQ(table.find("\x92n\x90k"), std::string::npos);
}

// 60 copies of the sample record (links to its files), listed in list.txt:
// a run long enough to be stopped in the middle.
void WriteRecordList(TempFolder& folder) {
    std::string list;
    for (int i = 0; i < 60; ++i) {
        const std::string copy = folder / ("in/" + std::to_string(i));
        fs::create_directories(copy);
        for (const char* c : {".NS", ".EW", ".UD"})
            fs::create_symlink(SamplePath(kKnetFolder + kStem + c), copy + "/" + kStem + c);
        list += copy + "/" + kStem + ".NS\n";
    }
    folder.Write("list.txt", list);
}

// Many records written to --out and a summary beside them; SIGTERM in the
// middle leaves no temporary file of either behind.
TEST(BatchProgram, StopsOnSignalsWithoutLeavingTemporaryFiles) {
    for (const int signal : {SIGTERM, SIGINT}) {
        TempFolder folder;
        WriteRecordList(folder);
        fs::create_directories(folder / "tables");
        const std::string out = folder / "out";
        bool signalled = false;
        const ProgramRun run = RunProgram(
            folder,
            {"--data", SamplePath("data/DATA"), "--jobs", "2", "--out", out, "--summary",
             folder / "tables/summary.csv", "--files-from", folder / "list.txt"},
            30, [&](pid_t pid) {
                // Once the first files are there, in the middle of the run.
                for (int i = 0; i < 2000 && !signalled; ++i) {
                    std::error_code ec;
                    if (fs::exists(out, ec) && std::distance(fs::directory_iterator(out, ec),
                                                             fs::directory_iterator()) >= 3) {
                        kill(pid, signal);
                        signalled = true;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            });
        ASSERT_TRUE(signalled);
        EXPECT_EQ(run.status, 128 + signal) << run.err;
        EXPECT_EQ(TemporaryFilesIn(folder.path().string()), std::vector<std::string>{});
        EXPECT_FALSE(fs::exists(folder / "tables/summary.csv"));  // no half table
    }
}

// SIGKILL leaves the temporary files of the files being written (at least
// the summary's, open all along); the next run writing into those folders
// takes them away, and leaves every other file.
TEST(BatchProgram, TheNextRunRemovesTemporaryFilesAKilledRunLeft) {
    TempFolder folder;
    WriteRecordList(folder);
    const std::vector<std::string> users{folder.Write("tables/notes.tmp", "mine"),
                                         folder.Write("tables/summary.csv.1.0000abcd.tmp", "mine")};
    const std::string out = folder / "out";
    const std::vector<std::string> arguments{"--data", SamplePath("data/DATA"), "--jobs", "2", "--out", out,
                                             "--summary", folder / "tables/summary.csv"};
    bool killed = false;
    std::vector<std::string> args = arguments;
    args.insert(args.end(), {"--files-from", folder / "list.txt"});
    RunProgram(folder, args, 30, [&](pid_t pid) {
        for (int i = 0; i < 2000 && !killed; ++i) {
            std::error_code ec;
            if (fs::exists(out, ec) && std::distance(fs::directory_iterator(out, ec), fs::directory_iterator()) >= 3) {
                kill(pid, SIGKILL);
                killed = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    ASSERT_TRUE(killed);
    const std::vector<std::string> left = TemporaryFilesIn(folder.path().string());
    ASSERT_GE(left.size(), users.size() + 1);

    args = arguments;
    args.push_back(folder / "in/0" + "/" + kStem + ".NS");
    const ProgramRun again = RunProgram(folder, args);
    EXPECT_EQ(again.status, 0) << again.err;
    std::vector<std::string> after = TemporaryFilesIn(folder.path().string());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, users);
    for (const std::string& path : users) EXPECT_EQ(ReadWholeFile(path), "mine");
}

}  // namespace
}  // namespace tremblo
