#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

}  // namespace
}  // namespace tremblo
