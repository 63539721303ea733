#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "plot/png_writer.h"

#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;

TEST(WriteFileAtomically, ReplacesTheTargetWholeAndLeavesNoTemporaryFile) {
    testing::TempFolder temp;
    const std::string path = temp / "out.csv";
    ASSERT_TRUE(WriteFileAtomically(path, "old contents, longer than the new"));
    ASSERT_TRUE(WriteFileAtomically(path, std::string("new\0data", 8)));
    EXPECT_EQ(testing::ReadWholeFile(path), std::string("new\0data", 8));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IRGRP, 0u);  // not the private mode of a temporary file
}

TEST(WriteFileAtomically, AFailureLeavesTheFolderAsItWas) {
    testing::TempFolder temp;
    EXPECT_FALSE(WriteFileAtomically(temp / "missing/out.csv", "x"));
    fs::create_directory(temp / "taken.csv");  // a folder stands under the name
    EXPECT_FALSE(WriteFileAtomically(temp / "taken.csv", "x"));
    EXPECT_TRUE(fs::is_directory(temp / "taken.csv"));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}

// Writers that fail as a full disk and a broken device do, and one that
// takes a byte at a time.
ssize_t TakesNothing(int, const void*, std::size_t) { return 0; }
ssize_t FailsWithEio(int, const void*, std::size_t) {
    errno = EIO;
    return -1;
}
std::string taken;
ssize_t TakesOneByte(int, const void* bytes, std::size_t) {
    taken += *static_cast<const char*>(bytes);
    return 1;
}

TEST(WriteAll, SaysWhyAWriteFails) {
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    struct Case {
        const char* name;
        int fd;
        WriteFunction write;
        int error;
    };
    const std::vector<Case> cases{
        {"/dev/full", full, ::write, ENOSPC},
        {"nothing taken", full, TakesNothing, ENOSPC},
        {"EIO", full, FailsWithEio, EIO},
        {"a byte at a time", full, TakesOneByte, 0},
    };
    for (const Case& c : cases) {
        taken.clear();
        EXPECT_EQ(WriteAll(c.fd, "some bytes", c.write), c.error) << c.name;
    }
    EXPECT_EQ(taken, "some bytes");
    ::close(full);
}

TEST(WriteFileAtomically, SaysWhyItFails) {
    testing::TempFolder temp;
    fs::create_directory(temp / "taken.csv");
    const std::vector<std::pair<std::string, int>> cases{{temp / "missing/out.csv", ENOENT},
                                                         {temp / "taken.csv", EISDIR}};
    for (const auto& [path, error] : cases) {
        std::string why;
        EXPECT_FALSE(WriteFileAtomically(path, "x", &why));
        EXPECT_EQ(why, std::strerror(error)) << path;
    }
}

// In a child process: removing the live temporary files ends all making of
// them, which a test process cannot afford.
TEST(TemporaryFiles, TheLiveOnesAreRemovedOnRequest) {
    testing::TempFolder temp;
    EXPECT_EXIT(
        {
            const auto kept = CreateTemporaryBeside(temp / "kept.csv");
            const auto done = CreateTemporaryBeside(temp / "done.csv");
            const bool made = kept && done && WriteFileAtomically(temp / "whole.csv", "x");
            if (done) {
                std::rename(done->name.c_str(), (temp / "done.csv").c_str());
                ForgetTemporary(*done);
            }
            const int removed = RemoveLiveTemporaryFiles();
            const bool refused = !CreateTemporaryBeside(temp / "late.csv");
            std::_Exit(made && removed == 1 && refused ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"done.csv", "whole.csv"}));
}

// The process umask as the kernel reports it, without setting it.
int CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0) return std::stoi(line.substr(6), nullptr, 8);
    return -1;
}

// Writers never touch the process-wide umask: files that other threads
// create meanwhile keep the permissions the umask gives them.
TEST(WriteFileAtomically, NeverChangesTheUmaskOfTheProcess) {
    testing::TempFolder temp;
    const mode_t saved = umask(027);
    ASSERT_EQ(CurrentUmask(), 027);
    std::atomic<bool> done{false};
    std::atomic<int> otherUmasks{0};
    std::thread watcher([&] {
        while (!done) otherUmasks += CurrentUmask() != 027 ? 1 : 0;
    });
    std::vector<std::thread> writers;
    for (int t = 0; t < 2; ++t) {
        writers.emplace_back([&, t] {
            for (int i = 0; i < 400; ++i) {
                const std::string name = temp / ("f" + std::to_string(t) + "_" + std::to_string(i % 20));
                WriteFileAtomically(name + ".csv", "x");
                WritePngFile(name + ".png", RgbImage{1, 1, {0, 0, 0}});
            }
        });
    }
    for (std::thread& w : writers) w.join();
    done = true;
    watcher.join();
    umask(saved);
    EXPECT_EQ(otherUmasks.load(), 0);
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        struct stat info {};
        ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u) << entry.path();
    }
}

}  // namespace
}  // namespace tremblo
