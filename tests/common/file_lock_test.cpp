#include "common/file_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A second holder waits, told so, until the first gives the lock up; the
// lock file goes with its last holder.
TEST(FileLock, HoldersTakeTurnsAndLeaveNoFile) {
    TempFolder temp;
    const std::string path = temp / "x.lock";
    std::string why;
    std::optional<FileLock> first = FileLock::Acquire(path, why);
    ASSERT_TRUE(first) << why;
    EXPECT_TRUE(fs::exists(path));
    std::atomic<bool> told{false}, second{false};
    std::thread other([&] {
        std::string otherWhy;
        const std::optional<FileLock> lock = FileLock::Acquire(path, otherWhy, [&] { told = true; });
        EXPECT_TRUE(lock) << otherWhy;
        second = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(told);
    EXPECT_FALSE(second);
    first.reset();
    other.join();
    EXPECT_TRUE(second);
    EXPECT_FALSE(fs::exists(path));
}

TEST(FileLock, IsNeverTakenThroughALinkOrInAFolderThatIsNotThere) {
    TempFolder temp;
    fs::create_symlink(temp / "elsewhere", temp / "link.lock");
    ASSERT_EQ(::mkfifo((temp / "fifo.lock").c_str(), 0600), 0);
    for (const std::string& path : {temp / "link.lock", temp / "missing/x.lock", temp / "fifo.lock"}) {
        std::string why;
        EXPECT_FALSE(FileLock::Acquire(path, why)) << path;
        EXPECT_FALSE(why.empty()) << path;
    }
    EXPECT_FALSE(fs::exists(temp / "elsewhere"));
    EXPECT_TRUE(fs::is_fifo(temp / "fifo.lock"));  // not removed: it was never the lock
}

}  // namespace
}  // namespace tremblo
