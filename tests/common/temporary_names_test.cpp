#include "common/temporary_names.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A process that has ended: no process runs under its number.
long GonePid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

std::string Other(const std::string& tag) { return tag == "0badf00d" ? "0badf00e" : "0badf00d"; }

TEST(TemporaryNames, OnlyThisMachinesOwnNamesAreTaken) {
    const std::string tag = ThisMachineTag();
    ASSERT_EQ(tag.size(), 8u);
    struct Case {
        std::string name;
        long pid;  // -1: not one of the program's temporary files
    };
    const std::vector<Case> cases{
        {"out.csv.tremblo-" + tag + "-123-deadbeef.tmp", 123},
        {"a.b.tremblo-x.tremblo-" + tag + "-1-00000000.tmp", 1},
        {"out.csv.tremblo-" + Other(tag) + "-123-deadbeef.tmp", -1},  // another machine's
        {"out.csv.123.deadbeef.tmp", -1},                               // no name of the program's
        {"out.csv.tremblo-" + tag + "-123-deadbee.tmp", -1},
        {"out.csv.tremblo-" + tag + "-123-DEADBEEF.tmp", -1},
        {"out.csv.tremblo-" + tag + "-12a-deadbeef.tmp", -1},
        {"out.csv.tremblo-" + tag + "--deadbeef.tmp", -1},
        {"out.csv.tremblo-" + tag + "-1234567890-deadbeef.tmp", -1},
        {"out.csv.tremblo-" + tag + "-123-deadbeef.tmp.bak", -1},
        {"out.csv.tremblo-" + tag + "-123-deadbeef", -1},
        {"notes.tmp", -1},
    };
    for (const Case& c : cases) {
        long pid = -1;
        EXPECT_EQ(ParseTemporaryName(c.name, pid), c.pid >= 0) << c.name;
        if (c.pid >= 0) {
            EXPECT_EQ(pid, c.pid) << c.name;
        }
    }
    EXPECT_EQ(TemporaryName("dir/out.csv", tag, 42, 0xabc), "dir/out.csv.tremblo-" + tag + "-42-00000abc.tmp");
}

// The first file written into a folder takes away what killed writers of
// this machine left there, and nothing else.
TEST(TemporaryNames, TheFirstWriteIntoAFolderRemovesStaleOnesOnly) {
    TempFolder temp;
    const std::string tag = ThisMachineTag();
    const long gone = GonePid();
    const std::string stale = TemporaryName(temp / "a.csv", tag, gone, 1);
    const std::vector<std::string> kept{
        TemporaryName(temp / "a.csv", tag, getpid(), 2),         // a writer still running
        TemporaryName(temp / "a.csv", Other(tag), gone, 3),      // another machine's
        temp / "notes.tmp",
        temp / ("a.csv." + std::to_string(gone) + ".0000abcd.tmp"),
        temp / "a.csv",
    };
    for (const std::string& path : kept) temp.Write(fs::path(path).filename().string(), "user");
    temp.Write(fs::path(stale).filename().string(), "half");
    // Named as stale, but no regular file.
    const std::string folder = TemporaryName(temp / "f", tag, gone, 4);
    const std::string link = TemporaryName(temp / "l", tag, gone, 5);
    fs::create_directory(folder);
    fs::create_symlink(temp / "notes.tmp", link);

    ASSERT_TRUE(WriteFileAtomically(temp / "b.csv", "new"));
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& path : kept) EXPECT_EQ(testing::ReadWholeFile(path), "user") << path;
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testing::ReadWholeFile(temp / "b.csv"), "new");

    // Once per folder: a stale file made later stays until the next program.
    temp.Write(fs::path(stale).filename().string(), "half");
    ASSERT_TRUE(WriteFileAtomically(temp / "c.csv", "new"));
    EXPECT_TRUE(fs::exists(stale));
    EXPECT_EQ(RemoveStaleTemporaries(temp.path().string()), 1);
    EXPECT_FALSE(fs::exists(stale));
}

}  // namespace
}  // namespace tremblo
