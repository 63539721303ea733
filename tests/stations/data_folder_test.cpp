// Where the station directory is looked for: a relative XDG_DATA_HOME does
// not count (the desktop's rule), and the DATA beside the program is found
// when neither the working folder nor the user's data folder has one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "stations/data_folder.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolder, ARelativeDataHomeIsIgnoredForTheHomeDefault) {
    TempFolder temp;
    const ScopedVariable home("HOME", temp.path().string());
    for (const char* relative : {"relative/share", "./share", ""}) {
        const ScopedVariable dataHome("XDG_DATA_HOME", relative);
        EXPECT_EQ(UserDataFolder(), (temp.path() / ".local/share/tremblo/DATA").string()) << relative;
    }
    const ScopedVariable dataHome("XDG_DATA_HOME", temp / "abs");
    EXPECT_EQ(UserDataFolder(), temp / "abs/tremblo/DATA");
}

TEST(DataFolder, TheFolderBesideTheProgramComesAfterTheWorkingAndUserFolders) {
    TempFolder temp;
    const ScopedVariable dataHome("XDG_DATA_HOME", temp / "nobody");
    temp.Write("work/x", "");
    const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / "DATA";
    ASSERT_FALSE(fs::exists(beside)) << beside;
    fs::create_directory(beside);
    const auto previous = fs::current_path();
    fs::current_path(temp / "work");
    const std::string found = FindDataFolder();
    temp.Write("nobody/tremblo/DATA/SITENAME.CSV", "");
    const std::string user = FindDataFolder();
    fs::current_path(previous);
    fs::remove(beside);
    EXPECT_EQ(found, beside.string());
    EXPECT_EQ(user, temp / "nobody/tremblo/DATA");
}

TEST(DataFolder, AnInstalledProgramFindsTheDataOfItsOwnInstallation) {
    EXPECT_EQ(InstalledDataFolder("/usr/bin/tremblo"), "/usr/share/tremblo/DATA");
    EXPECT_EQ(InstalledDataFolder("/opt/quake/bin/tremblo-batch"), "/opt/quake/share/tremblo/DATA");
}

}  // namespace
}  // namespace tremblo
