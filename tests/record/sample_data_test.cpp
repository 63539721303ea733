// The sample records and station files in the repository are exactly what the
// generator writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;

TEST(SampleData, RepositoryFilesMatchTheGenerator) {
    testing::TempFolder temp;
    const std::string command = std::string(MAKE_SAMPLES) + " " + temp.path().string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(temp.path())) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = fs::relative(entry.path(), temp.path()).string();
        EXPECT_EQ(testing::ReadWholeFile(entry.path().string()),
                  testing::ReadWholeFile(testing::SamplePath(relative)))
            << relative;
        ++compared;
    }
    EXPECT_EQ(compared, 11);  // 3 formats x 3 components + 2 station files
}

}  // namespace
}  // namespace tremblo
