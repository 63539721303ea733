#include "common/readable_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fifo_watchdog.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::FifoWatchdog;
using testing::TempFolder;

// What opens and what does not, and why; none of it waits.
TEST(ReadableFile, OpensRegularFilesOnlyAndSaysWhyNot) {
    TempFolder temp;
    const std::string file = temp.Write("file.txt", "text");
    const std::string fifo = temp / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = temp / "folder";
    fs::create_directories(folder);
    fs::create_symlink(fifo, temp / "link-to-fifo");
    fs::create_symlink(file, temp / "link-to-file");
    struct Case {
        std::string path;
        FileKinds kinds;
        bool opens;
        bool refused;  // there, but no file to read
        bool refusedFolder;
        int error;
    };
    const std::vector<Case> cases{
        {file, FileKinds::Regular, true, false, false, 0},
        {temp / "link-to-file", FileKinds::Regular, true, false, false, 0},
        {temp / "missing", FileKinds::Regular, false, false, false, ENOENT},
        {folder, FileKinds::Regular, false, true, true, 0},
        {folder, FileKinds::RegularOrPipe, false, true, true, 0},
        {fifo, FileKinds::Regular, false, true, false, 0},
        {temp / "link-to-fifo", FileKinds::Regular, false, true, false, 0},
        {"/dev/null", FileKinds::Regular, false, true, false, 0},
        {"/dev/zero", FileKinds::RegularOrPipe, false, true, false, 0},
        // A pipe no program writes to.
        {fifo, FileKinds::RegularOrPipe, false, true, false, 0},
    };
    const FifoWatchdog watchdog(fifo);
    for (const Case& c : cases) {
        const auto started = std::chrono::steady_clock::now();
        const OpenedFile opened = OpenFileToRead(c.path, c.kinds);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << c.path;
        EXPECT_EQ(static_cast<bool>(opened), c.opens) << c.path;
        EXPECT_EQ(opened.refused(), c.refused) << c.path;
        EXPECT_EQ(opened.refusedFolder(), c.refusedFolder) << c.path;
        EXPECT_EQ(opened.error(), c.error) << c.path;
        EXPECT_EQ(opened.why().empty(), c.opens) << c.path;
        if (c.refused && c.kinds == FileKinds::Regular) {
            EXPECT_EQ(opened.why(), NotARegularFile(c.path)) << c.path;
        }
    }
    // The descriptor reads as a file opened in the usual way would.
    std::string why, bytes;
    const auto in = OpenFileStream(file, why);
    ASSERT_TRUE(in) << why;
    EXPECT_TRUE(ReadRest(*in, bytes));
    EXPECT_EQ(bytes, "text");
    std::FILE* handle = OpenFileHandle(file, why);
    ASSERT_NE(handle, nullptr);
    char read[8] = {};
    EXPECT_EQ(std::fread(read, 1, sizeof read, handle), 4u);
    std::fclose(handle);
    EXPECT_EQ(OpenFileHandle(fifo, why), nullptr);
    EXPECT_EQ(why, NotARegularFile(fifo));
}

// What a pipe held before the stream took it over comes first.
TEST(ReadableFile, APipeIsReadWholeWhileItsWriterWrites) {
    TempFolder temp;
    const std::string fifo = temp / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int keep = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int writer = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    const std::string text(10000, 'x');  // more than one probe takes
    ASSERT_EQ(::write(writer, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    std::string why, bytes;
    const auto in = OpenFileStream(fifo, why, FileKinds::RegularOrPipe);
    ASSERT_TRUE(in) << why;
    ASSERT_EQ(::write(writer, "end", 3), 3);
    ::close(writer);
    EXPECT_TRUE(ReadRest(*in, bytes));
    EXPECT_EQ(bytes, text + "end");
    ::close(keep);
}

}  // namespace
}  // namespace tremblo
