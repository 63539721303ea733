#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
